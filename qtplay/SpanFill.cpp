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
  if (corners.empty()) return;
  // Most pieces of a full map are smaller than a pixel and lie between two
  // rows' middles: no edge of theirs can cross a row's middle, and neither
  // can one of a piece beyond the rows asked for.
  double low = corners[0].y;
  double high = low;
  for (const gdi::PointF& c : corners) {
    low = std::min(low, c.y);
    high = std::max(high, c.y);
  }
  const int lowRow = RowFrom(Held(low));
  const int highRow = RowFrom(Held(high));
  if (lowRow >= highRow || highRow <= rowFrom || lowRow >= rowTo) return;
  for (std::size_t i = 0, previous = corners.size() - 1; i < corners.size(); previous = i++) {
    gdi::PointF a{Held(corners[previous].x), Held(corners[previous].y)};
    gdi::PointF b{Held(corners[i].x), Held(corners[i].y)};
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
