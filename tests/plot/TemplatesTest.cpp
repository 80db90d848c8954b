// SPDX-License-Identifier: MIT
// Printed rib templates on a recording printer of 8.5 x 11 inches at 100 dpi
// (the recording font makes the height of "c" 16 pixels, 0.16 inch).

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "TestSection.h"
#include "plot/RecordingSurface.h"
#include "plot/Templates.h"

namespace ribcraft {
namespace {

// A recording printer that remembers where each page begins.
class PagedPrinter : public RecordingSurface {
public:
    explicit PagedPrinter(int width = 850, int height = 1100) : RecordingSurface(width, height, true, 100) {}
    void NewPage() override {
        pageStarts.push_back(items().size());
        RecordingSurface::NewPage();
    }
    // 0-based page of the item at index i.
    int pageOf(size_t i) const {
        return static_cast<int>(std::upper_bound(pageStarts.begin(), pageStarts.end(), i) - pageStarts.begin());
    }
    std::vector<size_t> pageStarts;
};

struct Labels {
    std::vector<std::string> text;
    std::vector<double> x; // page x of the label
    std::vector<int> page;
};

Labels labelsOf(const PagedPrinter& p) {
    Labels l;
    const auto& items = p.items();
    for (size_t i = 0; i < items.size(); ++i) {
        if (items[i].kind != RecordingSurface::Kind::Text || !items[i].text.starts_with("|__ ")) continue;
        l.text.push_back(items[i].text);
        l.x.push_back(items[i].x1);
        l.page.push_back(p.pageOf(i));
    }
    return l;
}

// Lines of a style outside the calibration band at the right of the page.
std::vector<RecordingSurface::Item> linesOfStyle(const PagedPrinter& p, int style) {
    const double band = p.ScaleWidth() - CalibrationBand(p.ScaleMode() == ScaleCentimetres);
    std::vector<RecordingSurface::Item> out;
    for (const auto& it : p.lines())
        if (it.pen.style == style && std::min(it.x1, it.x2) < band) out.push_back(it);
    return out;
}

struct Range {
    double lo = std::numeric_limits<double>::infinity(), hi = -std::numeric_limits<double>::infinity();
    void add(double v) { lo = std::min(lo, v), hi = std::max(hi, v); }
};

constexpr double Thickness = 0.12; // of the test ellipse
constexpr double C = 0.16;         // height of "c" in inches on the recording printer

struct Templates : ::testing::Test {
    SharedState st;
    void SetUp() override {
        test::FillEllipse(st, 30, Thickness);
        st.Texts.SectionName = "0012";
    }
    TemplateJob job(double root, double tip, double sections, double skin = 0) const {
        TemplateJob j;
        j.RootChord = root, j.TipChord = tip, j.Sections = sections, j.SkinThickness = skin;
        return j;
    }
};

TEST_F(Templates, OneSectionOfSixInchesPrintsOneTemplateAtTrueSizeWithTheExactLabel) {
    PagedPrinter p;
    const CommandResult r = PrintTemplates(p, st, job(6, 6, 1));
    ASSERT_TRUE(r.ok()) << r.message();
    EXPECT_EQ(p.pageCount(), 1);
    const Labels l = labelsOf(p);
    ASSERT_EQ(l.text.size(), 1u);
    EXPECT_EQ(l.text[0], "|__ 0012 Airfoil #1: chord = 6.00 in.;  span location = 0.0 %  Page 1");
    EXPECT_NEAR(l.x[0], C, 1e-12);
    const auto* label = p.findText(l.text[0]);
    EXPECT_EQ(label->font.angle, -90);
    EXPECT_NEAR(label->font.pixelHeight, -8.0 * 20 / 14.4, 1e-9); // 8 points at 100 dpi

    // The solid outline: the chord runs down the page from 0 to 6 inches, the
    // thickness across it, starting 1.5 text heights from the left edge.
    Range down, across;
    const auto solid = linesOfStyle(p, DrawSolid);
    ASSERT_EQ(solid.size(), static_cast<size_t>(st.PointCount)); // closed loop of PointCount + 1 points
    for (const auto& ln : solid) {
        down.add(ln.y1), down.add(ln.y2);
        across.add(ln.x1), across.add(ln.x2);
        EXPECT_EQ(ln.pen.color, QBColor(0));
    }
    EXPECT_NEAR(down.lo, 0, 1e-6);
    EXPECT_NEAR(down.hi, 6, 1e-5);
    EXPECT_NEAR(across.lo, 1.5 * C, 1e-6);
    EXPECT_NEAR(across.hi - across.lo, 6 * Thickness, 1e-5);
    // The loop is closed: the last segment ends where the first begins.
    EXPECT_DOUBLE_EQ(solid.back().x2, solid.front().x1);
    EXPECT_DOUBLE_EQ(solid.back().y2, solid.front().y1);
    EXPECT_EQ(linesOfStyle(p, DrawDash).size(), solid.size());
}

TEST_F(Templates, TaperedWingGivesLinearChordsSpanStationsAndStackedTemplates) {
    PagedPrinter p;
    ASSERT_TRUE(PrintTemplates(p, st, job(10, 5, 3)).ok());
    const Labels l = labelsOf(p);
    ASSERT_EQ(l.text.size(), 3u);
    EXPECT_EQ(l.text[0], "|__ 0012 Airfoil #1: chord = 10.00 in.;  span location = 0.0 %  Page 1");
    EXPECT_EQ(l.text[1], "|__ 0012 Airfoil #2: chord = 7.50 in.;  span location = 50.0 %  Page 1");
    EXPECT_EQ(l.text[2], "|__ 0012 Airfoil #3: chord = 5.00 in.;  span location = 100.0 %  Page 1");
    EXPECT_EQ(p.pageCount(), 1);
    // Each template's band starts after the previous one's thickness plus the 0.25 in gap.
    EXPECT_NEAR(l.x[1] - l.x[0], 10 * Thickness + 0.25, 1e-5);
    EXPECT_NEAR(l.x[2] - l.x[1], 7.5 * Thickness + 0.25, 1e-5);
    EXPECT_DOUBLE_EQ(TemplateChord(10, 5, 3, 2), 7.5);
    EXPECT_DOUBLE_EQ(TemplateChord(10, 5, 1, 1), 10);
    EXPECT_DOUBLE_EQ(TemplateSpan(4, 2), 100.0 / 3);
}

TEST_F(Templates, RootLongerThanThePagePrintsEveryStripOnItsOwnPage) {
    PagedPrinter p;
    const double root = 25; // Int(25 / 11) + 1 = 3 strips
    ASSERT_TRUE(PrintTemplates(p, st, job(root, 20, 2)).ok());
    EXPECT_EQ(p.pageCount(), 3);
    const Labels l = labelsOf(p);
    ASSERT_EQ(l.text.size(), 6u); // every strip repeats both sections
    for (size_t k = 0; k < l.text.size(); ++k) {
        const int strip = static_cast<int>(k / 2);
        EXPECT_EQ(l.page[k], strip);
        EXPECT_TRUE(l.text[k].ends_with(" %  Page " + std::to_string(strip + 1))) << l.text[k];
    }
    // Strip p shows the chord shifted up by p page heights.
    std::vector<Range> down(3);
    const auto& items = p.items();
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& it = items[i];
        if (it.kind != RecordingSurface::Kind::Line || it.pen.style != DrawSolid || it.x1 > 7.5)
            continue; // not the bar
        down[p.pageOf(i)].add(it.y1);
    }
    for (int strip = 0; strip < 3; ++strip) {
        EXPECT_NEAR(down[strip].lo, -11.0 * strip, 1e-5);
        EXPECT_NEAR(down[strip].hi, root - 11.0 * strip, 1e-4);
    }
}

TEST_F(Templates, FullRowContinuesOnANewPageWithoutBlankPages) {
    PagedPrinter p;
    const int n = 10;
    ASSERT_TRUE(PrintTemplates(p, st, job(6, 6, n)).ok());
    // A template of chord c takes c * 0.12 + 0.25 in; after k of them the row
    // is full when k (c * 0.12 + 0.25) + c * 0.12 + 0.16 > 8.5.
    auto fullAfter = [](double chord) {
        int k = 1;
        while (!(k * (chord * Thickness + 0.25) + chord * Thickness + C > 8.5 - 1)) // 1 in for the bar
            ++k;
        return k;
    };
    const double step = 6 * Thickness + 0.25;
    const int perPage = fullAfter(6);
    const Labels l = labelsOf(p);
    ASSERT_EQ(l.text.size(), static_cast<size_t>(n));
    for (int k = 0; k < n; ++k) {
        EXPECT_EQ(l.page[k], k / perPage);
        EXPECT_NEAR(l.x[k], (k % perPage) * step + C, 1e-5);
    }
    EXPECT_EQ(p.pageCount(), (n + perPage - 1) / perPage);

    // A row that fills up with the last section of a strip starts no empty page.
    PagedPrinter q;
    ASSERT_TRUE(PrintTemplates(q, st, job(12, 12, fullAfter(12))).ok()); // 2 strips of one full row
    EXPECT_EQ(q.pageCount(), 2);
    for (int page : labelsOf(q).page)
        EXPECT_LT(page, 2);
}

TEST_F(Templates, CentimetresUseTheirOwnUnitTextGapAndScale) {
    PagedPrinter p;
    TemplateJob j = job(15, 10, 2);
    j.Centimetres = true;
    ASSERT_TRUE(PrintTemplates(p, st, j).ok());
    const Labels l = labelsOf(p);
    ASSERT_EQ(l.text.size(), 2u);
    EXPECT_EQ(l.text[0], "|__ 0012 Airfoil #1: chord = 15.00 cm.;  span location = 0.0 %  Page 1");
    EXPECT_EQ(l.text[1], "|__ 0012 Airfoil #2: chord = 10.00 cm.;  span location = 100.0 %  Page 1");
    EXPECT_EQ(p.ScaleMode(), ScaleCentimetres);
    EXPECT_NEAR(l.x[1] - l.x[0], 15 * Thickness + 1, 1e-5); // 1 cm gap
    Range down;
    for (const auto& ln : linesOfStyle(p, DrawSolid))
        down.add(ln.y1);
    EXPECT_NEAR(down.hi - down.lo, 15, 1e-4);
}

TEST_F(Templates, PrintedInsetRunsSkinInsideTheOutlineAndEndsBeforeTheTrailingEdge) {
    PagedPrinter p;
    const double skin = 0.2; // the 6-in ellipse is 0.72 in thick
    ASSERT_TRUE(PrintTemplates(p, st, job(6, 6, 1, skin)).ok());
    Loop outline;
    for (const auto& ln : linesOfStyle(p, DrawSolid))
        outline.push_back({ln.x1, ln.y1});
    const auto dashed = linesOfStyle(p, DrawDash);
    ASSERT_GT(dashed.size(), 10u);
    Loop inset;
    double first = INFINITY, last = -INFINITY; // along the chord
    for (const auto& ln : dashed) {
        inset.push_back({ln.x1, ln.y1});
        EXPECT_NEAR(DistanceToLoop(outline, {ln.x1, ln.y1}), skin, 0.01 * skin);
        EXPECT_TRUE(InsideLoop(outline, {ln.x1, ln.y1}));
        first = std::min(first, ln.y1), last = std::max(last, ln.y1);
    }
    EXPECT_FALSE(LoopSelfIntersects(inset));
    // It ends where the ellipse is 0.4 in thick: 3 (1 -+ sqrt(1 - (0.2 / 0.36)^2)) from the leading edge,
    // less the small rounding of the ellipse's curvature.
    const double reach = 3 * std::sqrt(1 - std::pow(0.2 / 0.36, 2));
    EXPECT_NEAR(first, 3 - reach, 0.1);
    EXPECT_NEAR(last, 3 + reach, 0.1);
    // A chord of 0 without skin still prints its label and only finite coordinates.
    PagedPrinter z;
    ASSERT_TRUE(PrintTemplates(z, st, job(0, 0, 1, 0)).ok());
    EXPECT_EQ(labelsOf(z).text.size(), 1u);
    for (const auto& ln : z.lines())
        EXPECT_TRUE(std::isfinite(ln.x1) && std::isfinite(ln.y1) && std::isfinite(ln.x2) && std::isfinite(ln.y2));
}

TEST_F(Templates, JobsThatCannotBePrintedDrawNothingAndSaySo) {
    struct Case {
        TemplateJob job;
        const char* words;
    };
    TemplateJob cm = job(6, 6, 1);
    const std::vector<Case> cases = {
        {job(6, 6, 0), "Number of Sections"},     // a count of 0, or a text that is not a number
        {job(6, 6, -2), "Number of Sections"},    //
        {job(-6, 6, 1), "negative"},              //
        {job(6, -1, 3), "negative"},              //
        {job(1000, 1000, 1), "pages"},            // 91 strips
        {job(6, 6, 100000), "pages"},             // far too many sections
        {job(std::nan(""), 6, 1), "not numbers"}, //
        {job(6, 6, 1, -0.1), "cannot be negative"},
        {job(6, 2, 3, 0.15), "The skin of 0.15 in. is too thick for Airfoil #3 (chord = 2.00 in.)"},
        {job(0, 0, 1, 0.05), "too thick for Airfoil #1"},
    };
    for (const Case& c : cases) {
        PagedPrinter p;
        const CommandResult r = PrintTemplates(p, st, c.job);
        EXPECT_FALSE(r.ok());
        EXPECT_NE(r.message().find(c.words), std::string::npos) << r.message();
        EXPECT_NE(r.message().find("nothing was printed"), std::string::npos) << r.message();
        EXPECT_TRUE(p.items().empty()) << r.message();
        EXPECT_EQ(p.pageCount(), 1) << r.message();
    }
    // A printer that reports no page height.
    struct Flat : PagedPrinter {
        double deviceHeight() const override { return 0; }
    } flat;
    const CommandResult r = PrintTemplates(flat, st, cm);
    EXPECT_FALSE(r.ok());
    EXPECT_NE(r.message().find("printable area"), std::string::npos) << r.message();
    EXPECT_TRUE(flat.items().empty());
    // Not on a picture area, and not without a section.
    RecordingSurface screen(850, 1100, false, 100);
    EXPECT_FALSE(PrintTemplates(screen, st, cm).ok());
    EXPECT_TRUE(screen.items().empty());
    SharedState empty;
    PagedPrinter p;
    EXPECT_FALSE(PrintTemplates(p, empty, cm).ok());
    EXPECT_TRUE(p.items().empty());
}

// The bar's line and its ticks on one page: the vertical line in the band,
// and every horizontal line that ends on it.
struct Bar {
    double top = 0, bottom = 0, x = 0;
    std::vector<double> ticks; // y of each tick
};

std::vector<Bar> barsOf(const PagedPrinter& p) {
    const double band = p.ScaleWidth() - CalibrationBand(p.ScaleMode() == ScaleCentimetres);
    std::vector<Bar> bars(static_cast<size_t>(p.pageCount()));
    const auto& items = p.items();
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& it = items[i];
        if (it.kind != RecordingSurface::Kind::Line || std::min(it.x1, it.x2) < band) continue;
        Bar& b = bars[static_cast<size_t>(p.pageOf(i))];
        if (it.x1 == it.x2) b.top = std::min(it.y1, it.y2), b.bottom = std::max(it.y1, it.y2), b.x = it.x1;
    }
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& it = items[i];
        Bar& b = bars[static_cast<size_t>(p.pageOf(i))];
        if (it.kind == RecordingSurface::Kind::Line && it.y1 == it.y2 && std::max(it.x1, it.x2) == b.x)
            b.ticks.push_back(it.y1);
    }
    return bars;
}

