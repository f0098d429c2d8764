// The fill rule of the raster output: pieces that share an edge in the page's
// units share it in pixels, also where one piece's corner lies on a
// neighbour's edge, so a mosaic of pieces has neither cracks nor pixels drawn
// twice.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <vector>

#include "qtplay/SpanFill.h"

namespace plotvane::qtplay {
namespace {

using gdi::PointF;
using Page = std::array<long long, 2>;  // a position in page units, y upward

constexpr int kSize = 160;  // the image, in pixels

class Coverage {
 public:
  // Adds one for every pixel the polygon covers.
  void add(std::span<const PointF> corners) {
    m_fill.fill(corners, 0, kSize, [this](int y, int x0, int x1) {
      for (int x = std::max(x0, 0); x < std::min(x1, kSize); ++x) ++m_count[static_cast<std::size_t>(y * kSize + x)];
    });
  }
  const std::vector<int>& count() const { return m_count; }

 private:
  SpanFill m_fill;
  std::vector<int> m_count = std::vector<int>(kSize * kSize, 0);
};

TEST(SpanFill, CentresOnTheTopAndLeftEdgesAreInside) {
  Coverage c;
  const std::array<PointF, 4> square{PointF{1.5, 1.5}, PointF{4.5, 1.5}, PointF{4.5, 3.5}, PointF{1.5, 3.5}};
  c.add(square);
  int covered = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool inside = x >= 1 && x <= 3 && y >= 1 && y <= 2;
      EXPECT_EQ(c.count()[static_cast<std::size_t>(y * kSize + x)], inside ? 1 : 0) << x << "," << y;
      covered += inside;
    }
  }
  EXPECT_EQ(covered, 6);
}

// Triangle A = P, Q, R and its neighbour B = Q, P, T across the edge P-Q;
// B is drawn as two pieces split at S, which lies exactly on P-Q in page
// units, while A keeps P-Q whole. Mapped onto pixels as the page is (0.01 mm
// units at 96 or 300 dots per inch, y downward), the three pieces must cover
// exactly the pixels of the outline P, R, Q, T, each once.
class TJunctions : public testing::TestWithParam<double> {};

TEST_P(TJunctions, SplitPiecesMeetTheWholeEdgeWithoutCrackOrOverlap) {
  const double pixelsPerUnit = GetParam() / 2540.0;
  const auto pixel = [&](const Page& p) {
    return PointF{3.25 + static_cast<double>(p[0]) * pixelsPerUnit,
                  kSize - 2.75 - static_cast<double>(p[1]) * pixelsPerUnit};
  };
  const long long span = static_cast<long long>((kSize - 8) / pixelsPerUnit);
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<long long> coordinate(0, span);
  std::uniform_int_distribution<long long> step(-60, 60);
  std::uniform_int_distribution<int> parts(2, 9);
  int cases = 0;
  while (cases < 400) {
    const Page P{coordinate(rng), coordinate(rng)};
    const int m = parts(rng);
    const Page Q{P[0] + m * step(rng) * 8, P[1] + m * step(rng) * 8};
    const Page R{coordinate(rng), coordinate(rng)};
    const Page T{coordinate(rng), coordinate(rng)};
    const auto side = [&](const Page& X) { return (Q[0] - P[0]) * (X[1] - P[1]) - (Q[1] - P[1]) * (X[0] - P[0]); };
    // R and T on opposite sides of P-Q, everything on the image.
    if (side(R) == 0 || side(T) == 0 || (side(R) > 0) == (side(T) > 0)) continue;
    if (Q[0] < 0 || Q[1] < 0 || Q[0] > span || Q[1] > span) continue;
    const int k = std::uniform_int_distribution<int>(1, m - 1)(rng);
    const Page S{P[0] + (Q[0] - P[0]) / m * k, P[1] + (Q[1] - P[1]) / m * k};
    ++cases;

    Coverage pieces;
    pieces.add(std::array{pixel(P), pixel(Q), pixel(R)});
    pieces.add(std::array{pixel(P), pixel(S), pixel(T)});
    pieces.add(std::array{pixel(S), pixel(Q), pixel(T)});
    Coverage outline;
    outline.add(std::array{pixel(P), pixel(R), pixel(Q), pixel(T)});
    ASSERT_EQ(pieces.count(), outline.count()) << "case " << cases;
  }
}

INSTANTIATE_TEST_SUITE_P(Resolutions, TJunctions, testing::Values(96.0, 300.0));

}  // namespace
}  // namespace plotvane::qtplay
