// plotvane-cli render with the surveyors' conventions: data posts where the
// page puts the points, true-scale PDFs on their paper, the ramp in the
// exported bands, and the usage errors of the new options.

#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <cmath>
#include <vector>

#include "CliRun.h"
#include "common/FileBytes.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

// Twelve points scattered over 0..110 x 0..55 (the window is the data range).
struct Survey {
  std::vector<double> x{0, 110, 0, 110, 23, 47, 81, 66, 12, 95, 38, 57};
  std::vector<double> y{0, 0, 55, 55, 9, 31, 12, 44, 40, 27, 18, 50};
  std::string text() const {
    std::string t = "X\tY\tZ\r\n";
    for (std::size_t i = 0; i < x.size(); ++i)
      t += std::to_string(x[i]) + "\t" + std::to_string(y[i]) + "\t" + std::to_string(0.3 * x[i] + 0.1 * y[i]) + "\r\n";
    return t;
  }
};

bool Dark(QRgb p) { return qRed(p) < 80 && qGreen(p) < 80 && qBlue(p) < 80; }

// The page pixel of map point (mx, my): the map square at page x 2300, y 1535
// (0.01 mm, y upward) on a 157.95 x 126.20 mm page of 597 x 477 pixels.
QPoint PagePixel(double mx, double my) {
  return {static_cast<int>(std::floor((2300 + mx) * 597 / 15795)),
          static_cast<int>(std::floor((12620 - 1535 - my) * 477 / 12620))};
}

TEST(CliConventions, PostsMarkEveryPointWhereThePagePutsIt) {
  TempDir dir;
  const Survey survey;
  const std::string data = dir.write("s.txt", survey.text());
  const std::string plain = dir.path() + "/plain.png", posts = dir.path() + "/posts.png";
  ASSERT_EQ(Cli({"render", data, "-o", plain}).status, kExitOk);
  const CliRun run = Cli({"render", data, "--posts", "--post-labels", "z", "-o", posts});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const QImage withPosts(QString::fromStdString(posts)), without(QString::fromStdString(plain));
  int darkBefore = 0;
  for (std::size_t i = 0; i < survey.x.size(); ++i) {
    const QPoint p = PagePixel(10000 * survey.x[i] / 110, 10000 * survey.y[i] / 55);
    // The marker is 1 mm across, four pixels: one of the pixels touching the
    // point's position is its centre.
    bool dark = false;
    for (int dx = 0; dx <= 1; ++dx) {
      for (int dy = 0; dy <= 1; ++dy) dark = dark || Dark(withPosts.pixel(p.x() + dx, p.y() + dy));
    }
    EXPECT_TRUE(dark) << "point " << i << " at pixel " << p.x() << ", " << p.y();
    darkBefore += Dark(without.pixel(p)) ? 1 : 0;
  }
  EXPECT_LE(darkBefore, 2) << "the plain page is dark where the posts are: the check proves nothing";
}

// A SIMA file's point names go beside the posts, not their Z.
TEST(CliConventions, PostLabelsNameTheSurveysPoints) {
  TempDir dir;
  std::string sima = "G00,01,site,\r\nA00,\r\n";
  for (int i = 1; i <= 9; ++i) {
    sima += "A01," + std::to_string(i) + ",KUI" + std::to_string(i) + "," + std::to_string(10 * (i % 3)) + "," +
            std::to_string(10 * (i / 3)) + "," + std::to_string(100 + i) + ".5,\r\n";
  }
  sima += "A99,\r\n";
  const std::string svg = dir.path() + "/named.svg";
  ASSERT_EQ(Cli({"render", dir.write("site.sim", sima), "--posts", "--post-labels", "name", "-o", svg}).status,
            kExitOk);
  const std::string named = ReadFileBytes(svg).value_or("");
  EXPECT_NE(named.find(">KUI4<"), std::string::npos);
  EXPECT_EQ(named.find(">104.5<"), std::string::npos) << "the Z of point 4 instead of its name";
}

