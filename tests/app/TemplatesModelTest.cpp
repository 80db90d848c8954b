// SPDX-License-Identifier: MIT
// The Print Templates dialog's rules: opening texts, caption, the Tip Chord
// rule and the lenient reading of the boxes.

#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "app/dialogs/TemplatesModel.h"

namespace ribcraft {
namespace {

TEST(TemplatesModel, OpensWithTheDefaultDimensionsInInchesAndTheSectionInTheCaption) {
    SharedState s;
    s.Texts.SectionName = "2412";
    const TemplatesModel m(s);
    EXPECT_EQ(m.caption(), "Print NACA 2412 Template");
    EXPECT_EQ(m.rootText(), "6");
    EXPECT_EQ(m.tipText(), "6");
    EXPECT_EQ(m.skinText(), "0");
    EXPECT_EQ(m.sectionsText(), "1");
    EXPECT_FALSE(m.centimetres());
    // One section at opening: there is no tip to set.
    EXPECT_FALSE(m.tipEnabled());
    const TemplateJob job = m.job();
    EXPECT_EQ(job.RootChord, 6);
    EXPECT_EQ(job.TipChord, 6);
    EXPECT_EQ(job.SkinThickness, 0);
    EXPECT_EQ(job.Sections, 1);
    EXPECT_FALSE(job.Centimetres);
}

TEST(TemplatesModel, TipChordIsDisabledExactlyWhileTheCountReadsOne) {
    SharedState s;
    TemplatesModel m(s);
    m.sectionsTextChanged("3");
    EXPECT_TRUE(m.tipEnabled());
    m.sectionsTextChanged("1.0");
    EXPECT_FALSE(m.tipEnabled());
    m.sectionsTextChanged("");
    EXPECT_TRUE(m.tipEnabled()); // reads as 0, not 1
    m.sectionsTextChanged(" 1 ribs");
    EXPECT_FALSE(m.tipEnabled());
    m.sectionsTextChanged("10");
    EXPECT_TRUE(m.tipEnabled());
    EXPECT_EQ(m.sectionsText(), "10");
}

TEST(TemplatesModel, JobReadsTheTypedTextsLenientlyWithTheChosenUnit) {
    SharedState s;
    TemplatesModel m(s);
    m.rootTextChanged("25.4cm");
    m.tipTextChanged("abc");
    m.skinTextChanged(".2");
    m.sectionsTextChanged("4");
    m.setCentimetres(true);
    const TemplateJob job = m.job();
    EXPECT_DOUBLE_EQ(job.RootChord, 25.4);
    EXPECT_EQ(job.TipChord, 0);
    EXPECT_DOUBLE_EQ(job.SkinThickness, 0.2);
    EXPECT_EQ(job.Sections, 4);
    EXPECT_TRUE(job.Centimetres);
    EXPECT_EQ(m.rootText(), "25.4cm"); // the box keeps what was typed
}

} // namespace
} // namespace ribcraft
