// The pixel-centre fill rule. See SpanFill.h.

#include "qtplay/SpanFill.h"

#include <algorithm>
#include <cmath>

namespace plotvane::qtplay {
namespace {

// Far beyond any image, and small enough that a row or column number fits
// an int after the arithmetic below.
constexpr double kCoordinateLimit = 1 << 26;

double Held(double v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }

// The first row whose middle lies at or below y.
int RowFrom(double y) { return static_cast<int>(std::ceil(y - 0.5)); }

}  // namespace

int SpanFill::PixelFrom(double x) { return static_cast<int>(std::ceil(x - 0.5)); }

void SpanFill::collectEdges(std::span<const gdi::PointF> corners, int rowFrom, int rowTo, int& first, int& last) {
  m_edges.clear();
  first = rowTo;
  last = rowFrom - 1;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    gdi::PointF a{Held(corners[i].x), Held(corners[i].y)};
    gdi::PointF b{Held(corners[(i + 1) % corners.size()].x), Held(corners[(i + 1) % corners.size()].y)};
    if (a.y == b.y) continue;  // crosses no row's middle
    if (a.y > b.y) std::swap(a, b);
    const int top = std::max(RowFrom(a.y), rowFrom);
    const int bottom = std::min(RowFrom(b.y), rowTo) - 1;
    if (top > bottom) continue;
    m_edges.push_back(Edge{a.x, a.y, (b.x - a.x) / (b.y - a.y), top, bottom});
    first = std::min(first, top);
    last = std::max(last, bottom);
  }
}

void SpanFill::crossings(int y) {
  m_crossings.clear();
  const double middle = y + 0.5;
  for (const Edge& e : m_edges) {
    if (y >= e.top && y <= e.bottom) m_crossings.push_back(e.x + (middle - e.y) * e.slope);
  }
  std::sort(m_crossings.begin(), m_crossings.end());
}

}  // namespace plotvane::qtplay
