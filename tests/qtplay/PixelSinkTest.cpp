// The direct raster path: which pixels fills and thin lines cover, patterns,
// clipping at the image, what goes to the QPainter output, and agreement
// with drawing the same picture through QPainter.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <random>

#include "TraceSink.h"
#include "qtplay/PixelSink.h"
#include "qtplay/QtPlayer.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"

namespace plotvane::qtplay {
namespace {

using gdi::PointF;

constexpr gdi::LOGPEN kNoPen{gdi::PenStyle::PS_NULL, 0, 0};
constexpr gdi::LOGPEN kThinPen{gdi::PenStyle::PS_SOLID, 20, gdi::RGB(0, 0, 0)};
const gdi::LOGBRUSH kBlue{gdi::BrushStyle::BS_SOLID, gdi::RGB(0, 0, 255), {}};

class Pixels : public ::testing::Test {
 protected:
  Pixels() : image(48, 48, QImage::Format_RGB32) { image.fill(Qt::white); }

  PixelSink sink(double patternScale = 1.0) { return PixelSink(image, trace, patternScale); }
  // The covered pixels as a picture: one string per row, '#' covered.
  std::vector<std::string> rows(int width, int height) const {
    std::vector<std::string> found;
    for (int y = 0; y < height; ++y) {
      std::string row;
      for (int x = 0; x < width; ++x) row += image.pixel(x, y) == qRgb(255, 255, 255) ? '.' : '#';
      found.push_back(row);
    }
    return found;
  }
  int covered() const {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) n += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return n;
  }

  QImage image;
  test::TraceSink trace;
};

TEST_F(Pixels, AFillCoversThePixelsWhoseCentresAreInside) {
  PixelSink s = sink();
  s.setPen(kNoPen, 0.0);
  s.setBrush(kBlue);
  const std::array<PointF, 3> triangle{PointF{2, 2}, PointF{12, 2}, PointF{2, 10}};
  s.polygon(triangle);
  const std::vector<std::string> expected{"..............", "..............", "..#########...", "..########....",
                                          "..#######.....", "..######......", "..####........", "..###.........",
                                          "..##..........", "..#...........", "..............", ".............."};
  EXPECT_EQ(rows(14, 12), expected);
  EXPECT_EQ(image.pixel(2, 2), qRgb(0, 0, 255));
}

TEST_F(Pixels, AFillTakesItsCornersExactlyAndCentresOnItsTopAndLeftEdges) {
  PixelSink s = sink();
  s.setPen(kNoPen, 0.0);
  s.setBrush(kBlue);
  // Centres on the top edge (y 1.5) and the left edge (x 1.5) are inside,
  // those on the bottom and right edges (y 3.5, x 4.5) outside.
  const std::array<PointF, 4> square{PointF{1.5, 1.5}, PointF{4.5, 1.5}, PointF{4.5, 3.5}, PointF{1.5, 3.5}};
  s.polygon(square);
  EXPECT_EQ(rows(6, 5), (std::vector<std::string>{"......", ".###..", ".###..", "......", "......"}));
  image.fill(Qt::white);
  // Corners a fraction of a pixel away are not moved onto a pixel corner.
  const std::array<PointF, 4> inner{PointF{1.6, 1.5}, PointF{4.4, 1.5}, PointF{4.4, 3.49}, PointF{1.6, 3.49}};
  s.polygon(inner);
  EXPECT_EQ(rows(6, 5), (std::vector<std::string>{"......", "..##..", "..##..", "......", "......"}));
}

TEST_F(Pixels, ThinLinesTakeThePixelTheyCrossAtEachColumnsCentre) {
  PixelSink s = sink();
  s.setPen(kThinPen, 0.76);
  s.line(PointF{2, 5}, PointF{10, 5});
  s.line(PointF{2, 7}, PointF{10, 10});
  s.line(PointF{12, 1}, PointF{14, 9});
  const std::vector<std::string> expected{"................", "............#...", "............#...",
                                          "............#...", "............#...", "..#########..#..",
                                          ".............#..", "..###........#..", ".....##......#..",
                                          ".......###....#.", "..........#.....", "................"};
  EXPECT_EQ(rows(16, 12), expected);
  EXPECT_TRUE(trace.lines.empty()) << "thin lines never reach the QPainter output";
}

TEST_F(Pixels, AZeroLengthLineIsADotAndACollapsedPieceNothing) {
  PixelSink s = sink();
  s.setPen(kThinPen, 0.76);
  s.setBrush(kBlue);
  s.line(PointF{3, 3}, PointF{3, 3});
  const std::array<PointF, 4> collapsed{PointF{7, 3}, PointF{7, 3}, PointF{7, 3}, PointF{7, 3}};
  s.polygon(collapsed);
  EXPECT_EQ(rows(9, 5), (std::vector<std::string>{".........", ".........", ".........", "...#.....", "........."}));
}

TEST_F(Pixels, PatternsTileFromTheOriginAtTheirScale) {
  const gdi::MonoPattern pattern{0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};  // a diagonal
  for (double scale : {1.0, 2.0}) {
    image.fill(Qt::white);
    PixelSink s = sink(scale);
    s.setPen(kNoPen, 0.0);
    s.setBrush(gdi::LOGBRUSH{gdi::BrushStyle::BS_PATTERN, 0, pattern});
    const std::array<PointF, 4> all{PointF{0, 0}, PointF{48, 0}, PointF{48, 48}, PointF{0, 48}};
    s.polygon(all);
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) {
        const int column = static_cast<int>(x / scale) % 8, row = static_cast<int>(y / scale) % 8;
        ASSERT_EQ(image.pixel(x, y) == qRgb(0, 0, 0), column == row) << x << "," << y << " at scale " << scale;
      }
    }
  }
}