// Z = X over a 100 x 100 lattice: every level line is the vertical x = Z.
std::string RisingEast() {
  std::string t = "X\tY\tZ\r\n";
  for (int x = 0; x <= 100; x += 10) {
    for (int y = 0; y <= 100; y += 10)
      t += std::to_string(x) + "\t" + std::to_string(y) + "\t" + std::to_string(x) + "\r\n";
  }
  return t;
}

bool Near(QRgb p, QRgb q) {
  return std::abs(qRed(p) - qRed(q)) <= 8 && std::abs(qGreen(p) - qGreen(q)) <= 8 && std::abs(qBlue(p) - qBlue(q)) <= 8;
}

// Levels 10, 12.5, 30, 70: three bands, coloured as bands 0..2 of three
// (blue, green, red), grey below 10 and white from 70 up. Even steps from 10
// to 70 would put the lines at 30 and 50 instead.
TEST(CliConventions, ExplicitLevelsBoundTheBandsExactly) {
  TempDir dir;
  const std::string data = dir.write("east.txt", RisingEast());
  const std::string png = dir.path() + "/levels.png";
  const CliRun run = Cli({"render", data, "--levels", "10, 12.5,30,70", "-o", png});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  const QImage image(QString::fromStdString(png));
  const QRgb grey = qRgb(100, 100, 100), blue = qRgb(0, 0, 255), green = qRgb(0, 255, 0), red = qRgb(255, 0, 0),
             white = qRgb(255, 255, 255);
  const std::vector<std::pair<double, QRgb>> columns{{5, grey},   {9, grey}, {11, blue}, {11.5, blue}, {13.5, green},
                                                     {29, green}, {31, red}, {69, red},  {71, white},  {95, white}};
  for (const auto& [x, colour] : columns) {
    const QRgb got = image.pixel(PagePixel(100 * x, 5000));
    EXPECT_TRUE(Near(got, colour)) << "x = " << x << ": " << qRed(got) << ", " << qGreen(got) << ", " << qBlue(got);
  }
}

// A 100 x 80 m lattice with Z rising to the north-east.
std::string Site() {
  std::string t = "X\tY\tZ\r\n";
  for (int x = 0; x <= 100; x += 10) {
    for (int y = 0; y <= 80; y += 10)
      t += std::to_string(x) + "\t" + std::to_string(y) + "\t" + std::to_string(x + y / 2) + "\r\n";
  }
  return t;
}

bool Coloured(QRgb p) {
  return std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)}) > 40;
}
bool White(QRgb p) { return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) > 230; }

// The widest run of map in any row: from a coloured pixel through coloured
// pixels and contour lines to the first white one.
int MapWidth(const QImage& image) {
  int widest = 0;
  for (int y = 0; y < image.height(); ++y) {
    int x = 0;
    while (x < image.width() && !Coloured(image.pixel(x, y))) ++x;
    const int first = x;
    while (x < image.width() && !White(image.pixel(x, y))) ++x;
    if (first < image.width()) widest = std::max(widest, x - first);
  }
  return widest;
}

