// The Qt player: pixels of fills, outlines, patterns and text on the screen
// image, font substitution and the Qt text measurer.

#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <array>
#include <cmath>

#include "DemoPage.h"
#include "qtplay/PageWriters.h"
#include "qtplay/QtFonts.h"
#include "qtplay/QtPlayer.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::qtplay {
namespace {

using namespace gdi;

// The screen pixel of a map point: the page geometry's own formula.
QPoint MapPixel(double mx, double my, double dpi = 96) {
  const double s = dpi / 96;
  return QPoint(static_cast<int>(std::floor((2300 + mx) * 597 / 15795 * s)),
                static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620 * s)));
}

QColor At(const QImage& image, QPoint p) { return image.pixelColor(p); }

bool PatternBlack(const MonoPattern& pattern, int x, int y) {
  return (pattern[static_cast<std::size_t>(y % 8)] >> (7 - x % 8) & 1) != 0;
}

// The quarter of the demo map filled with the pattern, in pixels, two pixels
// in from its edges (the contour line and the masks touch those).
QRect PatternArea(double dpi) {
  const QPoint topLeft = MapPixel(5000, 10000, dpi);
  const QPoint bottomRight = MapPixel(10000, 5000, dpi);
  return QRect(topLeft, bottomRight).adjusted(2, 2, -3, -3);
}

class ScreenImage : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { image = new QImage(renderImage(test::MakeDemoPage())); }
  static void TearDownTestSuite() { delete image; }
  static QImage* image;
};
QImage* ScreenImage::image = nullptr;

TEST_F(ScreenImage, HasTheNaturalSizeOfThePage) { EXPECT_EQ(image->size(), QSize(597, 477)); }

TEST_F(ScreenImage, SolidBandsShowTheirColours) {
  EXPECT_EQ(At(*image, MapPixel(2500, 2500)), QColor(0, 0, 255));
  EXPECT_EQ(At(*image, MapPixel(9900, 100)), QColor(0, 0, 255));
  EXPECT_EQ(At(*image, MapPixel(2500, 7500)), QColor(255, 0, 0));
  EXPECT_EQ(At(*image, QPoint(13500 * 597 / 15795, 200)), QColor(255, 0, 0)) << "the bar on the page";
}

TEST_F(ScreenImage, TheMapsSurroundIsWhite) {
  EXPECT_EQ(At(*image, MapPixel(10500, 5000)), QColor(Qt::white)) << "between the map and the bar";
  EXPECT_EQ(At(*image, MapPixel(5000, -300)), QColor(Qt::white)) << "below the map";
  EXPECT_EQ(At(*image, QPoint(5, 5)), QColor(Qt::white));
}

TEST_F(ScreenImage, TheMapEdgesLandOnTheirPixels) {
  // The square spans page x 2300..12300: screen x 86.9..464.9, so pixels 87..464.
  EXPECT_EQ(At(*image, MapPixel(0, 2500) + QPoint(1, 0)), QColor(0, 0, 255));
  EXPECT_EQ(At(*image, QPoint(86, MapPixel(0, 2500).y())), QColor(Qt::white));
  EXPECT_EQ(At(*image, QPoint(464, MapPixel(0, 2500).y())), QColor(0, 0, 255));
  EXPECT_EQ(At(*image, QPoint(465, MapPixel(0, 2500).y())), QColor(Qt::white));
}

TEST_F(ScreenImage, ThePatternShowsItsEightByEightArrangement) {
  const QRect area = PatternArea(96);
  int checked = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor expected = PatternBlack(test::kDemoPattern, x, y) ? QColor(Qt::black) : QColor(Qt::white);
      ASSERT_EQ(At(*image, QPoint(x, y)), expected) << x << "," << y;
      ++checked;
    }
  }
  EXPECT_GT(checked, 10000);
}

TEST_F(ScreenImage, TheContourLineIsBlackAcrossTheMap) {
  const QPoint middle = MapPixel(2500, 5000);
  bool black = false;
  for (int dy = -1; dy <= 1; ++dy) black = black || At(*image, middle + QPoint(0, dy)) == QColor(Qt::black);
  EXPECT_TRUE(black);
}

