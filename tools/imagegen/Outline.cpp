#include "tools/imagegen/Outline.h"

#include <algorithm>

Vec2 Segment::PointAt(double t) const {
    if (!quadratic) return Lerp(from, to, t);
    const double u = 1.0 - t;
    return from * (u * u) + control * (2.0 * u * t) + to * (t * t);
}

Vec2 Segment::TangentAt(double t) const {
    if (!quadratic) return to - from;
    return (control - from) * (2.0 * (1.0 - t)) + (to - control) * (2.0 * t);
}

bool Outline::Empty() const {
    for (const Contour& c : contours) {
        if (!c.empty()) return false;
    }
    return true;
}

void OutlineBuilder::MoveTo(Vec2 p) {
    Close();
    m_start = p;
    m_pen = p;
    m_open = true;
}

void OutlineBuilder::LineTo(Vec2 p) {
    if (!m_open) MoveTo(m_pen);
    if (p != m_pen) m_current.push_back(Segment::Line(m_pen, p));
    m_pen = p;
}

void OutlineBuilder::QuadTo(Vec2 control, Vec2 p) {
    if (!m_open) MoveTo(m_pen);
    if (p == m_pen && control == m_pen) return;
    if (control == m_pen || control == p) {
        // A control point on an end point gives a straight line, traced non-uniformly.
        LineTo(p);
        return;
    }
    m_current.push_back(Segment::Quadratic(m_pen, control, p));
    m_pen = p;
}

void OutlineBuilder::Close() {
    if (!m_open) return;
    if (m_pen != m_start) m_current.push_back(Segment::Line(m_pen, m_start));
    if (!m_current.empty()) m_outline.contours.push_back(std::move(m_current));
    m_current.clear();
    m_pen = m_start;
    m_open = false;
}

Outline OutlineBuilder::Finish() {
    Close();
    Outline result = std::move(m_outline);
    m_outline = Outline();
    return result;
}

namespace {

void Include(Bounds& b, Vec2 p) {
    if (!b.valid) {
        b.min = p;
        b.max = p;
        b.valid = true;
        return;
    }
    b.min.x = std::min(b.min.x, p.x);
    b.min.y = std::min(b.min.y, p.y);
    b.max.x = std::max(b.max.x, p.x);
    b.max.y = std::max(b.max.y, p.y);
}

// Parameter of the extremum of one coordinate of a quadratic, if it lies inside (0, 1).
bool ExtremumParameter(double a, double c, double b, double* t) {
    const double denominator = a - 2.0 * c + b;
    if (denominator == 0.0) return false;
    const double s = (a - c) / denominator;
    if (s <= 0.0 || s >= 1.0) return false;
    *t = s;
    return true;
}

}  // namespace

Bounds OutlineBounds(const Outline& outline) {
    Bounds b;
    for (const Contour& contour : outline.contours) {
        for (const Segment& s : contour) {
            Include(b, s.from);
            Include(b, s.to);
            if (!s.quadratic) continue;
            double t = 0.0;
            if (ExtremumParameter(s.from.x, s.control.x, s.to.x, &t)) Include(b, s.PointAt(t));
            if (ExtremumParameter(s.from.y, s.control.y, s.to.y, &t)) Include(b, s.PointAt(t));
        }
    }
    return b;
}

Outline TransformOutline(const Outline& outline, Vec2 scale, Vec2 offset) {
    auto map = [&](Vec2 p) { return Vec2{scale.x * p.x + offset.x, scale.y * p.y + offset.y}; };
    Outline result;
    result.contours.reserve(outline.contours.size());
    for (const Contour& contour : outline.contours) {
        Contour mapped;
        mapped.reserve(contour.size());
        for (const Segment& s : contour) {
            Segment m = s;
            m.from = map(s.from);
            m.control = map(s.control);
            m.to = map(s.to);
            mapped.push_back(m);
        }
        result.contours.push_back(std::move(mapped));
    }
    return result;
}
