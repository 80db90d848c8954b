// SPDX-License-Identifier: MIT
#include "app/dialogs/TemplatesModel.h"

#include "io/NumberFormat.h"

namespace ribcraft {

TemplatesModel::TemplatesModel(const SharedState& state)
    : m_caption("Print NACA " + state.Texts.SectionName + " Template") {
    // The count shown at opening is 1, so the Tip Chord box starts disabled.
    sectionsTextChanged(m_sectionsText);
}

void TemplatesModel::sectionsTextChanged(std::string_view text) {
    m_sectionsText = text;
    m_tipEnabled = Val(m_sectionsText) != 1;
}

TemplateJob TemplatesModel::job() const {
    TemplateJob job;
    job.RootChord = Val(m_rootText);
    job.TipChord = Val(m_tipText);
    job.SkinThickness = Val(m_skinText);
    job.Sections = Val(m_sectionsText);
    job.Centimetres = m_centimetres;
    return job;
}

} // namespace ribcraft
