#include "tools/imagegen/CoverageRaster.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// A non-horizontal edge as the sweep sees it: from its upper end (smaller y) down.
struct SweepEdge {
    double yTop;
    double yBottom;
    double xTop;
    double dxdy;
    int direction;  // +1 when the edge runs towards larger y, -1 otherwise

    double XAt(double y) const { return xTop + (y - yTop) * dxdy; }
};

// Per-row accumulators: `cell` takes the part of a boundary's area that falls in the column
// it crosses, `carry` the full-height part it adds to every column right of it.
class RowAccumulator {
public:
    explicit RowAccumulator(int width)
        : m_width(width), m_cell(width, 0.0), m_carry(width + 1, 0.0) {}

    // Adds `sign` times the area right of the straight boundary from (xa, ya) to (xb, yb)
    // inside each cell of the row (the boundary lies within the row's y range).
    void AddBoundary(double xa, double ya, double xb, double yb, double sign) {
        const double h = yb - ya;
        if (h <= 0.0) return;
        const double lo = std::min(xa, xb);
        const double hi = std::max(xa, xb);
        if (hi == lo) {
            AddPiece(lo, lo, h, sign);
            return;
        }
        const double heightPerX = h / (hi - lo);
        // The part left of the grid lies left of every column.
        if (lo < 0.0) {
            const double end = std::min(hi, 0.0);
            m_carry[0] += sign * heightPerX * (end - lo);
        }
        // The part inside the grid, cut at every column boundary.
        double x = std::max(lo, 0.0);
        const double stop = std::min(hi, static_cast<double>(m_width));
        while (x < stop) {
            const double next = std::min(std::floor(x) + 1.0, stop);
            AddPiece(x, next, heightPerX * (next - x), sign);
            x = next;
        }
        // The part right of the grid covers no column.
    }

    // Writes the row's coverage into `out` (width values) and clears the accumulators.
    void Flush(double* out) {
        double running = 0.0;
        for (int i = 0; i < m_width; ++i) {
            running += m_carry[i];
            out[i] = std::clamp(m_cell[i] + running, 0.0, 1.0);
        }
        std::fill(m_cell.begin(), m_cell.end(), 0.0);
        std::fill(m_carry.begin(), m_carry.end(), 0.0);
    }

private:
    // A piece of boundary within one column, from x0 to x1, of height h.
    void AddPiece(double x0, double x1, double h, double sign) {
        const double mid = 0.5 * (x0 + x1);
        const int column = static_cast<int>(std::floor(mid));
        if (column < 0) {
            m_carry[0] += sign * h;
            return;
        }
        if (column >= m_width) return;
        // The area right of a straight piece inside the column is its height times the
        // distance from its midpoint to the column's right side.
        m_cell[column] += sign * h * (column + 1.0 - mid);
        m_carry[column + 1] += sign * h;
    }

    int m_width;
    std::vector<double> m_cell;
    std::vector<double> m_carry;
};

class Sweep {
public:
    Sweep(const std::vector<SweepEdge>& edges, RowAccumulator& row) : m_edges(edges), m_row(row) {}

    // One strip between ya and yb in which every active edge spans the whole height.
    void Strip(const std::vector<int>& active, double ya, double yb) {
        if (active.empty() || yb <= ya) return;
        const size_t n = active.size();
        m_xa.resize(n);
        m_xb.resize(n);
        for (size_t k = 0; k < n; ++k) {
            m_xa[k] = m_edges[active[k]].XAt(ya);
            m_xb[k] = m_edges[active[k]].XAt(yb);
        }
        SortByMiddle(n);
        // If the order at the top and at the bottom agree, no two edges cross inside.
        constexpr double kSlack = 1e-9;
        bool ordered = true;
        for (size_t k = 0; k + 1 < n && ordered; ++k) {
            const int p = m_order[k];
            const int q = m_order[k + 1];
            ordered = m_xa[p] <= m_xa[q] + kSlack && m_xb[p] <= m_xb[q] + kSlack;
        }
        if (ordered) {
            FillOrdered(active, ya, yb);
            return;
        }
        // Cut the strip at every crossing and fill the pieces one by one.
        std::vector<double> cuts;
        for (size_t p = 0; p < n; ++p) {
            for (size_t q = p + 1; q < n; ++q) {
                const double top = m_xa[p] - m_xa[q];
                const double bottom = m_xb[p] - m_xb[q];
                if ((top < 0.0 && bottom > 0.0) || (top > 0.0 && bottom < 0.0)) {
                    const double y = ya + (yb - ya) * (top / (top - bottom));
                    if (y > ya && y < yb) cuts.push_back(y);
                }
            }
        }
        std::sort(cuts.begin(), cuts.end());
        cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        double y0 = ya;
        for (double y1 : cuts) {
            Refill(active, y0, y1);
            y0 = y1;
        }
        Refill(active, y0, yb);
    }

private:
    void SortByMiddle(size_t n) {
        m_order.resize(n);
        std::iota(m_order.begin(), m_order.end(), 0);
        std::stable_sort(m_order.begin(), m_order.end(),
                         [&](int p, int q) { return m_xa[p] + m_xb[p] < m_xa[q] + m_xb[q]; });
    }