TEST(CliConventions, TrueScaleSheetsHaveTheirPaperAndTheMapItsScale) {
  const QString pdftoppm = QStringLiteral(PLOTVANE_PDFTOPPM);
  if (pdftoppm.isEmpty() || pdftoppm.endsWith(QStringLiteral("NOTFOUND"))) {
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }
  TempDir dir;
  const std::string data = dir.write("site.txt", Site());
  struct Sheet {
    std::vector<std::string> options;
    QSize millimetres;
  };
  const std::vector<Sheet> sheets{{{"--scale", "500", "--paper", "A3", "--landscape"}, {420, 297}},
                                  {{"--scale", "1000", "--paper", "A4"}, {210, 297}}};
  for (const Sheet& sheet : sheets) {
    const std::string pdf = dir.path() + "/sheet.pdf";
    std::vector<std::string> words{"render", data, "-o", pdf};
    words.insert(words.end(), sheet.options.begin(), sheet.options.end());
    const CliRun run = Cli(words);
    ASSERT_EQ(run.status, kExitOk) << run.err;
    QProcess convert;
    // 127 dots per inch are 5 pixels per millimetre.
    convert.start(pdftoppm,
                  {QStringLiteral("-r"), QStringLiteral("127"), QStringLiteral("-png"), QStringLiteral("-singlefile"),
                   QString::fromStdString(pdf), QString::fromStdString(dir.path() + "/sheet")});
    ASSERT_TRUE(convert.waitForFinished(60000));
    ASSERT_EQ(convert.exitCode(), 0);
    const QImage image(QString::fromStdString(dir.path() + "/sheet.png"));
    EXPECT_NEAR(image.width(), 5 * sheet.millimetres.width(), 1) << sheet.options[1];
    EXPECT_NEAR(image.height(), 5 * sheet.millimetres.height(), 1) << sheet.options[1];
    // 100 m across: 200 mm at 1:500, 100 mm at 1:1000.
    const double expected = 5 * 100.0 * 1000 / std::stod(sheet.options[1]);
    EXPECT_NEAR(MapWidth(image), expected, 3) << sheet.options[1];
  }
}

// The contour labels of an SVG page (the axes are written a size larger).
std::vector<double> ContourLabelValues(const std::string& svg) {
  std::vector<double> values;
  const std::string tag = "font-size=\"10\"";
  for (std::size_t at = svg.find(tag); at != std::string::npos; at = svg.find(tag, at + 1)) {
    const std::size_t open = svg.find('>', at) + 1;
    values.push_back(std::stod(svg.substr(open, svg.find('<', open) - open)));
  }
  return values;
}

