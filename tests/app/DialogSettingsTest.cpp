// The angle, flap, options and coefficients dialogs' rules, the dialog
// protocol with the commands' after-dialog rules, and the help contexts.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <set>

#include "app/SharedState.h"
#include "app/dialogs/AngleDialogModel.h"
#include "app/dialogs/CoefficientsDialogModel.h"
#include "app/dialogs/DialogProtocol.h"
#include "app/dialogs/DialogText.h"
#include "app/dialogs/FlapDialogModel.h"
#include "app/dialogs/HelpContexts.h"
#include "app/dialogs/OptionsDialogModel.h"

namespace ribcraft {
namespace {

TEST(DialogText, DecimalTextKeepsTheLeadingZeroAndRoundingIsHalfToEven) {
    EXPECT_EQ(DecimalText(0), "0");
    EXPECT_EQ(DecimalText(12), "12");
    EXPECT_EQ(DecimalText(0.5), "0.5");
    EXPECT_EQ(DecimalText(-0.25), "-0.25");
    EXPECT_EQ(DecimalText(-7), "-7");
    EXPECT_EQ(RoundHalfEven(37.5), 38);
    EXPECT_EQ(RoundHalfEven(36.5), 36);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(AngleDialog, OpensFromTheAngleBoxAndClampsOnlyTheSlider) {
    SharedState s;
    s.Texts.AngleText = "4.5";
    AngleDialogModel d(s);
    EXPECT_DOUBLE_EQ(d.aoaDegrees(), 4.5);
    EXPECT_EQ(d.text(), "4.5");
    EXPECT_EQ(d.sliderPosition(), 4); // 4.5 rounds half to even

    d.textChanged("25");
    EXPECT_DOUBLE_EQ(d.aoaDegrees(), 20);
    EXPECT_EQ(d.sliderPosition(), 20);
    EXPECT_EQ(d.text(), "25"); // the box is not rewritten
    d.textChanged("-300");
    EXPECT_EQ(d.sliderPosition(), -20);
    d.textChanged("abc");
    EXPECT_DOUBLE_EQ(d.aoaDegrees(), 0);
    EXPECT_EQ(d.sliderPosition(), 0);

    SharedState wide;
    wide.Texts.AngleText = "35";
    AngleDialogModel dw(wide);
    EXPECT_EQ(dw.text(), "35");
    EXPECT_EQ(dw.sliderPosition(), 20);
}

TEST(AngleDialog, OkAppliesTheTypedTextCancelLeavesTheAngleBox) {
    SharedState s;
    AngleDialogModel typed(s);
    typed.textChanged("25");
    typed.ok();
    EXPECT_EQ(s.Texts.AngleText, "25");
    EXPECT_EQ(s.DialogCancelled, 0);

    AngleDialogModel slid(s);
    slid.sliderMoved(-7);
    EXPECT_EQ(slid.text(), "-7");
    EXPECT_DOUBLE_EQ(slid.aoaDegrees(), -7);
    slid.ok();
    EXPECT_EQ(s.Texts.AngleText, "-7");

    AngleDialogModel cancelled(s);
    cancelled.sliderMoved(12);
    cancelled.cancel();
    EXPECT_EQ(s.Texts.AngleText, "-7");
    EXPECT_EQ(s.DialogCancelled, 1);
}

TEST(FlapDialog, OutOfRangeEntriesArePulledToTheEndsAndRewritten) {
    SharedState s;
    FlapDialogModel d(s);
    EXPECT_EQ(d.lengthText(), "0");
    EXPECT_EQ(d.deflectionText(), "0");

    d.deflectionTextChanged("-45");
    EXPECT_DOUBLE_EQ(s.FlapDeflection, -30);
    EXPECT_EQ(d.deflectionText(), "-30");
    EXPECT_EQ(d.deflectionSlider(), -30);
    d.deflectionTextChanged("31");
    EXPECT_EQ(d.deflectionText(), "30");

    d.lengthTextChanged("60");
    EXPECT_DOUBLE_EQ(s.FlapLength, 50);
    EXPECT_EQ(d.lengthText(), "50");
    d.lengthTextChanged("-5");
    EXPECT_DOUBLE_EQ(s.FlapLength, 0);
    EXPECT_EQ(d.lengthText(), "0");
    EXPECT_EQ(d.lengthSlider(), 0);

    d.lengthTextChanged("12.5"); // in range: the box keeps the text
    EXPECT_EQ(d.lengthText(), "12.5");
    EXPECT_DOUBLE_EQ(s.FlapLength, 12.5);
    EXPECT_EQ(d.lengthSlider(), 12);

    d.lengthSliderMoved(33);
    EXPECT_EQ(d.lengthText(), "33");
    EXPECT_DOUBLE_EQ(s.FlapLength, 33);
    d.deflectionSliderMoved(-12);
    EXPECT_EQ(d.deflectionText(), "-12");
}

TEST(FlapDialog, OkBuildsTheDisplaysFromTheTypedTextsAndTheCommandDerivesHingeAndAngle) {
    SharedState s;
    bool accepted = RunDialog(s, [&] {
        FlapDialogModel d(s);
        d.lengthTextChanged("20");
        d.deflectionTextChanged("10");
        d.ok();
    });
    AfterFlapDialog(s, FlapPiMenu, accepted);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(s.Texts.FlapDeflectionText, "10 Deg.");
    EXPECT_EQ(s.Texts.FlapLengthText, "20 %c");
    // Exact: 0.8 and 10 deg = pi/18 rad; tolerance one float step.
    EXPECT_NEAR(s.HingeFraction, 0.8, 1e-7);
    EXPECT_NEAR(s.FlapAngleRad, std::numbers::pi / 18, 2e-8);
    EXPECT_NEAR(s.FlapAngleRad, 0.1745329, 1e-7);

    SharedState t = s;
    AfterFlapDialog(t, FlapPiToolBar, true);
    EXPECT_NEAR(t.FlapAngleRad, std::numbers::pi / 18, 2e-8);
}

TEST(FlapDialog, CancelRestoresSettingsAndDisplaysButStillDerivesTheAngles) {
    SharedState s;
    s.FlapLength = 20;
    s.FlapDeflection = 10;
    s.Texts.FlapDeflectionText = "10 Deg.";
    s.Texts.FlapLengthText = "20 %c";
    s.NewFlag = 0;
    bool accepted = RunDialog(s, [&] {
        FlapDialogModel d(s);
        d.lengthSliderMoved(45);
        d.deflectionSliderMoved(-25);
        d.cancel();
    });
    AfterFlapDialog(s, FlapPiToolBar, accepted);
    EXPECT_FALSE(accepted);
    EXPECT_DOUBLE_EQ(s.FlapLength, 20);
    EXPECT_DOUBLE_EQ(s.FlapDeflection, 10);
    EXPECT_EQ(s.Texts.FlapDeflectionText, "10 Deg.");
    EXPECT_EQ(s.Texts.FlapLengthText, "20 %c");
    EXPECT_EQ(s.NewFlag, 0);
    EXPECT_NEAR(s.HingeFraction, 0.8, 1e-7);
    EXPECT_NEAR(s.FlapAngleRad, std::numbers::pi / 18, 2e-8);
}

TEST(OptionsDialog, ListAndPresetFromThePointCount) {
    EXPECT_EQ(OptionsDialogModel::countList(),
              (std::vector<std::string>{"20", "60", "100", "140", "180", "220", "260", "300", "340"}));
    SharedState s;
    OptionsDialogModel d(s);
    EXPECT_EQ(d.countText(), "120");
}

TEST(OptionsDialog, OkHalvesTheCountHalfToEven) {
    struct Case {
        const char* typed;
        int h;
    };
    for (Case c : {Case{"340", 170}, Case{"75", 38}, Case{"70", 35}, Case{"77", 38}, Case{"20", 10}, Case{"120", 60},
                   Case{"101.2", 51}}) {
        SharedState s;
        OptionsDialogModel d(s);
        d.setCountText(c.typed);
        d.ok();
        EXPECT_EQ(s.SurfacePoints, c.h) << c.typed;
        EXPECT_EQ(s.PointCount, 2 * c.h) << c.typed;
    }
}

TEST(OptionsDialog, GuardPullsCountsOutsideTheListRangeToItsEnds) {
    // Without the guard "abc" or "0" would give no points at all and "1000"
    // an outline past the 400 entries of its arrays.
    // "1e999" is past any double: the lenient conversion gives 0.
    for (const char* low : {"0", "abc", "", "-60", "19", "2", "1e999"}) {
        EXPECT_EQ(OptionsDialogModel::surfacePointsFor(low), 10) << low;
    }
    for (const char* high : {"341", "400", "1000", "1e9"}) {
        EXPECT_EQ(OptionsDialogModel::surfacePointsFor(high), 170) << high;
    }
    SharedState s;
    OptionsDialogModel d(s);
    d.setCountText("5000");
    d.ok();
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_LE(s.PointCount + 1, cap::Outline);
}

TEST(OptionsDialog, CancelKeepsTheCountAndTheProtocolStopsTheCommand) {
    SharedState s;
    s.NewFlag = 0;
    bool accepted = RunDialog(s, [&] {
        OptionsDialogModel d(s);
        d.setCountText("340");
        d.cancel();
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(s.SurfacePoints, 60);
    EXPECT_EQ(s.PointCount, 120);
    EXPECT_EQ(s.NewFlag, 0);

    s.DialogCancelled = 1; // left over from an earlier cancel
    accepted = RunDialog(s, [&] {
        OptionsDialogModel d(s);
        d.setCountText("340");
        d.ok();
    });
    ASSERT_TRUE(accepted);
    AfterOptionsAccepted(s);
    EXPECT_EQ(s.PointCount, 340);
    EXPECT_EQ(s.NewFlag, 1);
}

TEST(DialogCommands, NacaAcceptanceDropsTheFileSectionAndMarksEverythingDirty) {
    SharedState s;
    s.RawAirfoilFlag = 1;
    s.NewFlag = 0;
    s.NewGrid = 0;
    AfterNacaAccepted(s);
    EXPECT_EQ(s.RawAirfoilFlag, 0);
    EXPECT_EQ(s.NewFlag, 1);
    EXPECT_EQ(s.NewGrid, 1);
}

TEST(DialogCommands, AngleDisplayFollowsTheAngleBoxAfterOkAndCancel) {
    SharedState s;
    EXPECT_EQ(s.Texts.AngleDisplay, AngleDisplayFor(s.Texts.AngleText)); // "0 Deg." at start-up
    s.NewFlag = 0;
    bool accepted = RunDialog(s, [&] {
        AngleDialogModel d(s);
        d.sliderMoved(-7);
        d.ok();
    });
    AfterAngleDialog(s, accepted);
    EXPECT_TRUE(accepted);
    EXPECT_EQ(s.Texts.AngleDisplay, "-7 Deg.");
    EXPECT_EQ(s.NewFlag, 0); // the section itself is unchanged

    s.Texts.AngleText = "3"; // typed into the box without Enter
    accepted = RunDialog(s, [&] { AngleDialogModel(s).cancel(); });
    AfterAngleDialog(s, accepted);
    EXPECT_FALSE(accepted);
    EXPECT_EQ(s.Texts.AngleDisplay, "3 Deg."); // nothing solved yet: the box is all there is
}

TEST(CoefficientsDialog, CopiesTheSixResultTextsInCaptionOrder) {
    SharedState s;
    s.Texts.LiftText = "0.785";
    s.Texts.DragText = "0.0071";
    s.Texts.CmLeText = "-0.228";
    s.Texts.CmC4Text = "-0.031";
    s.Texts.XcpText = "29 %c";
    s.Texts.AlphaCl0Text = "-2.07 Deg.";
    CoefficientsDialogModel d(s);
    EXPECT_EQ(d.values, (std::array<std::string, 6>{"0.785", "0.0071", "-0.228", "-0.031", "29 %c", "-2.07 Deg."}));
    EXPECT_EQ(CoefficientsDialogModel::captions()[2], "Moment Coeffieient (L.E.)");
    EXPECT_EQ(CoefficientsDialogModel::captions()[5], "Angle for Cl = 0");
}

TEST(HelpContexts, ContextHelpByViewAndPagesByCall) {
    EXPECT_EQ(ContextHelpFor(1), (HelpCall{HelpContext, 60}));
    EXPECT_EQ(ContextHelpFor(3), (HelpCall{HelpContext, 60}));
    EXPECT_EQ(ContextHelpFor(4), (HelpCall{HelpContext, 190}));
    EXPECT_EQ(ContextHelpFor(5), (HelpCall{HelpContext, 200}));
    EXPECT_EQ(ContextHelpFor(6), (HelpCall{HelpContext, 160}));
    EXPECT_EQ(ContextHelpFor(7), (HelpCall{HelpContext, 170}));
    EXPECT_EQ(ContextHelpFor(10), (HelpCall{HelpContext, 150}));
    for (int v : {0, 8, 9, 11, -1})
        EXPECT_EQ(ContextHelpFor(v), (HelpCall{HelpContents, 1})) << v;

    EXPECT_EQ(HelpPageFor(HelpContents, 1), "contents.html");
    EXPECT_EQ(HelpPageFor(HelpContents, 10), "contents.html");
    EXPECT_EQ(HelpPageFor(HelpContext, 1), "contents.html");
    EXPECT_EQ(HelpPageFor(HelpContext, 10), "contents.html");
    EXPECT_EQ(HelpPageFor(HelpContext, 999), "contents.html");
    EXPECT_EQ(HelpPageFor(7, 20), "contents.html");
    // Every context in use has a page of its own.
    std::set<std::string> pages;
    for (int c : {20, 30, 50, 60, 70, 90, 150, 160, 170, 190, 200})
        pages.insert(HelpPageFor(HelpContext, c));
    EXPECT_EQ(pages.size(), 11u);
    EXPECT_FALSE(pages.contains("contents.html"));
    EXPECT_EQ(HelpPageFor(HelpContext, HelpNaca4), "naca4.html");
    EXPECT_EQ(HelpResourcePath("naca4.html"), ":/help/naca4.html");
}

} // namespace
} // namespace ribcraft