    void Refill(const std::vector<int>& active, double ya, double yb) {
        if (yb <= ya) return;
        const size_t n = active.size();
        for (size_t k = 0; k < n; ++k) {
            m_xa[k] = m_edges[active[k]].XAt(ya);
            m_xb[k] = m_edges[active[k]].XAt(yb);
        }
        SortByMiddle(n);
        FillOrdered(active, ya, yb);
    }

    // Walks the edges left to right; an edge where the winding number turns nonzero starts a
    // filled span, one where it returns to zero ends it.
    void FillOrdered(const std::vector<int>& active, double ya, double yb) {
        int winding = 0;
        for (int k : m_order) {
            const int before = winding;
            winding += m_edges[active[k]].direction;
            if (before == 0 && winding != 0) {
                m_row.AddBoundary(m_xa[k], ya, m_xb[k], yb, +1.0);
            } else if (before != 0 && winding == 0) {
                m_row.AddBoundary(m_xa[k], ya, m_xb[k], yb, -1.0);
            }
        }
    }

    const std::vector<SweepEdge>& m_edges;
    RowAccumulator& m_row;
    std::vector<double> m_xa;
    std::vector<double> m_xb;
    std::vector<int> m_order;
};

}  // namespace

std::vector<double> RasterizeCoverage(const std::vector<Edge>& edges, int width, int height) {
    std::vector<double> coverage;
    if (width <= 0 || height <= 0) return coverage;
    coverage.assign(static_cast<size_t>(width) * height, 0.0);

    std::vector<SweepEdge> sweepEdges;
    std::vector<double> stops;
    const double gridBottom = height;
    for (const Edge& e : edges) {
        if (e.a.y == e.b.y) continue;  // horizontal edges bound no span
        const bool down = e.a.y < e.b.y;
        const Vec2 top = down ? e.a : e.b;
        const Vec2 bottom = down ? e.b : e.a;
        if (bottom.y <= 0.0 || top.y >= gridBottom) continue;
        sweepEdges.push_back(
            {top.y, bottom.y, top.x, (bottom.x - top.x) / (bottom.y - top.y), down ? 1 : -1});
        if (top.y > 0.0) stops.push_back(top.y);
        if (bottom.y < gridBottom) stops.push_back(bottom.y);
    }
    for (int j = 0; j <= height; ++j) stops.push_back(j);
    std::sort(stops.begin(), stops.end());
    stops.erase(std::unique(stops.begin(), stops.end()), stops.end());

    std::vector<int> byTop(sweepEdges.size());
    std::iota(byTop.begin(), byTop.end(), 0);
    std::stable_sort(byTop.begin(), byTop.end(),
                     [&](int p, int q) { return sweepEdges[p].yTop < sweepEdges[q].yTop; });

    RowAccumulator row(width);
    Sweep sweep(sweepEdges, row);
    std::vector<int> active;
    size_t nextEdge = 0;
    int currentRow = 0;
    for (size_t s = 0; s + 1 < stops.size(); ++s) {
        const double ya = stops[s];
        const double yb = stops[s + 1];
        const int rowIndex = static_cast<int>(std::floor(ya));
        while (currentRow < rowIndex) {
            row.Flush(&coverage[static_cast<size_t>(currentRow) * width]);
            ++currentRow;
        }
        active.erase(std::remove_if(active.begin(), active.end(),
                                    [&](int e) { return sweepEdges[e].yBottom <= ya; }),
                     active.end());
        while (nextEdge < byTop.size() && sweepEdges[byTop[nextEdge]].yTop <= ya) {
            if (sweepEdges[byTop[nextEdge]].yBottom > ya) active.push_back(byTop[nextEdge]);
            ++nextEdge;
        }
        sweep.Strip(active, ya, yb);
    }
    while (currentRow < height) {
        row.Flush(&coverage[static_cast<size_t>(currentRow) * width]);
        ++currentRow;
    }
    return coverage;
}
