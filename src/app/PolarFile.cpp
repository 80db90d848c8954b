// SPDX-License-Identifier: MIT
#include "app/PolarFile.h"

#include "app/PolarSweep.h"
#include "io/AtomicFile.h"

namespace ribcraft {

std::vector<PolarTable> PolarTablesOf(std::span<const StoredPolar> polars) {
    std::vector<PolarTable> tables;
    for (const StoredPolar& p : polars) {
        PolarTable& t = tables.emplace_back();
        t.section = p.Key.SectionName;
        t.flapDeflection = p.Key.FlapDeflection;
        t.flapLength = p.Key.FlapLength;
        t.re = p.Key.re;
        // The store keeps no stall flag per angle yet, so every row is written as not stalled.
        for (const PolarRow& r : p.PolarData)
            t.rows.push_back({r[PolarAngle], r[PolarCl], r[PolarCd] / 1000, r[PolarCm], r[PolarUpperTransition],
                              r[PolarLowerTransition], false});
    }
    return tables;
}

Status WritePolarFile(const SharedState& s, const std::string& path) {
    const auto polars = ActivePolars(s);
    if (polars.empty())
        return Status::Error(ErrorKind::NotAvailable, "There is no stored polar to write: show a polar view first.");
    return WriteTextFile(path, PolarTableText(PolarTablesOf(polars)));
}

Status WriteTextFile(const std::string& path, const std::string& text) {
    return WriteFileAtomically(path, text);
}

} // namespace ribcraft