TEST_F(Pixels, ShapesFarOutsideTheImageAreCutAtIt) {
  PixelSink s = sink();
  s.setPen(kThinPen, 0.76);
  s.setBrush(kBlue);
  const std::array<PointF, 4> huge{PointF{-1e9, -1e9}, PointF{1e9, -1e9}, PointF{1e9, 20}, PointF{-1e9, 20}};
  s.polygon(huge);
  s.line(PointF{-4e9, 30}, PointF{4e9, 30});
  EXPECT_EQ(covered(), 48 * 20 + 48 + 48) << "the fill, its lower edge and the line";
  EXPECT_EQ(image.pixel(47, 19), qRgb(0, 0, 255));
  EXPECT_EQ(image.pixel(47, 20), qRgb(0, 0, 0));
  EXPECT_EQ(image.pixel(0, 30), qRgb(0, 0, 0));
}

TEST_F(Pixels, WidePensAndTextGoToTheQPainterOutputWithTheirState) {
  PixelSink s = sink();
  s.setPen(kThinPen, 0.76);
  s.setBrush(kBlue);
  const std::array<PointF, 4> piece{PointF{2, 2}, PointF{6, 2}, PointF{6, 6}, PointF{2, 6}};
  s.polygon(piece);
  EXPECT_TRUE(trace.lines.empty());
  s.setPen(gdi::LOGPEN{gdi::PenStyle::PS_SOLID, 20, gdi::RGB(255, 0, 0)}, 2.36);
  s.polygon(piece);
  s.line(PointF{1, 1}, PointF{5, 1});
  gdi::TextRun run;
  run.text = "Z";
  s.text(run);
  EXPECT_EQ(trace.lines, (std::vector<std::string>{"pen solid 2.36 0000ff", "brush solid ff0000",
                                                   "polygon (2.00,2.00) (6.00,2.00) (6.00,6.00) (2.00,6.00)",
                                                   "line (1.00,1.00) (5.00,1.00)", "text left (0.00,0.00) Z"}));
}

