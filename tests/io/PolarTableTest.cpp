// SPDX-License-Identifier: MIT
// The polar table: written and read back it gives the same polars to the last
// bit, whatever the numbers and names; a damaged file is refused by line.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "io/PolarTable.h"

namespace ribcraft {
namespace {

// Doubles from every part of the range: tiny, huge, negative zero, values
// with long decimal expansions and ones that are whole.
double AnyDouble(std::mt19937_64& rng) {
    std::uniform_int_distribution<int> kind(0, 4);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    switch (kind(rng)) {
    case 0:
        return unit(rng);
    case 1:
        return std::ldexp(unit(rng), std::uniform_int_distribution<int>(-1000, 1000)(rng));
    case 2:
        return std::round(unit(rng) * 1e7);
    case 3:
        return -0.0;
    default:
        return std::numeric_limits<double>::denorm_min() * std::uniform_int_distribution<int>(1, 9)(rng);
    }
}

TEST(PolarTable, RoundTripsRandomPolarsExactly) {
    std::mt19937_64 rng(20261208);
    const std::string names[] = {"2412", "4409 like test, \"B\"",  "a\"b\"\"c",
                                 "",     " leading and trailing ", "#hash, first"};
    for (int trial = 0; trial < 200; ++trial) {
        std::vector<PolarTable> polars(std::uniform_int_distribution<size_t>(1, 4)(rng));
        for (size_t p = 0; p < polars.size(); ++p) {
            PolarTable& t = polars[p];
            // Neighbouring polars always differ in their key, or they would read as one.
            t.section = names[(trial + p) % std::size(names)] + std::to_string(p);
            t.flapDeflection = AnyDouble(rng);
            t.flapLength = AnyDouble(rng);
            t.re = AnyDouble(rng);
            t.rows.resize(std::uniform_int_distribution<size_t>(1, 21)(rng));
            for (PolarTableRow& r : t.rows) {
                for (double* v : {&r.alpha, &r.cl, &r.cd, &r.cmQuarter, &r.transitionUpper, &r.transitionLower})
                    *v = AnyDouble(rng);
                r.stalled = rng() % 2 == 0;
            }
        }
        const std::string text = PolarTableText(polars);
        const auto back = ReadPolarTable(text);
        ASSERT_TRUE(back.ok()) << back.status().message() << "\n" << text;
        ASSERT_EQ(back->size(), polars.size());
        for (size_t p = 0; p < polars.size(); ++p) {
            EXPECT_EQ((*back)[p], polars[p]) << "polar " << p;
            // Bitwise: -0 stays -0.
            EXPECT_EQ(std::signbit((*back)[p].re), std::signbit(polars[p].re));
        }
        EXPECT_EQ(PolarTableText(*back), text);
    }
}

TEST(PolarTable, LayoutIsPlainCommaSeparatedColumns) {
    PolarTable t{
        "2412", 5, 25, 1e6, {{-2, -0.125, 0.0071, -0.05, 0.5, 0.75, false}, {4, 0.5, 0.01, -0.04, 0.25, 1, true}}};
    EXPECT_EQ(PolarTableText({&t, 1}), std::string(PolarTableHeader) +
                                           "\n\"2412\",5,25,1e+06,-2,-0.125,0.0071,-0.05,0.5,0.75,0\n"
                                           "\"2412\",5,25,1e+06,4,0.5,0.01,-0.04,0.25,1,1\n");
    // Windows line ends and names without quotes (as a spreadsheet may save them) read the same.
    const auto back =
        ReadPolarTable(std::string(PolarTableHeader) + "\r\n2412,5,25,1e+06,-2,-0.125,0.0071,-0.05,0.5,0.75,0\r\n"
                                                       "2412,5,25,1e+06,4,0.5,0.01,-0.04,0.25,1,1\r\n");
    ASSERT_TRUE(back.ok()) << back.status().message();
    ASSERT_EQ(back->size(), 1u);
    EXPECT_EQ((*back)[0], t);
}

TEST(PolarTable, RefusesDamagedFilesNamingTheLine) {
    const std::string head = std::string(PolarTableHeader) + "\n";
    const std::string good = "\"2412\",0,0,1e+06,-2,-0.1,0.007,-0.05,0.5,0.75,0\n";
    struct Case {
        std::string text, message;
    };
    const Case cases[] = {
        {"", "line 1: the file is empty"},
        {"alpha,cl,cd\n" + good, "line 1: not a polar table"},
        {head + good + "\"2412\",0,0,1e+06,-2,-0.1,0.007,-0.05,0.5,0.75\n", "line 3: 11 fields expected, 10 found"},
        {head + "\"2412\",0,0,1e+06,-2,-0.1,0.007,-0.05,0.5,0.75,0,9\n", "line 2: 11 fields expected, 12 found"},
        {head + "\"2412,0,0,1e+06,-2,-0.1,0.007,-0.05,0.5,0.75,0\n", "line 2: the section name's quote is not closed"},
        {head + "\"24\"12,0,0,1e+06,-2,-0.1,0.007,-0.05,0.5,0.75,0\n",
         "line 2: the section name's quote is not closed"},
        {head + "\"2412\",0,0,1e+06,-2,-0.1,0,007,-0.05,0.5,0.75,0\n", "line 2: 11 fields expected, 12 found"},
        {head + "\"2412\",0,0,1e+06,-2,nan,0.007,-0.05,0.5,0.75,0\n", "line 2: \"nan\" is not a number"},
        {head + "\"2412\",0,0,1e+06,-2, 0.1,0.007,-0.05,0.5,0.75,0\n", "line 2: \" 0.1\" is not a number"},
        {head + "\"2412\",0,0,1e+06,-2,0.1,0.007,-0.05,0.5,0.75,yes\n", "line 2: stalled must be 0 or 1"},
        {head + "\n" + good, "line 2: empty line"},
    };
    for (const Case& c : cases) {
        const auto r = ReadPolarTable(c.text);
        ASSERT_FALSE(r.ok()) << c.text;
        EXPECT_EQ(r.status().kind(), ErrorKind::BadFile);
        EXPECT_EQ(r.status().message().rfind(c.message, 0), 0u) << r.status().message() << " for\n" << c.text;
    }
    // A header alone is a table without polars.
    const auto empty = ReadPolarTable(head);
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty->empty());
}

} // namespace
} // namespace ribcraft
