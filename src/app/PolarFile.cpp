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
        for (size_t i = 0; i < p.PolarData.size(); ++i) {
            const PolarRow& r = p.PolarData[i];
            t.rows.push_back({r[PolarAngle], r[PolarCl], r[PolarCd] / 1000, r[PolarCm], r[PolarUpperTransition],
                              r[PolarLowerTransition], p.stalled(i)});
        }
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
