// The file writers: PNG and BMP pixels, the PDF page read back and rendered,
// pattern fills surviving every format, and failures reported (the SVG page
// has its own suite, SvgWriterTest.cpp).

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <cmath>

#include "DemoPage.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "support/TempDir.h"

namespace plotvane::qtplay {
namespace {

// The pixel of a map point on the page at `scale` times 96 dpi.
QPoint MapPixel(double mx, double my, int scale = 1) {
  return QPoint(static_cast<int>(std::floor((2300 + mx) * 597 / 15795 * scale)),
                static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620 * scale)));
}

// Share of black pixels in the pattern quarter of the demo map and whether
// both black and white occur; colours within 64 of black or white count.
struct PatternShare {
  double black = 0.0;
  double white = 0.0;
};

PatternShare MeasurePattern(const QImage& image, int scale = 1) {
  const QRect area = QRect(MapPixel(5000, 10000, scale), MapPixel(10000, 5000, scale)).adjusted(3, 3, -4, -4);
  int black = 0, white = 0, total = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const int grey = qGray(image.pixel(x, y));
      black += grey < 64;
      white += grey > 191;
      ++total;
    }
  }
  return PatternShare{static_cast<double>(black) / total, static_cast<double>(white) / total};
}

bool Near(QColor a, QColor b, int tolerance) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

class Writers : public ::testing::Test {
 protected:
  test::TempDir dir;
  gdi::EnhMetaFile page = test::MakeDemoPage();
  QString file(const char* name) const { return QString::fromStdString(dir.file(name)); }
};

TEST_F(Writers, PngHoldsTheScreenImage) {
  ASSERT_FALSE(SavePicture(page, dir.file("page.png"), PictureFormat::Png));
  const QImage image(file("page.png"));
  ASSERT_EQ(image.size(), QSize(597, 477));
  EXPECT_EQ(image.pixelColor(MapPixel(2500, 2500)), QColor(0, 0, 255));
  EXPECT_EQ(image, renderImage(page).convertToFormat(image.format()));
  EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 96, 0.1);
}

TEST_F(Writers, BmpIsTwentyFourBitWithThePatternIntact) {
  ASSERT_FALSE(SavePicture(page, dir.file("page.bmp"), PictureFormat::Bmp));
  const std::string bytes = test::ReadBytes(dir.file("page.bmp"));
  ASSERT_GT(bytes.size(), 54u);
  EXPECT_EQ(bytes.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits per pixel";
  const QImage image(file("page.bmp"));
  EXPECT_EQ(image.size(), QSize(597, 477));
  const PatternShare share = MeasurePattern(image);
  EXPECT_NEAR(share.black, 16.0 / 64, 0.01);
  EXPECT_NEAR(share.white, 48.0 / 64, 0.01);
}

TEST_F(Writers, ImageResolutionIsAnOption) {
  ASSERT_FALSE(SavePicture(page, dir.file("page300.png"), PictureFormat::Png, 300));
  const QImage image(file("page300.png"));
  EXPECT_EQ(image.size(), QSize(1866, 1491)) << "157.95 and 126.20 mm at 300 dpi, rounded";
  EXPECT_NEAR(image.dotsPerMeterX() * 0.0254, 300, 0.1);
}

TEST_F(Writers, PdfIsOnePageOfThePagesSizeWithThePattern) {
  const QString pdftoppm = QStringLiteral(PLOTVANE_PDFTOPPM);
  if (pdftoppm.isEmpty() || pdftoppm.endsWith(QStringLiteral("NOTFOUND"))) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }
  ASSERT_FALSE(SavePicture(page, dir.file("page.pdf"), PictureFormat::Pdf));
  EXPECT_EQ(test::ReadBytes(dir.file("page.pdf")).substr(0, 5), "%PDF-");
  QProcess convert;
  // At twice the pattern's resolution, so each pattern pixel covers whole
  // pixels of the rendering and is not blurred into grey.
  convert.start(pdftoppm, {QStringLiteral("-r"), QStringLiteral("192"), QStringLiteral("-png"),
                           QStringLiteral("-singlefile"), file("page.pdf"), file("pdfpage")});
  ASSERT_TRUE(convert.waitForFinished(60000));
  ASSERT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
  const QImage image(file("pdfpage.png"));
  ASSERT_FALSE(image.isNull());
  EXPECT_NEAR(image.width(), 2 * 597, 1) << "157.95 mm wide";
  EXPECT_NEAR(image.height(), 2 * 477, 1) << "126.20 mm high";
  EXPECT_TRUE(Near(image.pixelColor(MapPixel(2500, 2500, 2)), QColor(0, 0, 255), 8));
  const PatternShare share = MeasurePattern(image, 2);
  EXPECT_NEAR(share.black, 16.0 / 64, 0.05) << "a pattern, not a solid fill";
  EXPECT_NEAR(share.white, 48.0 / 64, 0.05);
}

TEST_F(Writers, FailuresAreReportedAndLeaveNoFile) {
  EXPECT_TRUE(SavePicture(page, dir.file("missing/page.png"), PictureFormat::Png));
  EXPECT_TRUE(SavePicture(page, dir.file("missing/page.svg"), PictureFormat::Svg));
  EXPECT_TRUE(SavePicture(page, dir.file("missing/page.pdf"), PictureFormat::Pdf));
  EXPECT_FALSE(QFile::exists(file("missing")));
}

TEST_F(Writers, AnExistingFileIsReplacedWhole) {
  const std::string path = dir.write("page.png", std::string(100000, 'x'));
  ASSERT_FALSE(SavePicture(page, path, PictureFormat::Png));
  EXPECT_EQ(QImage(QString::fromStdString(path)).size(), QSize(597, 477));
}

// The desktop program and the command line pick the format by one rule: the
// name's last three characters as typed; standard output by the bare name.
TEST(PictureFormats, OneRuleForEveryFrontEnd) {
  using F = std::optional<PictureFormat>;
  EXPECT_EQ(PictureFormatOfPath("map.png"), F(PictureFormat::Png));
  EXPECT_EQ(PictureFormatOfPath("dir.d/mapemf"), F(PictureFormat::Emf));
  EXPECT_EQ(PictureFormatOfPath("map.PNG"), F(PictureFormat::Png));
  EXPECT_EQ(PictureFormatOfPath("map.Svg"), F(PictureFormat::Svg));
  EXPECT_EQ(PictureFormatOfPath("pd"), F());
  EXPECT_EQ(PictureFormatNamed("svg"), F(PictureFormat::Svg));
  EXPECT_EQ(PictureFormatNamed(".svg"), F());
}

}  // namespace
}  // namespace plotvane::qtplay
