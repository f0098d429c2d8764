// plotvane-cli render with the surveyors' conventions: data posts where the
// page puts the points, true-scale PDFs on their paper, the ramp in the
// exported bands, and the usage errors of the new options.

#include <gtest/gtest.h>

#include <QImage>
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

}  // namespace
}  // namespace plotvane::cli