// A map-like picture at 0.01 mm: pieces of all the shapes the renderer makes
// (four corners, a repeated first corner, a closing corner that repeats the
// first), most smaller than a pixel, outlined in their colour, without
// outline, or patterned; and there-and-back lines.
gdi::EnhMetaFile RandomPieces() {
  std::mt19937 rng(20261207);
  std::uniform_int_distribution<int> corner(1500, 8500), colour(0, 255), kind(0, 5);
  std::uniform_int_distribution<int> small(-150, 150), large(-1500, 1500);
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, -10000, 10000, 0});
  hdc.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  const gdi::HPEN none = gdi::CreatePen(gdi::PenStyle::PS_NULL, 0, gdi::RGB(255, 255, 255));
  const gdi::HBRUSH pattern = gdi::CreatePatternBrush({0x88, 0x22, 0x88, 0x22, 0x88, 0x22, 0x88, 0x22});
  for (int i = 0; i < 6000; ++i) {
    const gdi::COLORREF c = gdi::RGB(colour(rng), colour(rng), colour(rng));
    const gdi::HPEN pen = gdi::CreatePen(gdi::PenStyle::PS_SOLID, 20, c);
    const gdi::HBRUSH brush = gdi::CreateSolidBrush(c);
    const int shape = kind(rng);
    hdc.SelectObject(shape == 3 || shape == 4 ? gdi::HGDIOBJ(none) : gdi::HGDIOBJ(pen));
    hdc.SelectObject(shape == 4 ? gdi::HGDIOBJ(pattern) : gdi::HGDIOBJ(brush));
    auto near = [&](gdi::POINT p) {
      return i % 4 == 0 ? gdi::POINT{p.x + large(rng), p.y + large(rng)}
                        : gdi::POINT{p.x + small(rng), p.y + small(rng)};
    };
    const gdi::POINT a{corner(rng), corner(rng)};
    const gdi::POINT b = near(a), c2 = near(a), d = near(a);
    if (shape == 5) {
      hdc.MoveToEx(a.x, a.y);
      hdc.LineTo(b.x, b.y);
      hdc.LineTo(a.x, a.y);
    } else {
      const std::array<gdi::POINT, 4> quad = shape == 1   ? std::array{a, a, c2, d}
                                             : shape == 2 ? std::array{a, b, c2, a}
                                                          : std::array{a, b, c2, d};
      hdc.Polygon(quad);
    }
    gdi::DeleteObject(brush);
    gdi::DeleteObject(pen);
  }
  gdi::DeleteObject(pattern);
  gdi::DeleteObject(none);
  return gdi::CloseEnhMetaFile(hdc);
}

QImage Played(const gdi::EnhMetaFile& picture, bool direct, const QTransform& transform = {}) {
  QImage image(378, 378, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  painter.setTransform(transform);
  PlayOptions options;
  options.directPixels = direct;
  PlayEnhMetaFile(painter, picture, QRectF(0, 0, 378, 378), options);
  return image;
}

TEST(DirectPixels, GiveTheImageQPainterGives) {
  const gdi::EnhMetaFile picture = RandomPieces();
  const QImage direct = Played(picture, true);
  const QImage painted = Played(picture, false);
  int differing = 0, coloured = 0;
  for (int y = 0; y < direct.height(); ++y) {
    for (int x = 0; x < direct.width(); ++x) {
      differing += direct.pixel(x, y) != painted.pixel(x, y);
      coloured += painted.pixel(x, y) != qRgb(255, 255, 255);
    }
  }
  EXPECT_GT(coloured, 378 * 378 / 3);
  EXPECT_EQ(differing, 0) << "of " << coloured << " pixels drawn";
}

TEST(DirectPixels, APainterWithATransformDrawsThroughQPainter) {
  const gdi::EnhMetaFile picture = RandomPieces();
  const QTransform shifted = QTransform::fromTranslate(3, 5);
  EXPECT_EQ(Played(picture, true, shifted), Played(picture, false, shifted));
}

}  // namespace
}  // namespace plotvane::qtplay