TEST_F(ScreenImage, TextIsDrawnInItsBoxesAndTheVerticalLabelRunsUpward) {
  const auto darkBox = [](QRect r) {
    QRect box;
    for (int y = r.top(); y <= r.bottom(); ++y) {
      for (int x = r.left(); x <= r.right(); ++x) {
        if (qGray(image->pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
      }
    }
    return box;
  };
  const QRect title = darkBox(QRect(0, 0, 597, 40));
  ASSERT_FALSE(title.isEmpty());
  EXPECT_NEAR(title.center().x(), 276, 3) << "centred on the map";
  EXPECT_GE(title.top(), 12);
  EXPECT_LE(title.bottom(), 28);
  const QRect label = darkBox(QRect(0, 405, 70, 30));  // the bracket starts at pixel 71
  ASSERT_FALSE(label.isEmpty());
  EXPECT_LE(label.right(), 67) << "right-aligned in its clipped box";
  EXPECT_GE(label.right(), 63);
  const QRect vertical = darkBox(QRect(15, 150, 30, 150));
  ASSERT_FALSE(vertical.isEmpty());
  EXPECT_GT(vertical.height(), vertical.width()) << "written upward";
  EXPECT_LE(vertical.bottom(), 230) << "running up from its starting point";
  EXPECT_GE(vertical.left(), 23);
}

TEST(QtPlayer, ANullPenLeavesNoOutline) {
  const auto draw = [](PenStyle style) {
    DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 2540, 2540});
    const HPEN pen = CreatePen(style, 4, RGB(0, 0, 0));
    hdc.SelectObject(pen);
    const std::array<POINT, 4> square{POINT{20, 20}, POINT{70, 20}, POINT{70, 70}, POINT{20, 70}};
    hdc.Polygon(square);  // the default white brush
    DeleteObject(pen);
    QImage image(96, 96, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PlayEnhMetaFile(painter, CloseEnhMetaFile(hdc), QRectF(0, 0, 96, 96));
    painter.end();
    int dark = 0;
    for (int y = 0; y < 96; ++y) {
      for (int x = 0; x < 96; ++x) dark += image.pixel(x, y) != qRgb(255, 255, 255);
    }
    return dark;
  };
  EXPECT_EQ(draw(PenStyle::PS_NULL), 0);
  EXPECT_GT(draw(PenStyle::PS_SOLID), 4 * 50 * 3) << "a four-pixel outline all round";
}

// Text is cut at its rectangle, whichever way it runs out of it.
TEST(QtPlayer, TextIsClippedToItsRectangle) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 5080, 2540});  // 192 x 96 pixels
  const HFONT font = CreateFontA(16, 0, 0, 0, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  hdc.DrawTextA("MMMMMMMMMMMMMMMMMMMM", RECT{20, 10, 80, 26}, DT_LEFT);
  hdc.DrawTextA("MMMMMMMMMMMMMMMMMMMM", RECT{100, 50, 170, 66}, DT_RIGHT);
  DeleteObject(font);
  QImage image(192, 96, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  PlayEnhMetaFile(painter, CloseEnhMetaFile(hdc), QRectF(0, 0, 192, 96));
  painter.end();
  QRect first, second;
  for (int y = 0; y < 96; ++y) {
    for (int x = 0; x < 192; ++x) {
      if (qGray(image.pixel(x, y)) < 128) (y < 40 ? first : second) |= QRect(x, y, 1, 1);
    }
  }
  ASSERT_FALSE(first.isEmpty());
  ASSERT_FALSE(second.isEmpty());
  EXPECT_GE(first.left(), 20) << "starts at the left edge";
  EXPECT_LE(first.left(), 23);
  EXPECT_LE(first.right(), 79) << "cut at the right edge";
  EXPECT_GE(first.right(), 76) << "and filled up to it";
  EXPECT_GE(second.left(), 100) << "right-aligned text loses its left part";
  EXPECT_LE(second.left(), 103);
  EXPECT_GE(first.top(), 10);
  EXPECT_LE(first.bottom(), 25);
}

TEST(QtPlayer, ThePainterIsLeftAsItWas) {
  QImage image(50, 50, QImage::Format_RGB32);
  QPainter painter(&image);
  const QPen pen(Qt::green, 3);
  painter.setPen(pen);
  painter.setBrush(Qt::yellow);
  PlayEnhMetaFile(painter, test::MakeDemoMap(), QRectF(0, 0, 50, 50));
  EXPECT_EQ(painter.pen(), pen);
  EXPECT_EQ(painter.brush(), QBrush(Qt::yellow));
  EXPECT_FALSE(painter.hasClipping());
}

TEST(QtPlayer, AHigherResolutionScalesThePatternCells) {
  const QImage image = renderImage(test::MakeDemoPage(), 192);
  EXPECT_EQ(image.size(), QSize(1194, 954));
  const QRect area = PatternArea(192);
  for (int y = area.top(); y <= area.bottom(); y += 3) {
    for (int x = area.left(); x <= area.right(); x += 3) {
      const QColor expected = PatternBlack(test::kDemoPattern, x / 2, y / 2) ? QColor(Qt::black) : QColor(Qt::white);
      ASSERT_EQ(image.pixelColor(x, y), expected) << x << "," << y;
    }
  }
  EXPECT_EQ(image.pixelColor(MapPixel(2500, 2500, 192)), QColor(0, 0, 255));
}

TEST(QtFonts, ThePageFaceIsReplacedByIpaPGothic) {
  LOGFONT font;
  font.faceName = std::string(kPageFontFace);
  EXPECT_EQ(QFontInfo(qtFont(font, 16)).family(), QStringLiteral("IPAPGothic"));
  font.faceName = "MS PGothic";
  EXPECT_EQ(QFontInfo(qtFont(font, 16)).family(), QStringLiteral("IPAPGothic"));
  font.faceName = "ＭＳ ゴシック";
  EXPECT_EQ(QFontInfo(qtFont(font, 16)).family(), QStringLiteral("IPAGothic"));
  EXPECT_EQ(substituteFamily("DejaVu Sans"), QStringLiteral("DejaVu Sans"));
}

TEST(QtFonts, APositiveHeightIsTheCellHeight) {
  LOGFONT font;
  font.faceName = std::string(kPageFontFace);
  for (const double cell : {12.0, 16.0, 200.0}) {
    const QFontMetricsF metrics(qtFont(font, cell));
    EXPECT_NEAR(metrics.ascent() + metrics.descent(), cell, 1.0) << cell;
  }
  EXPECT_EQ(qtFont(font, -16).pixelSize(), 16) << "a negative height is the em";
}

TEST(QtFonts, TheMeasurerIsProportionalAndScalesWithTheFont) {
  const QtTextMeasurer measurer;
  LOGFONT font;
  font.faceName = std::string(kPageFontFace);
  font.height = 100;
  const double narrow = measurer.textWidth(font, u"iiii");
  const double wide = measurer.textWidth(font, u"WWWW");
  EXPECT_LT(narrow * 2, wide);
  const double kanji = measurer.textWidth(font, u"標高");
  EXPECT_NEAR(kanji, 2 * 100 / 1.07, 15) << "a full-width character is about one em";
  font.height = 200;
  EXPECT_NEAR(measurer.textWidth(font, u"WWWW"), 2 * wide, 1e-6);
}

TEST(QtFonts, TheInstalledMeasurerServesTheDeviceContext) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kTitleFrame);
  const HFONT font = CreateFontA(12, 0, 900, 900, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  SIZE estimated, measured;
  hdc.GetTextExtentPoint32A("iiiiiiii", &estimated);
  SetTextMeasurer(std::make_shared<QtTextMeasurer>());
  hdc.GetTextExtentPoint32A("iiiiiiii", &measured);
  SetTextMeasurer(nullptr);
  DeleteObject(font);
  EXPECT_EQ(estimated.cx, 48);
  EXPECT_LT(measured.cx, 30) << "narrow letters measured as narrow";
  EXPECT_EQ(measured.cy, 12);
}

}  // namespace
}  // namespace plotvane::qtplay
