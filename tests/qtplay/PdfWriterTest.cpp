// The PDF page read back by two independent readers (pdftoppm and mutool)
// and compared with the PNG of the same page pixel by pixel: colour fill,
// contour lines, labels, texts, the pattern cells and the site boundary's
// clip; its texts found again by two text extractors, Japanese included;
// its structure checked by qpdf.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <cmath>
#include <memory>

#include "DemoPage.h"
#include "data/BoundaryMask.h"
#include "load/OpenDataFile.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "render/PageComposition.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::qtplay {
namespace {

// Output of a program that must be installed (scripts/setup.sh installs them).
std::string RunTool(const char* program, const QStringList& arguments) {
  const QString path = QString::fromUtf8(program);
  EXPECT_FALSE(path.isEmpty() || path.endsWith(QStringLiteral("NOTFOUND"))) << "scripts/setup.sh installs it";
  QProcess process;
  process.start(path, arguments);
  EXPECT_TRUE(process.waitForFinished(60000));
  EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
  return process.readAllStandardOutput().toStdString();
}

// How a reader's image of the page agrees with the PNG: the share of pixels
// of the same colour (every channel within a tolerance), and the share that
// the PNG explains up to smoothing and one pixel of placement: a colour
// within the range of the PNG's pixel and its eight neighbours, channel by
// channel (an edge smoothed between two pieces, a one-pixel line drawn one
// pixel over). A piece missing, misplaced or of the wrong colour is neither.
struct Agreement {
  double same = 0.0;
  double explained = 0.0;
};

Agreement Compare(const QImage& read, const QImage& png, int tolerance) {
  int same = 0, explained = 0;
  for (int y = 0; y < png.height(); ++y) {
    for (int x = 0; x < png.width(); ++x) {
      const QRgb p = read.pixel(x, y);
      const int channels[] = {qRed(p), qGreen(p), qBlue(p)};
      int low[] = {255, 255, 255}, high[] = {0, 0, 0};
      bool isSame = true;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          if (!png.valid(x + dx, y + dy)) continue;
          const QRgb q = png.pixel(x + dx, y + dy);
          const int others[] = {qRed(q), qGreen(q), qBlue(q)};
          for (int c = 0; c < 3; ++c) {
            low[c] = std::min(low[c], others[c]);
            high[c] = std::max(high[c], others[c]);
            if (dx == 0 && dy == 0) isSame = isSame && std::abs(channels[c] - others[c]) <= tolerance;
          }
        }
      }
      bool inRange = true;
      for (int c = 0; c < 3; ++c)
        inRange = inRange && channels[c] >= low[c] - tolerance && channels[c] <= high[c] + tolerance;
      same += isSame;
      explained += inRange;
    }
  }
  const double total = static_cast<double>(png.width()) * png.height();
  return Agreement{same / total, explained / total};
}

// The pixel of a map point on the demo page at 96 dpi.
QPoint MapPixel(double mx, double my) {
  return QPoint(static_cast<int>(std::floor((2300 + mx) * 597 / 15795)),
                static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620)));
}

bool Dark(QRgb pixel) { return qGray(pixel) < 96; }

class PdfPage : public ::testing::Test {
 protected:
  // The page's PDF as pdftoppm and as mutool draw it at 96 dpi.
  std::vector<QImage> readBack(const gdi::EnhMetaFile& page, const char* name) {
    const std::string pdf = dir.file(std::string(name) + ".pdf");
    EXPECT_FALSE(SavePicture(page, pdf, PictureFormat::Pdf));
    RunTool(PLOTVANE_QPDF, {QStringLiteral("--check"), QString::fromStdString(pdf)});
    const QString poppler = QString::fromStdString(dir.file(std::string(name) + "-poppler"));
    const QString mupdf = QString::fromStdString(dir.file(std::string(name) + "-mupdf.png"));
    RunTool(PLOTVANE_PDFTOPPM, {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                                QStringLiteral("-singlefile"), QString::fromStdString(pdf), poppler});
    RunTool(PLOTVANE_MUTOOL, {QStringLiteral("draw"), QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-o"),
                              mupdf, QString::fromStdString(pdf)});
    return {QImage(poppler + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32),
            QImage(mupdf).convertToFormat(QImage::Format_RGB32)};
  }
  // The page's text as pdftotext and as mutool extract it.
  std::vector<std::string> texts(const char* name) {
    const QString pdf = QString::fromStdString(dir.file(std::string(name) + ".pdf"));
    return {RunTool(PLOTVANE_PDFTOTEXT, {pdf, QStringLiteral("-")}),
            RunTool(PLOTVANE_MUTOOL, {QStringLiteral("draw"), QStringLiteral("-F"), QStringLiteral("text"), pdf})};
  }
  gdi::EnhMetaFile compose(const std::string& path) {
    OpenDataFile(path, doc, NullProgress());
    EXPECT_TRUE(doc.errMsg.empty()) << doc.errMsg;
    return ComposePage(doc, NullProgress());
  }
  // Returns the readers' images.
  std::vector<QImage> expectAsThePng(const gdi::EnhMetaFile& page, const char* name) {
    const QImage png = renderImage(page);
    std::vector<QImage> images = readBack(page, name);
    for (const QImage& image : images) {
      if (image.size() != png.size()) {
        ADD_FAILURE() << name << ": " << image.width() << " x " << image.height() << " pixels";
        return {};
      }
      const Agreement agreement = Compare(image, png, kTolerance);
      EXPECT_GT(agreement.same, kSameShare) << name;
      EXPECT_GT(agreement.explained, kExplainedShare) << name;
    }
    return images;
  }

