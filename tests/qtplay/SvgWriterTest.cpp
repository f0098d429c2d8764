// The SVG page, read back by an independent reader (rsvg-convert) and
// compared with the PNG of the same page: band colours, the pattern cells on
// the same pixel grid, texts clipped to their boxes, markup-safe labels; the
// clipboard's bytes equal the file's; and the file stays compact.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QProcess>
#include <cmath>

#include "DemoPage.h"
#include "load/OpenDataFile.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::qtplay {
namespace {

// The pixel of a map point on the demo page at 96 dpi.
QPoint MapPixel(double mx, double my) {
  return QPoint(static_cast<int>(std::floor((2300 + mx) * 597 / 15795)),
                static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620)));
}

bool Dark(QRgb pixel) { return qGray(pixel) < 96; }

class SvgPage : public ::testing::Test {
 protected:
  // The SVG at svgPath as rsvg-convert draws it on white at 96 dpi.
  QImage readBack(const std::string& svgPath) {
    const QString rsvg = QStringLiteral(PLOTVANE_RSVG_CONVERT);
    EXPECT_FALSE(rsvg.isEmpty() || rsvg.endsWith(QStringLiteral("NOTFOUND"))) << "scripts/setup.sh installs it";
    const QString png = QString::fromStdString(svgPath + ".png");
    QProcess convert;
    convert.start(rsvg, {QStringLiteral("-b"), QStringLiteral("white"), QStringLiteral("-o"), png,
                         QString::fromStdString(svgPath)});
    EXPECT_TRUE(convert.waitForFinished(60000));
    EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
    return QImage(png).convertToFormat(QImage::Format_RGB32);
  }
  // A page composed from a data file with the given Z column name.
  gdi::EnhMetaFile pageWithTitle(const std::string& labelZ) {
    const std::string path = dir.write("data.txt", test::DataFileText(test::UniformPoints(200, 11), "X\tY\t" + labelZ));
    OpenDataFile(path, doc, NullProgress());
    EXPECT_TRUE(doc.errMsg.empty()) << doc.errMsg;
    return ComposePage(doc, NullProgress());
  }
  test::TempDir dir;
  Document doc;
};

TEST_F(SvgPage, DemoPageReadsBackAsThePng) {
  const gdi::EnhMetaFile page = test::MakeDemoPage();
  ASSERT_FALSE(SavePicture(page, dir.file("page.svg"), PictureFormat::Svg));
  const std::string svg = test::ReadBytes(dir.file("page.svg"));
  EXPECT_NE(svg.find("width=\"6.21875in\" height=\"4.96875in\" viewBox=\"0 0 597 477\""), std::string::npos)
      << "the page keeps its physical size, exactly 597 x 477 units of 1/96 inch";
  const QImage svgImage = readBack(dir.file("page.svg"));
  const QImage png = renderImage(page);
  ASSERT_EQ(svgImage.size(), png.size());
  for (const QPoint p : {MapPixel(2500, 2500), MapPixel(7500, 2500), MapPixel(2500, 7500)}) {
    EXPECT_EQ(QColor(svgImage.pixel(p)), QColor(png.pixel(p))) << p.x() << "," << p.y();
  }
  // The pattern quarter, inset from its edges: the same cells, black for black.
  const QRect quarter = QRect(MapPixel(5000, 10000), MapPixel(10000, 5000)).adjusted(3, 3, -4, -4);
  int same = 0, black = 0, total = 0;
  for (int y = quarter.top(); y <= quarter.bottom(); ++y) {
    for (int x = quarter.left(); x <= quarter.right(); ++x) {
      same += Dark(svgImage.pixel(x, y)) == Dark(png.pixel(x, y));
      black += Dark(svgImage.pixel(x, y));
      ++total;
    }
  }
  EXPECT_GT(same, total * 98 / 100) << "the pattern lies on the PNG's pixel grid";
  EXPECT_NEAR(static_cast<double>(black) / total, 16.0 / 64, 0.02);
}

TEST_F(SvgPage, LongTitleIsClippedToItsBoxAndMarkupInItIsText) {
  const gdi::EnhMetaFile page = pageWithTitle("W<&>\"'\xff" + std::string(300, 'W'));
  ASSERT_FALSE(SavePicture(page, dir.file("title.svg"), PictureFormat::Svg));
  const QImage images[] = {readBack(dir.file("title.svg")), renderImage(page)};
  // The title's box spans the map's width, 2300..12300 of the page's 15795.
  const int left = static_cast<int>(std::floor(2300.0 * 597 / 15795));
  const int right = static_cast<int>(std::ceil(12300.0 * 597 / 15795));
  for (const QImage& image : images) {
    int inside = 0, outside = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const bool dark = Dark(image.pixel(x, y));
        (x >= left - 1 && x <= right + 1 ? inside : outside) += dark;
      }
    }
    EXPECT_GT(inside, 100) << "the title is drawn";
    EXPECT_EQ(outside, 0) << "nothing of it beyond its box";
  }
}

TEST_F(SvgPage, ClipboardBytesEqualTheFile) {
  const gdi::EnhMetaFile page = test::MakeDemoPage();
  ASSERT_FALSE(SavePicture(page, dir.file("page.svg"), PictureFormat::Svg));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  ASSERT_TRUE(buffer.open(QIODevice::WriteOnly));
  ASSERT_FALSE(writeSvg(page, buffer));
  EXPECT_EQ(bytes.toStdString(), test::ReadBytes(dir.file("page.svg")));
}

TEST_F(SvgPage, MapOfManyPiecesStaysNearTheSizeOfItsMetafile) {
  const gdi::EnhMetaFile page = pageWithTitle("Z");
  ASSERT_FALSE(SavePicture(page, dir.file("map.svg"), PictureFormat::Svg));
  const double svg = static_cast<double>(test::ReadBytes(dir.file("map.svg")).size());
  const double emf = static_cast<double>(emf::EncodeEnhMetaFile(page).size());
  EXPECT_LT(svg, 1.5 * emf) << "one path per run of one style, compact path data";
  EXPECT_FALSE(readBack(dir.file("map.svg")).isNull());
}

}  // namespace
}  // namespace plotvane::qtplay
