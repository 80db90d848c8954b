// SPDX-License-Identifier: MIT
// The NACA 4- and 5-digit dialogs' rules, driven without a window.

#include <gtest/gtest.h>

#include "app/SharedState.h"
#include "app/dialogs/Naca4DialogModel.h"
#include "app/dialogs/Naca5DialogModel.h"

namespace ribcraft {
namespace {

SharedState naca4State(int m, int p, int t) {
    SharedState s;
    s.Naca4Camber = m;
    s.Naca4Position = p;
    s.Naca4Thickness = t;
    return s;
}

TEST(Naca4Dialog, DesignationPadsThinSectionsAndCaptionFollowsEveryChange) {
    EXPECT_EQ(Naca4Designation(2, 4, 12), "2412");
    EXPECT_EQ(Naca4Designation(0, 0, 9), "0009");
    EXPECT_EQ(Naca4Designation(2, 4, 5), "2405");

    SharedState s; // start-up: 0, 0, 12
    Naca4DialogModel d(s);
    EXPECT_EQ(d.caption(), "NACA 0012");
    EXPECT_EQ(d.camberText(), "0");
    EXPECT_EQ(d.positionText(), "0");
    EXPECT_EQ(d.thicknessText(), "12");
    d.thicknessDown();
    EXPECT_EQ(d.caption(), "NACA 0011");
    EXPECT_EQ(d.thicknessText(), "11");
}

TEST(Naca4Dialog, ThicknessWrapsBetweenOneAndThirty) {
    SharedState s = naca4State(0, 0, 1);
    Naca4DialogModel d(s);
    d.thicknessDown();
    EXPECT_EQ(s.Naca4Thickness, 30);
    d.thicknessUp();
    EXPECT_EQ(s.Naca4Thickness, 1);
    EXPECT_EQ(d.thicknessText(), "1");
}

TEST(Naca4Dialog, CamberSpinWrapsAndRaisesAZeroPosition) {
    SharedState up = naca4State(0, 0, 12);
    Naca4DialogModel du(up);
    du.camberUp();
    EXPECT_EQ(up.Naca4Camber, 1);
    EXPECT_EQ(up.Naca4Position, 1);
    EXPECT_EQ(du.caption(), "NACA 1112");
    EXPECT_EQ(du.positionText(), "1");

    SharedState down = naca4State(0, 0, 12);
    Naca4DialogModel dd(down);
    dd.camberDown();
    EXPECT_EQ(down.Naca4Camber, 9);
    EXPECT_EQ(down.Naca4Position, 1);

    SharedState top = naca4State(9, 4, 12);
    Naca4DialogModel dt(top);
    dt.camberUp(); // back to no camber: the position is kept
    EXPECT_EQ(top.Naca4Camber, 0);
    EXPECT_EQ(top.Naca4Position, 4);
}

TEST(Naca4Dialog, PositionSpinLowestValueDependsOnCamber) {
    SharedState cambered = naca4State(2, 1, 12);
    Naca4DialogModel dc(cambered);
    dc.positionDown();
    EXPECT_EQ(cambered.Naca4Position, 9);
    dc.positionUp();
    EXPECT_EQ(cambered.Naca4Position, 1); // 9 up wraps to 1 with camber

    SharedState flat = naca4State(0, 0, 12);
    Naca4DialogModel df(flat);
    df.positionDown();
    EXPECT_EQ(flat.Naca4Position, 9);
    df.positionUp();
    EXPECT_EQ(flat.Naca4Position, 0); // 9 up wraps to 0 without camber
    df.positionUp();
    df.positionDown();
    EXPECT_EQ(flat.Naca4Position, 0); // from 1 down to 0 without camber
}

TEST(Naca4Dialog, TypedTextsAreNormalisedFromTheirFirstCharacters) {
    SharedState s = naca4State(0, 0, 12);
    Naca4DialogModel d(s);
    d.positionTextChanged("4");
    EXPECT_EQ(s.Naca4Position, 4);

    d.camberTextChanged("7a");
    EXPECT_EQ(s.Naca4Camber, 7);
    EXPECT_EQ(d.camberText(), "7");
    EXPECT_EQ(s.Naca4Position, 4); // a set position stays

    d.positionTextChanged("0"); // with camber the position cannot be 0
    EXPECT_EQ(s.Naca4Position, 1);
    EXPECT_EQ(d.positionText(), "1");

    d.thicknessTextChanged("45");
    EXPECT_EQ(s.Naca4Thickness, 30);
    EXPECT_EQ(d.thicknessText(), "30");
    d.thicknessTextChanged("123"); // only the first two characters count
    EXPECT_EQ(s.Naca4Thickness, 12);
    d.thicknessTextChanged("x");
    EXPECT_EQ(s.Naca4Thickness, 1);
    EXPECT_EQ(d.thicknessText(), "1");
    d.thicknessTextChanged("");
    EXPECT_EQ(s.Naca4Thickness, 1);

    d.camberTextChanged("-3"); // a sign is not a digit: no camber
    EXPECT_EQ(s.Naca4Camber, 0);
    EXPECT_EQ(d.camberText(), "0");
    EXPECT_EQ(d.caption(), "NACA 0101");
}

TEST(Naca4Dialog, TypedCamberOnAFlatSectionSetsThePositionBox) {
    SharedState s = naca4State(0, 0, 12);
    Naca4DialogModel d(s);
    d.camberTextChanged("3");
    EXPECT_EQ(s.Naca4Position, 1);
    EXPECT_EQ(d.positionText(), "1");
    EXPECT_EQ(d.caption(), "NACA 3112");
}

TEST(Naca4Dialog, OkWritesTheDigitsAndCancelRestoresTheOpeningValues) {
    SharedState s = naca4State(2, 4, 12);
    s.AirfoilType = 5;
    s.Texts.SectionName = "my file section";
    {
        Naca4DialogModel d(s);
        d.thicknessTextChanged("5");
        d.ok();
    }
    EXPECT_EQ(s.Texts.SectionName, "2405");
    EXPECT_EQ(s.AirfoilType, 4);
    EXPECT_EQ(s.DialogCancelled, 0);

    Naca4DialogModel d(s);
    d.camberUp();
    d.positionDown();
    d.thicknessUp();
    d.camberTextChanged("9");
    d.cancel();
    EXPECT_EQ(s.Naca4Camber, 2);
    EXPECT_EQ(s.Naca4Position, 4);
    EXPECT_EQ(s.Naca4Thickness, 5);
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.Texts.SectionName, "2405");
    EXPECT_EQ(s.AirfoilType, 4);
}

SharedState naca5State(int l, int pq, int tt) {
    SharedState s;
    s.Naca5Lift = l;
    s.Naca5Position = pq;
    s.Naca5Thickness = tt;
    return s;
}

TEST(Naca5Dialog, DesignationAndStartUpCaption) {
    EXPECT_EQ(Naca5Designation(2, 30, 12), "23012");
    EXPECT_EQ(Naca5Designation(2, 10, 8), "21008");
    SharedState s;
    Naca5DialogModel d(s);
    EXPECT_EQ(d.caption(), "NACA 21008");
    EXPECT_EQ(d.positionText(), "10");
    SharedState thin = naca5State(2, 30, 6);
    EXPECT_EQ(Naca5DialogModel(thin).caption(), "NACA 23006");
}

TEST(Naca5Dialog, PositionWrapsInTensLiftStopsAtItsEnds) {
    SharedState s = naca5State(2, 10, 12);
    Naca5DialogModel d(s);
    std::vector<int> upwards;
    for (int i = 0; i < 5; ++i) {
        d.positionUp();
        upwards.push_back(s.Naca5Position);
    }
    EXPECT_EQ(upwards, (std::vector<int>{20, 30, 40, 50, 10}));
    std::vector<int> downwards;
    for (int i = 0; i < 5; ++i) {
        d.positionDown();
        downwards.push_back(s.Naca5Position);
    }
    EXPECT_EQ(downwards, (std::vector<int>{50, 40, 30, 20, 10}));

    SharedState hi = naca5State(9, 20, 12);
    Naca5DialogModel dh(hi);
    dh.liftUp();
    EXPECT_EQ(hi.Naca5Lift, 9);
    SharedState lo = naca5State(0, 20, 12);
    Naca5DialogModel dl(lo);
    dl.liftDown();
    EXPECT_EQ(lo.Naca5Lift, 0);
    EXPECT_EQ(dl.liftText(), "0");

    SharedState t = naca5State(2, 20, 1);
    Naca5DialogModel dt(t);
    dt.thicknessDown();
    EXPECT_EQ(t.Naca5Thickness, 30);
    dt.thicknessUp();
    EXPECT_EQ(t.Naca5Thickness, 1);
}

TEST(Naca5Dialog, RaisingTheLiftGivesAnUnsetPositionItsFirstValue) {
    SharedState s = naca5State(0, 0, 12);
    Naca5DialogModel d(s);
    d.liftUp();
    EXPECT_EQ(s.Naca5Position, 10);
    EXPECT_EQ(d.positionText(), "10");

    SharedState typed = naca5State(0, 0, 12);
    Naca5DialogModel dt(typed);
    dt.liftTextChanged("4");
    EXPECT_EQ(typed.Naca5Lift, 4);
    EXPECT_EQ(typed.Naca5Position, 10);
    EXPECT_EQ(dt.positionText(), "10");
}

TEST(Naca5Dialog, TypedPositionIsTenTimesItsFirstDigitWithinTenToFifty) {
    SharedState s = naca5State(2, 10, 12);
    Naca5DialogModel d(s);
    d.positionTextChanged("3");
    EXPECT_EQ(s.Naca5Position, 30);
    EXPECT_EQ(d.positionText(), "30");
    d.positionTextChanged("35");
    EXPECT_EQ(s.Naca5Position, 30);
    d.positionTextChanged("9");
    EXPECT_EQ(s.Naca5Position, 50);
    d.positionTextChanged("abc");
    EXPECT_EQ(s.Naca5Position, 10);
    d.liftTextChanged("x");
    EXPECT_EQ(s.Naca5Lift, 0);
    d.thicknessTextChanged("?");
    EXPECT_EQ(s.Naca5Thickness, 1);
    EXPECT_EQ(d.caption(), "NACA 01001");
}

TEST(Naca5Dialog, OkWritesTheDigitsAndCancelRestores) {
    SharedState s = naca5State(2, 30, 12);
    {
        Naca5DialogModel d(s);
        d.ok();
    }
    EXPECT_EQ(s.Texts.SectionName, "23012");
    EXPECT_EQ(s.AirfoilType, 5);

    Naca5DialogModel d(s);
    d.liftDown();
    d.positionUp();
    d.thicknessTextChanged("21");
    d.cancel();
    EXPECT_EQ(s.Naca5Lift, 2);
    EXPECT_EQ(s.Naca5Position, 30);
    EXPECT_EQ(s.Naca5Thickness, 12);
    EXPECT_EQ(s.DialogCancelled, 1);
    EXPECT_EQ(s.Texts.SectionName, "23012");
}

} // namespace
} // namespace ribcraft
