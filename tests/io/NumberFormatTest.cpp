// SPDX-License-Identifier: MIT
#include "io/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <string>

namespace ribcraft {
namespace {

TEST(FormatNumber, FixedPicturesPadRoundAndDropOptionalZeros) {
    EXPECT_EQ(FormatNumber(0.0, "##0.0#"), "0.0");
    EXPECT_EQ(FormatNumber(0.25, "##0.0#"), "0.25");
    EXPECT_EQ(FormatNumber(100.0, "##0.0#"), "100.0");
    EXPECT_EQ(FormatNumber(27.4, "00"), "27");
    EXPECT_EQ(FormatNumber(5.0, "00"), "05");
    EXPECT_EQ(FormatNumber(1.0, "#0.000000"), "1.000000");
    EXPECT_EQ(FormatNumber(-0.0013, "#0.000000"), "-0.001300");
    EXPECT_EQ(FormatNumber(0.5, "##0.000"), "0.500");
    EXPECT_EQ(FormatNumber(-12.3456, "##0.00"), "-12.35");
    EXPECT_EQ(FormatNumber(29.0, "##0"), "29");
    EXPECT_EQ(FormatNumber(1234.5, "##0"), "1235"); // more digits than placeholders are never cut
    EXPECT_EQ(FormatNumber(0.12345, "0.0###"), "0.1235");
    EXPECT_EQ(FormatNumber(0.1, "0.0###"), "0.1");
    EXPECT_EQ(FormatNumber(0.00795, "0.0#####"), "0.00795");
    EXPECT_EQ(FormatNumber(3.14159265, "#0.0"), "3.1");
    EXPECT_EQ(FormatNumber(0.4, "0.00"), "0.40");
    EXPECT_EQ(FormatNumber(-0.4, "0.000"), "-0.400");
    EXPECT_EQ(FormatNumber(2.5, "#0.00"), "2.50");
    EXPECT_EQ(FormatNumber(0.123456, "#0.00000"), "0.12346");
    EXPECT_EQ(FormatNumber(-1.5, "##0.00000"), "-1.50000");
    EXPECT_EQ(FormatNumber(0.0079, "0.000000"), "0.007900");
    EXPECT_EQ(FormatNumber(12.5, "##0.000000"), "12.500000");
    EXPECT_EQ(FormatNumber(0.3333333, "##0.0000"), "0.3333");
}

TEST(FormatNumber, RoundsHalfAwayFromZeroOnTheDecimalValue) {
    EXPECT_EQ(FormatNumber(2.5, "##0"), "3");
    EXPECT_EQ(FormatNumber(-2.5, "##0"), "-3");
    EXPECT_EQ(FormatNumber(0.125, "0.00"), "0.13");
    EXPECT_EQ(FormatNumber(1.005, "0.00"), "1.01"); // binary 1.00499999..., decimal 1.005
    EXPECT_EQ(FormatNumber(9.9996, "0.000"), "10.000");
    EXPECT_EQ(FormatNumber(99.5, "00"), "100");
    EXPECT_EQ(FormatNumber(0.00049, "0.000"), "0.000");
    EXPECT_EQ(FormatNumber(0.0005, "0.000"), "0.001");
    EXPECT_EQ(FormatNumber(0.6, "##0"), "1");
    EXPECT_EQ(FormatNumber(1e-20, "0.0###"), "0.0");
    EXPECT_EQ(FormatNumber(123456789.0, "#0.00"), "123456789.00");
}

TEST(FormatNumber, ValueRoundingToZeroHasNoMinusSign) {
    EXPECT_EQ(FormatNumber(-0.0001, "##0.000"), "0.000");
    EXPECT_EQ(FormatNumber(-0.0, "##0.000"), "0.000");
    EXPECT_EQ(FormatNumber(-0.4, "##0"), "0");
    EXPECT_EQ(FormatNumber(-0.00004, "0.0###"), "0.0");
    EXPECT_EQ(FormatNumber(-0.0, "0.00e+"), "0.00e+0");
    EXPECT_EQ(FormatNumber(-1e-9, "0.00e+"), "-1.00e-9"); // small is not zero in an exponent picture
}

TEST(FormatNumber, ExponentPictures) {
    EXPECT_EQ(FormatNumber(1000000.0, "0.00e+"), "1.00e+6");
    EXPECT_EQ(FormatNumber(3500000.0, "0.00e+"), "3.50e+6");
    EXPECT_EQ(FormatNumber(0.00123, "0.00e+"), "1.23e-3");
    EXPECT_EQ(FormatNumber(-250000.0, "0.00E+00"), "-2.50E+05");
    EXPECT_EQ(FormatNumber(9.996e5, "0.00e+"), "1.00e+6"); // the carry moves the exponent
    EXPECT_EQ(FormatNumber(0.0, "0.00e+"), "0.00e+0");
    EXPECT_EQ(FormatNumber(2.0, "0.00e-"), "2.00e0");
}

// A desktop that writes decimal commas changes nothing in the program's texts and files: neither
// the C locale (as a German desktop sets it) nor a global C++ locale with a comma.
TEST(FormatNumber, NeverWritesADecimalComma) {
    struct CommaPunct : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    auto check = [] {
        EXPECT_EQ(FormatNumber(0.5, "##0.000"), "0.500");
        EXPECT_EQ(FormatNumber(1234567.25, "#0.00"), "1234567.25");
        EXPECT_EQ(FreeForm(-0.25), "-.25");
        EXPECT_EQ(FreeForm(1.5e20), "1.5E+20");
        EXPECT_DOUBLE_EQ(Val("1.5"), 1.5);
    };
    const std::string savedC = std::setlocale(LC_ALL, nullptr);
    const std::locale savedCpp = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
    check();
    // The German locale comes with the packages scripts/install-deps installs.
    const bool german = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    EXPECT_TRUE(german) << "no de_DE.UTF-8 locale: run scripts/install-deps";
    if (german) {
        char probe[16];
        std::snprintf(probe, sizeof probe, "%.1f", 0.5);
        EXPECT_STREQ(probe, "0,5"); // the locale really is in force
        check();
    }
    std::setlocale(LC_ALL, savedC.c_str());
    std::locale::global(savedCpp);
}

TEST(FreeForm, GeneralNumberText) {
    EXPECT_EQ(FreeForm(0.5), ".5");
    EXPECT_EQ(FreeForm(-0.25), "-.25");
    EXPECT_EQ(FreeForm(60.0), "60");
    EXPECT_EQ(FreeForm(0.0), "0");
    EXPECT_EQ(FreeForm(-0.0), "0");
    EXPECT_EQ(FreeForm(1000000.0), "1000000");
    EXPECT_EQ(FreeForm(-0.025), "-.025");
    EXPECT_EQ(FreeForm(1.05), "1.05");
    EXPECT_EQ(FreeForm(0.1 + 0.2), ".3"); // 15 significant digits hide the binary noise
    EXPECT_EQ(FreeForm(1.0 / 3.0), ".333333333333333");
    EXPECT_EQ(FreeForm(123456.789), "123456.789");
    EXPECT_EQ(FreeForm(0.0001), ".0001");
    EXPECT_EQ(FreeForm(999999999999999.0), "999999999999999");
}

TEST(FreeForm, ExponentFormBeyondTheLimits) {
    EXPECT_EQ(FreeForm(1e15), "1E+15");
    EXPECT_EQ(FreeForm(1e16), "1E+16");
    EXPECT_EQ(FreeForm(-1.5e20), "-1.5E+20");
    EXPECT_EQ(FreeForm(1e-5), "1E-05");
    EXPECT_EQ(FreeForm(2.5e-7), "2.5E-07");
    EXPECT_EQ(FreeForm(1e300), "1E+300");
    EXPECT_EQ(FreeForm(std::numeric_limits<double>::quiet_NaN()), "NaN");
    EXPECT_EQ(FreeForm(-std::numeric_limits<double>::infinity()), "-Inf");
}

TEST(FreeForm, SinglePrecisionValuesShowSevenDigits) {
    EXPECT_EQ(FreeFormSingle(0.1f), ".1");
    EXPECT_EQ(FreeFormSingle(-0.025f), "-.025");
    EXPECT_EQ(FreeFormSingle(1.0f / 3.0f), ".3333333");
    EXPECT_EQ(FreeFormSingle(1234567.0f), "1234567");
    EXPECT_EQ(FreeFormSingle(12345678.0f), "1.234568E+07");
    EXPECT_EQ(FreeFormSingle(0.00001f), "1E-05");
    EXPECT_EQ(PrintItemSingle(0.5f), " .5 ");
    EXPECT_EQ(PrintItemSingle(-0.0125f), "-.0125 ");
}

TEST(FreeForm, PrintItemsCarryTheirBlanks) {
    EXPECT_EQ(PrintItem(0.0), " 0 ");
    EXPECT_EQ(PrintItem(0.5), " .5 ");
    EXPECT_EQ(PrintItem(-0.025), "-.025 ");
    EXPECT_EQ(PrintItem(41.0), " 41 ");
}

TEST(Val, LenientConversion) {
    EXPECT_DOUBLE_EQ(Val("12abc"), 12.0);
    EXPECT_DOUBLE_EQ(Val("abc"), 0.0);
    EXPECT_DOUBLE_EQ(Val(""), 0.0);
    EXPECT_DOUBLE_EQ(Val("   -3.5"), -3.5);
    EXPECT_DOUBLE_EQ(Val("+.25"), 0.25);
    EXPECT_DOUBLE_EQ(Val("1.5e3x"), 1500.0);
    EXPECT_DOUBLE_EQ(Val("2E-2"), 0.02);
    EXPECT_DOUBLE_EQ(Val("7e"), 7.0); // an exponent mark without digits ends the number
    EXPECT_DOUBLE_EQ(Val("7e+"), 7.0);
    EXPECT_DOUBLE_EQ(Val("-"), 0.0);
    EXPECT_DOUBLE_EQ(Val("."), 0.0);
    EXPECT_DOUBLE_EQ(Val("5."), 5.0);
    EXPECT_DOUBLE_EQ(Val("1e999"), 0.0); // too large for the program: not a number
    EXPECT_DOUBLE_EQ(Val("0.0 Deg."), 0.0);
    EXPECT_DOUBLE_EQ(Val("2412"), 2412.0);
}

TEST(PrintLine, ZonesStartEvery14Columns) {
    PrintLine header;
    header.join("Angle(Deg)")
        .zone("Cl      ")
        .zone("Cd      ")
        .zone("Cm      ")
        .zone("Up Tran(%c) ")
        .zone("Lo Tran(%c)");
    const std::string& h = header.str();
    EXPECT_EQ(h.find("Cl"), 14u);
    EXPECT_EQ(h.find("Cd"), 28u);
    EXPECT_EQ(h.find("Cm"), 42u);
    EXPECT_EQ(h.find("Up Tran(%c)"), 56u);
    EXPECT_EQ(h.find("Lo Tran(%c)"), 70u);

    PrintLine row;
    row.join(FormatNumber(1.0, "#0.000000")).zone(FormatNumber(-0.0013, "#0.000000"));
    EXPECT_EQ(row.str(), "1.000000      -0.001300");

    EXPECT_EQ(PrintLine().zone("x").str(), std::string(14, ' ') + "x");
    PrintLine wide;
    wide.join("123456789012345").zone("y"); // past a boundary: the following zone
    EXPECT_EQ(wide.str().find('y'), 28u);
    PrintLine exact;
    exact.join("12345678901234").zone("z"); // ending on a boundary still moves on
    EXPECT_EQ(exact.str().find('z'), 28u);
}

} // namespace
} // namespace ribcraft
