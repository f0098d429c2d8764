// plotvane-cli render: each output format, the resolution option, and the
// ways the command refuses or fails.

#include <gtest/gtest.h>

#include <QImage>
#include <sstream>
#include <vector>

#include "CliRun.h"
#include "common/FileBytes.h"
#include "support/TempDir.h"

namespace plotvane::cli {
namespace {

using test::TempDir;

CliRun Render(std::vector<std::string> words) {
  words.insert(words.begin(), "render");
  return Cli(words);
}

// Z rising with X over a 6 x 6 lattice.
std::string RampFile() {
  std::string text = "X\tY\tZ\r\n";
  for (int i = 0; i < 6; ++i) {
    for (int j = 0; j < 6; ++j)
      text += std::to_string(20 * i) + "\t" + std::to_string(10 * j) + "\t" + std::to_string(i) + "\r\n";
  }
  return text;
}

std::string Bytes(const std::string& path) { return ReadFileBytes(path).value_or(std::string()); }

int ColouredPixels(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb p = image.pixel(x, y);
      if (qRed(p) != qGreen(p) || qGreen(p) != qBlue(p)) ++count;
    }
  }
  return count;
}

TEST(CliRender, ImagesAreTheScreenPageOrSharper) {
  TempDir dir;
  const std::string data = dir.write("ramp.txt", RampFile());
  const std::string png = dir.path() + "/page.png";
  const CliRun run = Render({data, "-o", png});
  ASSERT_EQ(run.status, kExitOk) << run.err;
  EXPECT_EQ(run.out, png + "\n");
  const QImage image(QString::fromStdString(png));
  EXPECT_EQ(image.size(), QSize(597, 477));
  // The map's colour bands are there.
  EXPECT_GT(ColouredPixels(image), 597 * 477 / 10);

  const std::string sharp = dir.path() + "/sharp.bmp";
  ASSERT_EQ(Render({data, "-o", sharp, "--dpi", "192"}).status, kExitOk);
  EXPECT_EQ(QImage(QString::fromStdString(sharp)).size(), QSize(1194, 954));
  EXPECT_EQ(Bytes(sharp).substr(0, 2), "BM");
}

TEST(CliRender, VectorFormatsCarryTheirSignatures) {
  TempDir dir;
  const std::string data = dir.write("ramp.txt", RampFile());
  ASSERT_EQ(Render({data, "-o", dir.path() + "/p.svg"}).status, kExitOk);
  EXPECT_NE(Bytes(dir.path() + "/p.svg").find("<svg"), std::string::npos);
  ASSERT_EQ(Render({data, "-o", dir.path() + "/p.pdf"}).status, kExitOk);
  EXPECT_EQ(Bytes(dir.path() + "/p.pdf").substr(0, 4), "%PDF");
  ASSERT_EQ(Render({data, "-o", dir.path() + "/p.emf"}).status, kExitOk);
  const std::string emf = Bytes(dir.path() + "/p.emf");
  ASSERT_GT(emf.size(), 100u);
  EXPECT_EQ(emf.substr(40, 4), " EMF");
}

TEST(CliRender, RefusesWhatItCannotWrite) {
  TempDir dir;
  const std::string data = dir.write("ramp.txt", RampFile());
  EXPECT_EQ(Render({data, "-o", dir.path() + "/p.jpg"}).status, kExitUsage);
  EXPECT_EQ(Render({data, "-o", dir.path() + "/p.PNG"}).status, kExitOk);  // the ending in any case
  EXPECT_EQ(Render({data}).status, kExitUsage);
  EXPECT_EQ(Render({data, "-o", dir.path() + "/p.svg", "--dpi", "200"}).status, kExitUsage);
  EXPECT_EQ(Render({data, "-o", dir.path() + "/p.png", "--dpi", "0"}).status, kExitUsage);
  EXPECT_EQ(Render({data, "-o", dir.path() + "/p.png", "--dpi", "5000"}).status, kExitUsage);
  EXPECT_EQ(Render({dir.path() + "/missing.txt", "-o", dir.path() + "/p.png"}).status, kExitUsage);

  const CliRun invalid = Render({dir.write("bad.txt", "X\tY\tZ\r\n1\tx\t2\r\n"), "-o", dir.path() + "/p.png"});
  EXPECT_EQ(invalid.status, kExitLoadFailed);
  EXPECT_FALSE(invalid.err.empty());

  const std::string unwritable = dir.path() + "/no/such/folder/p.png";
  const CliRun failed = Render({data, "-o", unwritable});
  EXPECT_EQ(failed.status, kExitWriteFailed);
  EXPECT_NE(failed.err.find("p.png"), std::string::npos);
}

}  // namespace
}  // namespace plotvane::cli