TEST_F(Templates, EveryPageCarriesATrueLengthCalibrationBarWithItsWords) {
    for (const bool cm : {false, true}) {
        PagedPrinter p;
        TemplateJob j = cm ? job(60, 60, 12) : job(25, 25, 12); // several strips and full rows
        j.Centimetres = cm;
        ASSERT_TRUE(PrintTemplates(p, st, j).ok());
        ASSERT_GT(p.pageCount(), 3);
        const double length = cm ? 10 : 5, step = cm ? 0.1 : 0.25;
        for (const Bar& b : barsOf(p)) {
            EXPECT_NEAR(b.bottom - b.top, length, 1e-12);
            ASSERT_EQ(b.ticks.size(), static_cast<size_t>(std::lround(length / step)) + 1);
            for (size_t k = 0; k < b.ticks.size(); ++k)
                EXPECT_NEAR(b.ticks[k] - b.top, k * step, 1e-12);
        }
        const std::string words = cm ? "Scale check: the bar from 0 to 10 must measure exactly 10 cm."
                                     : "Scale check: the bar from 0 to 5 must measure exactly 5 in.";
        int found = 0;
        for (const auto& it : p.items())
            found += it.text == words;
        EXPECT_EQ(found, p.pageCount());
    }
}

TEST_F(Templates, StripsOfALongChordCarryJoinMarksThatMeetAcrossTheEdge) {
    PagedPrinter p;
    ASSERT_TRUE(PrintTemplates(p, st, job(25, 15, 2)).ok()); // 3 strips; the 15-in tip needs two
    ASSERT_EQ(p.pageCount(), 3);
    std::vector<std::vector<std::string>> joins(3);
    std::vector<std::vector<std::pair<double, double>>> bottomTicks(3), topTicks(3); // x and the edge they touch
    const double band = p.ScaleWidth() - CalibrationBand(false);
    const auto& items = p.items();
    for (size_t i = 0; i < items.size(); ++i) {
        const auto& it = items[i];
        const size_t page = static_cast<size_t>(p.pageOf(i));
        if (it.text.starts_with("join to Page")) joins[page].push_back(it.text);
        if (it.kind != RecordingSurface::Kind::Line || it.x1 != it.x2 || it.x1 >= band || it.pen.style != DrawSolid)
            continue;
        if (std::max(it.y1, it.y2) == 11) bottomTicks[page].push_back({it.x1, std::abs(it.y2 - it.y1)});
        if (std::min(it.y1, it.y2) == 0) topTicks[page].push_back({it.x1, std::abs(it.y2 - it.y1)});
    }
    EXPECT_EQ(joins[0], (std::vector<std::string>{"join to Page 2", "join to Page 2"}));
    EXPECT_EQ(joins[1], (std::vector<std::string>{"join to Page 3", "join to Page 1", "join to Page 1"}));
    EXPECT_EQ(joins[2], (std::vector<std::string>{"join to Page 2"}));
    // The ticks at the foot of a page stand where those at the head of the next begin.
    for (int page = 0; page < 2; ++page) {
        ASSERT_FALSE(bottomTicks[page].empty());
        ASSERT_EQ(bottomTicks[page].size(), topTicks[page + 1].size());
        for (size_t k = 0; k < bottomTicks[page].size(); ++k) {
            EXPECT_DOUBLE_EQ(bottomTicks[page][k].first, topTicks[page + 1][k].first);
            EXPECT_DOUBLE_EQ(bottomTicks[page][k].second, 0.25);
        }
    }
    // A chord that fits on one page has none.
    PagedPrinter q;
    ASSERT_TRUE(PrintTemplates(q, st, job(10, 6, 3)).ok());
    for (const auto& it : q.items())
        EXPECT_FALSE(it.text.starts_with("join")) << it.text;
}

} // namespace
} // namespace ribcraft
