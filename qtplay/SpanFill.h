#pragma once
// The fill rule of the raster output: which pixels a polygon covers.
//
// A pixel is covered when its centre lies inside the polygon by the odd-even
// rule, the polygon taken with its exact corners, never rounded to whole
// pixels. On a row, an edge counts when the row's middle lies at or below its
// upper end and above its lower end (in image rows, y downward: from its top
// included to its bottom excluded); a pixel counts from the crossing on its
// left, its centre included, to the crossing on its right, excluded.
//
// So pieces that share an edge share it in pixels too: every pixel centre on
// either side of the edge goes to exactly one of them, and a piece whose
// corner lies on a neighbour's edge meets that edge without a crack. (Corners
// snapped one by one to whole pixels moved such a corner off the edge, and
// left hairline gaps in pattern fills, which have no outline to cover them.)
// Each edge is evaluated from its upper end downwards whichever way a piece
// runs round it, so that the two pieces beside it compute the same crossings
// to the last bit.

#include <span>
#include <vector>

#include "render/gdi/Playback.h"

namespace plotvane::qtplay {

class SpanFill {
 public:
  // Reports the covered pixels of the rows rowFrom <= y < rowTo as runs:
  // span(y, x0, x1) for x0 <= x < x1 (x0 < x1, not clipped to any width).
  // Corners beyond +-2^26 are held there.
  template <typename Span>
  void fill(std::span<const gdi::PointF> corners, int rowFrom, int rowTo, Span&& span) {
    int first = 0;
    int last = -1;
    collectEdges(corners, rowFrom, rowTo, first, last);
    for (int y = first; y <= last; ++y) {
      crossings(y);
      // Odd-even: inside from the first crossing to the second, the third to the fourth...
      for (std::size_t i = 0; i + 1 < m_crossings.size(); i += 2) {
        const int x0 = PixelFrom(m_crossings[i]);
        const int x1 = PixelFrom(m_crossings[i + 1]);
        if (x0 < x1) span(y, x0, x1);
      }
    }
  }

 private:
  struct Edge {
    double x;  // the upper end
    double y;
    double slope;  // dx per row
    int top;       // the first and last rows whose middles it crosses
    int bottom;
  };

  // The first pixel whose centre lies at or right of x.
  static int PixelFrom(double x);
  void collectEdges(std::span<const gdi::PointF> corners, int rowFrom, int rowTo, int& first, int& last);
  // The crossings of row y, sorted, in m_crossings.
  void crossings(int y);

  std::vector<Edge> m_edges;
  std::vector<double> m_crossings;
};

}  // namespace plotvane::qtplay
