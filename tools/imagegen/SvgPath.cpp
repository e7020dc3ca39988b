#include "tools/imagegen/SvgPath.h"

#include <cmath>
#include <cstdio>

namespace {

// Six decimals without trailing zeros; never "-0".
std::string Number(double v) {
    if (std::fabs(v) < 5e-7) v = 0.0;
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", v);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

std::string Point(Vec2 p) {
    return Number(p.x) + " " + Number(p.y);
}

}  // namespace

std::string SvgPathData(const Outline& outline) {
    std::string d;
    for (const Contour& contour : outline.contours) {
        if (contour.empty()) continue;
        if (!d.empty()) d += "\n";
        d += "M" + Point(contour.front().from);
        for (size_t k = 0; k < contour.size(); ++k) {
            const Segment& s = contour[k];
            // The closing line back to the start is what Z draws.
            if (!s.quadratic && k + 1 == contour.size()) break;
            if (s.quadratic) {
                d += " Q" + Point(s.control) + " " + Point(s.to);
            } else {
                d += " L" + Point(s.to);
            }
        }
        d += " Z";
    }
    return d;
}

std::string SvgDocument(const Outline& outline, int width, int height) {
    const std::string w = std::to_string(width);
    const std::string h = std::to_string(height);
    std::string svg;
    svg += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h +
           "\" viewBox=\"0 0 " + w + " " + h + "\">\n";
    svg += "<rect width=\"" + w + "\" height=\"" + h + "\" fill=\"black\"/>\n";
    svg += "<path fill=\"white\" fill-rule=\"nonzero\" d=\"" + SvgPathData(outline) + "\"/>\n";
    svg += "</svg>\n";
    return svg;
}
