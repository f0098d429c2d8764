// The page of a site boundary in every output: the PNG (drawn straight into
// the pixels), the same page through QPainter, and the SVG read back by
// rsvg-convert show the map inside the rings and white beyond them, a hole
// included.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <memory>

#include "data/BoundaryMask.h"
#include "load/OpenDataFile.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "qtplay/QtPlayer.h"
#include "render/PageComposition.h"
#include "support/EvenOddInside.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::qtplay {
namespace {

// Mesh coordinates (0..100): a concave ring with a hole.
const std::vector<MaskRing> kSite = {
    {{8.3, 10.1}, {91.2, 6.7}, {85.9, 88.4}, {48.1, 45.3}, {12.6, 90.2}},
    {{30.2, 22.4}, {55.1, 20.8}, {52.7, 38.9}, {31.5, 36.6}},
};

bool SlowInside(double x, double y) { return test::SlowInside(kSite, x, y); }

double DistanceToEdges(double x, double y) {
  double best = INFINITY;
  for (const MaskRing& ring : kSite) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const MaskPoint& a = ring[k];
      const MaskPoint& b = ring[(k + 1) % ring.size()];
      const double dx = b.x - a.x, dy = b.y - a.y;
      const double t = std::clamp(((x - a.x) * dx + (y - a.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
      best = std::min(best, std::hypot(x - a.x - t * dx, y - a.y - t * dy));
    }
  }
  return best;
}

// The pixel of a map point on the page at 96 dpi.
QPoint MapPixel(double mx, double my) {
  return QPoint(static_cast<int>(std::floor((2300 + mx) * 597 / 15795)),
                static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620)));
}

class BoundaryPage : public ::testing::Test {
 protected:
  BoundaryPage() {
    // A lattice over the whole map: the bands cover every point of the square.
    const std::string path = dir.write("data.txt", test::DataFileText(test::LatticePoints(21, 21, 3)));
    OpenDataFile(path, doc, NullProgress());
    doc.mesh.boundary = std::make_shared<const BoundaryMask>(kSite);
    page = ComposePage(doc, NullProgress());
  }

  // Every sample of the map away from the rings is white exactly when outside.
  void expectClipped(const QImage& image, const char* output) {
    int inside = 0, outside = 0;
    for (double y = 1.5; y < 99; y += 2.5) {
      for (double x = 1.5; x < 99; x += 2.5) {
        if (DistanceToEdges(x, y) < 1.2) continue;
        const bool white = image.pixel(MapPixel(100 * x, 100 * y)) == qRgb(255, 255, 255);
        ASSERT_EQ(white, !SlowInside(x, y)) << output << " at " << x << ", " << y;
        (white ? outside : inside)++;
      }
    }
    EXPECT_GT(inside, 300) << output;
    EXPECT_GT(outside, 300) << output;
  }

  test::TempDir dir;
  Document doc;
  gdi::EnhMetaFile page;
};

TEST_F(BoundaryPage, PixelsAndPainterShowTheMapOnlyInside) {
  expectClipped(renderImage(page), "direct pixels");
  QImage painted(renderImage(page).size(), QImage::Format_RGB32);
  painted.fill(Qt::white);
  QPainter painter(&painted);
  PlayEnhMetaFile(painter, page, QRectF(QPointF(0, 0), painted.size()), PlayOptions{true, 1.0, false});
  painter.end();
  expectClipped(painted, "QPainter");
}

TEST_F(BoundaryPage, SvgReadBackShowsTheMapOnlyInside) {
  ASSERT_FALSE(SavePicture(page, dir.file("page.svg"), PictureFormat::Svg));
  EXPECT_NE(test::ReadBytes(dir.file("page.svg")).find("<path clip-rule=\"evenodd\""), std::string::npos);
  const QString png = QString::fromStdString(dir.file("page.svg.png"));
  QProcess convert;
  convert.start(QStringLiteral(PLOTVANE_RSVG_CONVERT),
                {QStringLiteral("-b"), QStringLiteral("white"), QStringLiteral("-o"), png,
                 QString::fromStdString(dir.file("page.svg"))});
  ASSERT_TRUE(convert.waitForFinished(60000));
  ASSERT_EQ(convert.exitCode(), 0);
  expectClipped(QImage(png).convertToFormat(QImage::Format_RGB32), "SVG");
}

}  // namespace
}  // namespace plotvane::qtplay
