// The fill rule of the raster output: pieces that share an edge in the page's
// units share it in pixels, also where one piece's corner lies on a
// neighbour's edge, so a mosaic of pieces has neither cracks nor pixels drawn
// twice.

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <tuple>
#include <vector>

#include "levels/TriangleBands.h"
#include "qtplay/SpanFill.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/Playback.h"

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

// The band pieces of a whole mesh, as the map records them and the raster
// output plays them: a jittered grid cut into triangles, every vertex shared
// by several, with levels crossing most of them. Every pixel centre inside
// the grid's outline is covered exactly once - no pinhole where rounded split
// points would leave a sliver between two triangles, nothing drawn twice.
class MeshPieces : public testing::TestWithParam<std::tuple<double, std::int32_t>> {};

// Counts each pixel a polygon covers, by the raster output's rule, taking
// the exact corners as the raster output does.
class CoverageSink final : public gdi::PlaybackSink {
 public:
  explicit CoverageSink(Coverage& coverage) : m_coverage(coverage) {}
  void setPen(const gdi::LOGPEN&, double) override {}
  void setBrush(const gdi::LOGBRUSH&) override {}
  void setFont(const gdi::LOGFONT&, double) override {}
  void polygon(std::span<const PointF> points) override { m_coverage.add(points); }
  void polyline(std::span<const PointF>) override {}
  void line(PointF, PointF) override {}
  void text(const gdi::TextRun&) override {}
  void clip(std::span<const PointF>) override {}
  bool takesExactCorners() const override { return true; }

 private:
  Coverage& m_coverage;
};

TEST_P(MeshPieces, TileTheMeshWithoutPinholesOrOverlaps) {
  const auto [dpi, levels] = GetParam();
  constexpr int kCells = 12;
  const std::int32_t spacing = static_cast<std::int32_t>((kSize - 4) * 2540.0 / dpi / kCells);
  std::mt19937 rng(static_cast<unsigned>(dpi) * 31u + static_cast<unsigned>(levels));
  std::uniform_int_distribution<std::int32_t> jitter(-spacing / 4, spacing / 4);
  std::uniform_real_distribution<double> level(0.0, 1.0);
  // Vertices (i, j); the outline's stay on the grid's edges so it is convex.
  std::vector<MapVertex> grid;
  for (int j = 0; j <= kCells; ++j) {
    for (int i = 0; i <= kCells; ++i) {
      const bool inner = i > 0 && i < kCells && j > 0 && j < kCells;
      grid.push_back(
          MapVertex{i * spacing + (inner ? jitter(rng) : 0), j * spacing + (inner ? jitter(rng) : 0), level(rng)});
    }
  }
  const auto at = [&](int i, int j) { return grid[static_cast<std::size_t>(j * (kCells + 1) + i)]; };

  gdi::DeviceContext map = gdi::CreateEnhMetaFileA(gdi::RECT{0, -kCells * spacing, kCells * spacing, 0});
  map.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  const LevelSteps steps(levels);
  const auto draw = [&](MapVertex a, MapVertex b, MapVertex c) {
    // Highest first, equal levels in mesh order.
    if (a.z < b.z) std::swap(a, b);
    if (a.z < c.z) std::swap(a, c);
    if (b.z < c.z) std::swap(b, c);
    ForEachBandPiece(SortedTriangle{a, b, c}, steps,
                     [&](const BandPiece& piece, const ExactPiece& exact, std::int32_t) {
                       std::array<gdi::POINT, 4> rounded;
                       std::array<PointF, 4> corners;
                       for (std::size_t k = 0; k < 4; ++k) {
                         rounded[k] = gdi::POINT{piece[k].x, piece[k].y};
                         corners[k] = PointF{exact[k].x, exact[k].y};
                       }
                       map.Polygon(rounded, corners);
                     });
  };
  std::bernoulli_distribution diagonal(0.5);
  for (int j = 0; j < kCells; ++j) {
    for (int i = 0; i < kCells; ++i) {
      if (diagonal(rng)) {
        draw(at(i, j), at(i + 1, j), at(i + 1, j + 1));
        draw(at(i, j), at(i + 1, j + 1), at(i, j + 1));
      } else {
        draw(at(i, j), at(i + 1, j), at(i, j + 1));
        draw(at(i + 1, j), at(i + 1, j + 1), at(i, j + 1));
      }
    }
  }
  const gdi::EnhMetaFile picture = gdi::CloseEnhMetaFile(map);

  // Off the pixel grid by a fraction, as a page's map square is.
  const double side = kCells * spacing * dpi / 2540.0;
  const gdi::RectF target{1.37, 1.61, 1.37 + side, 1.61 + side};
  Coverage pieces;
  CoverageSink sink(pieces);
  gdi::PlayPicture(picture, target, sink);
  Coverage outline;
  outline.add(std::array{PointF{target.left, target.top}, PointF{target.right, target.top},
                         PointF{target.right, target.bottom}, PointF{target.left, target.bottom}});
  int wrong = 0;
  for (std::size_t p = 0; p < pieces.count().size(); ++p) wrong += pieces.count()[p] != outline.count()[p];
  EXPECT_EQ(wrong, 0);
}

INSTANTIATE_TEST_SUITE_P(ResolutionsAndLevels, MeshPieces,
                         testing::Combine(testing::Values(96.0, 300.0), testing::Values(7, 30)));

}  // namespace
}  // namespace plotvane::qtplay
