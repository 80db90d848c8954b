// SPDX-License-Identifier: MIT
#include "io/RibFiles.h"

#include <cmath>

#include "io/NumberFormat.h"

namespace ribcraft {

namespace {

// Coordinates to a micro-unit, without "-0".
std::string number(double v) {
    if (std::abs(v) < 5e-7) v = 0;
    return FormatNumber(v, "0.0#####");
}

// Label texts come partly from the section name (which a coordinate file
// sets): keep them on one line of printable ASCII.
std::string printable(const std::string& text) {
    std::string out;
    for (const char c : text)
        out += (c >= 32 && c < 127) ? c : '?';
    return out;
}

std::string xmlEscaped(const std::string& text) {
    std::string out;
    for (const char c : printable(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// DXF group code and value lines, group codes right-aligned in three columns.
class DxfText {
public:
    DxfText& operator()(int code, const std::string& value) {
        std::string c = std::to_string(code);
        if (c.size() < 3) c.insert(0, 3 - c.size(), ' ');
        m_text.append(c).append("\r\n").append(value).append("\r\n");
        return *this;
    }
    DxfText& operator()(int code, double value) { return (*this)(code, number(value)); }
    DxfText& operator()(int code, int value) { return (*this)(code, std::to_string(value)); }
    const std::string& str() const { return m_text; }

private:
    std::string m_text;
};

void dxfPolyline(DxfText& dxf, const Loop& loop, const char* layer) {
    dxf(0, "POLYLINE")(8, layer)(66, 1)(10, 0.0)(20, 0.0)(30, 0.0)(70, 1); // 70 = 1: closed
    for (const Point2& p : loop)
        dxf(0, "VERTEX")(8, layer)(10, p.x)(20, p.y)(30, 0.0);
    dxf(0, "SEQEND")(8, layer);
}

void svgPath(std::string& svg, const Loop& loop, double height) {
    if (loop.empty()) return;
    svg += "    <path d=\"M";
    for (size_t i = 0; i < loop.size(); ++i)
        svg += (i ? " L" : "") + std::string(" ") + number(loop[i].x) + " " + number(height - loop[i].y);
    svg += " Z\"/>\n";
}

} // namespace

const char* RibUnitName(RibUnit unit) {
    switch (unit) {
    case RibUnit::Centimetres:
        return "cm";
    case RibUnit::Millimetres:
        return "mm";
    default:
        return "in";
    }
}

std::string RibDxfText(const RibDrawing& d) {
    DxfText dxf;
    dxf(999, std::string("Wing ribs, drawing units: ") + RibUnitName(d.unit));
    dxf(0, "SECTION")(2, "HEADER");
    dxf(9, "$ACADVER")(1, "AC1009");
    dxf(9, "$EXTMIN")(10, 0.0)(20, 0.0)(30, 0.0);
    dxf(9, "$EXTMAX")(10, d.width)(20, d.height)(30, 0.0);
    dxf(0, "ENDSEC");
    dxf(0, "SECTION")(2, "TABLES");
    dxf(0, "TABLE")(2, "LTYPE")(70, 1);
    dxf(0, "LTYPE")(2, "CONTINUOUS")(70, 0)(3, "Solid line")(72, 65)(73, 0)(40, 0.0);
    dxf(0, "ENDTAB");
    // Colours: outline white/black (7), inset red (1), labels blue (5).
    dxf(0, "TABLE")(2, "LAYER")(70, 3);
    for (const auto& [name, colour] : {std::pair{"outline", 7}, std::pair{"inset", 1}, std::pair{"labels", 5}})
        dxf(0, "LAYER")(2, name)(70, 0)(62, colour)(6, "CONTINUOUS");
    dxf(0, "ENDTAB");
    dxf(0, "TABLE")(2, "STYLE")(70, 1);
    dxf(0, "STYLE")(2, "STANDARD")(70, 0)(40, 0.0)(41, 1.0)(50, 0.0)(71, 0)(42, 0.2)(3, "txt")(4, "");
    dxf(0, "ENDTAB");
    dxf(0, "ENDSEC");
    dxf(0, "SECTION")(2, "ENTITIES");
    for (const RibDrawing::Rib& rib : d.ribs) {
        for (const Loop& loop : rib.outline)
            dxfPolyline(dxf, loop, "outline");
        for (const Loop& loop : rib.inset)
            dxfPolyline(dxf, loop, "inset");
        dxf(0, "TEXT")(8, "labels")(10, rib.label.x)(20, rib.label.y)(30, 0.0)(40, rib.label.height);
        dxf(1, printable(rib.label.text));
    }
    dxf(0, "ENDSEC");
    dxf(0, "EOF");
    return dxf.str();
}

std::string RibSvgText(const RibDrawing& d) {
    const std::string unit = RibUnitName(d.unit);
    // A hairline for the cutter: 0.1 mm in the drawing's unit.
    const double stroke = d.unit == RibUnit::Inches ? 0.1 / 25.4 : d.unit == RibUnit::Centimetres ? 0.01 : 0.1;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" "
           "xmlns:inkscape=\"http://www.inkscape.org/namespaces/inkscape\" version=\"1.1\" width=\"" +
           number(d.width) + unit + "\" height=\"" + number(d.height) + unit + "\" viewBox=\"0 0 " + number(d.width) +
           " " + number(d.height) + "\">\n";
    svg += "  <title>Wing ribs (drawing units: " + unit + ")</title>\n";
    auto layer = [&](const char* name, const char* colour, bool labels) {
        svg += std::string("  <g id=\"") + name + "\" inkscape:groupmode=\"layer\" inkscape:label=\"" + name + "\" ";
        if (labels)
            svg += std::string("fill=\"") + colour + "\" stroke=\"none\" font-family=\"sans-serif\">\n";
        else
            svg += std::string("fill=\"none\" stroke=\"") + colour + "\" stroke-width=\"" + number(stroke) +
                   "\" stroke-linejoin=\"round\">\n";
    };
    layer("outline", "#000000", false);
    for (const RibDrawing::Rib& rib : d.ribs)
        for (const Loop& loop : rib.outline)
            svgPath(svg, loop, d.height);
    svg += "  </g>\n";
    layer("inset", "#ff0000", false);
    for (const RibDrawing::Rib& rib : d.ribs)
        for (const Loop& loop : rib.inset)
            svgPath(svg, loop, d.height);
    svg += "  </g>\n";
    layer("labels", "#0000ff", true);
    for (const RibDrawing::Rib& rib : d.ribs) {
        // font-size is the em height; capitals are about 0.7 of it.
        svg += "    <text x=\"" + number(rib.label.x) + "\" y=\"" + number(d.height - rib.label.y) + "\" font-size=\"" +
               number(rib.label.height / 0.7) + "\">" + xmlEscaped(rib.label.text) + "</text>\n";
    }
    svg += "  </g>\n</svg>\n";
    return svg;
}

} // namespace ribcraft