  // Measured on these pages: the readers smooth edges and the pattern cells'
  // sides, the PNG does not, and one-pixel lines may fall one pixel over, so
  // 93.4 % to 98.9 % of the pixels are the same within 24 per channel and
  // 99.92 % to 99.995 % are explained. The map drawn without its clip
  // explains 72 %, the pattern drawn grey leaves 86 % the same.
  static constexpr int kTolerance = 24;
  static constexpr double kSameShare = 0.92;
  static constexpr double kExplainedShare = 0.998;

  test::TempDir dir;
  Document doc;
};

TEST_F(PdfPage, SurveyPageReadsBackAsThePngWithItsTexts) {
  const gdi::EnhMetaFile page = compose(test::SourceDir() + "/examples/survey.txt");
  expectAsThePng(page, "survey");
  for (const std::string& words : texts("survey")) {
    for (const char* expected : {"標高(m)", "129.51", "98.88", "X(m)", "238.78"}) {
      EXPECT_NE(words.find(expected), std::string::npos) << expected << " in:\n" << words;
    }
  }
}

TEST_F(PdfPage, DemoPageKeepsItsPatternAndTurnedTexts) {
  const gdi::EnhMetaFile page = test::MakeDemoPage();
  const QImage png = renderImage(page);
  // The pattern quarter, inset from its edges: the same cells, dark for dark.
  const QRect quarter = QRect(MapPixel(5000, 10000), MapPixel(10000, 5000)).adjusted(3, 3, -4, -4);
  for (const QImage& image : expectAsThePng(page, "demo")) {
    int same = 0;
    for (int y = quarter.top(); y <= quarter.bottom(); ++y) {
      for (int x = quarter.left(); x <= quarter.right(); ++x) same += Dark(image.pixel(x, y)) == Dark(png.pixel(x, y));
    }
    EXPECT_GT(same, quarter.width() * quarter.height() * 99 / 100) << "the pattern's cells on the PNG's pixels";
  }
  // MuPDF takes no characters from a run whose glyphs its stand-in for the
  // unembedded font lacks (a run of Japanese alone); poppler honours the
  // span's ActualText.
  const std::vector<std::string> words = texts("demo");
  for (const char* expected : {"Demo 標高", "12.5", "標高ｶﾅ"}) {
    EXPECT_NE(words[0].find(expected), std::string::npos) << expected << " in:\n" << words[0];
  }
  for (const char* expected : {"Demo 標高", "12.5"}) {
    EXPECT_NE(words[1].find(expected), std::string::npos) << expected << " in:\n" << words[1];
  }
}

TEST_F(PdfPage, LongTitleIsClippedToItsBox) {
  const std::string name = "W" + std::string(300, 'W');
  const gdi::EnhMetaFile page =
      compose(dir.write("data.txt", test::DataFileText(test::UniformPoints(200, 11), "X\tY\t" + name)));
  // The title's box spans the map's width, 2300..12300 of the page's 15795.
  const int left = static_cast<int>(std::floor(2300.0 * 597 / 15795));
  const int right = static_cast<int>(std::ceil(12300.0 * 597 / 15795));
  for (const QImage& image : readBack(page, "title")) {
    int inside = 0, outside = 0;
    for (int y = 0; y < 30; ++y) {
      for (int x = 0; x < image.width(); ++x)
        (x >= left - 1 && x <= right + 1 ? inside : outside) += Dark(image.pixel(x, y));
    }
    EXPECT_GT(inside, 100) << "the title is drawn";
    EXPECT_EQ(outside, 0) << "nothing of it beyond its box";
  }
  for (const std::string& words : texts("title")) EXPECT_NE(words.find("WWWWWWWWWW"), std::string::npos);
}

TEST_F(PdfPage, SiteBoundaryClipsTheMap) {
  const std::string path = dir.write("data.txt", test::DataFileText(test::LatticePoints(21, 21, 3)));
  OpenDataFile(path, doc, NullProgress());
  doc.mesh.boundary = std::make_shared<const BoundaryMask>(std::vector<MaskRing>{
      {{8.3, 10.1}, {91.2, 6.7}, {85.9, 88.4}, {48.1, 45.3}, {12.6, 90.2}},
      {{30.2, 22.4}, {55.1, 20.8}, {52.7, 38.9}, {31.5, 36.6}},
  });
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  expectAsThePng(page, "boundary");
  EXPECT_NE(test::ReadBytes(dir.file("boundary.pdf")).find("/FlateDecode"), std::string::npos);
}

}  // namespace
}  // namespace plotvane::qtplay