std::size_t Count(const std::string& text, const std::string& part) {
  std::size_t n = 0;
  for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

TEST(CliConventions, IndexContoursAreHeavierMarkedAndTheOnlyOnesLabelled) {
  TempDir dir;
  const std::string data = dir.write("s.txt", Survey().text());  // Z 0 .. 38.5
  const auto page = [&](std::vector<std::string> options) {
    const std::string svg = dir.path() + "/page.svg";
    std::vector<std::string> words{"render", data, "-o", svg, "--interval", "1", "--labels"};
    words.insert(words.end(), options.begin(), options.end());
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, kExitOk) << run.err;
    return ReadFileBytes(svg).value_or("");
  };
  const std::string plain = page({}), index = page({"--index-every", "5"});
  const std::string heavy = "stroke-width=\"1.89\"";  // 0.5 mm
  EXPECT_EQ(Count(plain, heavy), 0u);
  EXPECT_GT(Count(index, heavy), 0u);
  const std::vector<double> labels = ContourLabelValues(index);
  ASSERT_GE(labels.size(), 7u);  // 5 .. 35 at least
  for (const double v : labels) EXPECT_EQ(std::fmod(v, 5), 0) << v;
  // A chosen label step counts from the base's multiples, not from Z1 = -0.5.
  for (const double v : ContourLabelValues(page({"--base", "0.5", "--label-every", "2"})))
    EXPECT_EQ(std::fmod(v - 0.5, 2), 0) << v;

  // Contour data marks them; CAD gets them on layers of their own.
  const auto contours = [&](const std::string& name) {
    const std::string path = dir.path() + "/" + name;
    const CliRun run = Cli({"contours", data, "--interval", "1", "--index-every", "5", "-o", path});
    EXPECT_EQ(run.status, kExitOk) << run.err;
    return ReadFileBytes(path).value_or("");
  };
  const std::string json = contours("c.geojson"), dxf = contours("c.dxf");
  std::size_t marked = 0;
  for (std::size_t at = json.find("\"level\":"); at != std::string::npos; at = json.find("\"level\":", at + 1)) {
    const double level = std::stod(json.substr(at + 8));
    const bool isIndex = json.compare(json.find("\"index_line\":", at) + 13, 4, "true") == 0;
    EXPECT_EQ(isIndex, std::fmod(level, 5) == 0) << level;
    marked += isIndex;
  }
  EXPECT_EQ(marked, 7u);  // 5 .. 35
  // Index contours on layers of their own, twice as heavy (the layer's line weight, 0.50 mm).
  EXPECT_NE(dxf.find("INDEX_35\r\n 70\r\n0\r\n 62\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("\r\n370\r\n50\r\n"), std::string::npos);
  EXPECT_NE(dxf.find("CONTOUR_34\r\n"), std::string::npos);
  EXPECT_EQ(dxf.find("CONTOUR_35\r\n"), std::string::npos);
}

TEST(CliConventions, UsageErrorsNameTheOption) {
  TempDir dir;
  const std::string data = dir.write("site.txt", Site());
  const std::string pdf = dir.path() + "/p.pdf", png = dir.path() + "/p.png";
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases{
      {{"render", data, "-o", png, "--ramp", "rainbow"}, "--ramp: rainbow is neither a ramp"},
      {{"contours", data, "-o", dir.path() + "/c.geojson", "--ramp", "viridis"}, "--ramp requires --bands"},
      {{"render", data, "-o", png, "--post-labels", "z"}, "--post-labels requires --posts"},
      {{"render", data, "-o", png, "--posts", "--post-labels", "id"}, "--post-labels"},
      {{"render", data, "-o", png, "--scale", "500", "--paper", "A4"}, "--scale applies to .pdf output only"},
      {{"render", data, "-o", pdf, "--scale", "500"}, "--scale requires --paper"},
      {{"render", data, "-o", pdf, "--paper", "A4"}, "--paper requires --scale"},
      {{"render", data, "-o", pdf, "--landscape"}, "--landscape requires --scale"},
      {{"render", data, "-o", pdf, "--scale", "0", "--paper", "A4"}, "--scale must be above 0"},
      {{"render", data, "-o", png, "--levels", "10,5"}, "--levels: the levels must rise"},
      {{"render", data, "-o", png, "--levels", "10"}, "--levels: at least two levels"},
      {{"render", data, "-o", png, "--levels", "10,,20"}, "--levels: \"\" is not a number"},
      {{"render", data, "-o", png, "--levels", "10,20", "--interval", "5"}, "excludes"},
      {{"render", data, "-o", png, "--index-every", "0"}, "--index-every"},
      {{"render", data, "-o", png, "--labels", "--label-every", "2", "--index-every", "5"}, "excludes"},
      {{"render", data, "-o", pdf, "--scale", "500", "--paper", "B5"}, "--paper"},
      // 100 m at 1:200 is half a metre: A4 portrait takes the page at 1:832.
      {{"render", data, "-o", pdf, "--scale", "200", "--paper", "A4"},
       "1:200 does not fit A4 portrait: the largest scale that fits is 1:"},
  };
  for (const auto& [words, message] : cases) {
    const CliRun run = Cli(words);
    EXPECT_EQ(run.status, kExitUsage) << words.back();
    EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
  }
  EXPECT_FALSE(ReadFileBytes(pdf).has_value()) << "nothing is written on a usage error";

  // The scale named as the largest that fits does fit, and the next larger does not.
  const CliRun refused = Cli(cases.back().first);
  const std::string largest = refused.err.substr(refused.err.rfind(':') + 1);
  const std::vector<std::string> at{"render", data, "-o", pdf, "--paper", "A4", "--scale"};
  std::vector<std::string> fits = at, tooLarge = at;
  fits.push_back(largest.substr(0, largest.find('\n')));
  tooLarge.push_back(std::to_string(std::stoi(fits.back()) - 1));
  EXPECT_EQ(Cli(fits).status, kExitOk) << fits.back();
  EXPECT_EQ(Cli(tooLarge).status, kExitUsage) << tooLarge.back();
}

}  // namespace
}  // namespace plotvane::cli
