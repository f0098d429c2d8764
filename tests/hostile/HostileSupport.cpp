#include "hostile/HostileSupport.h"

#include <gtest/gtest.h>

#include <random>

#include "tools/MeshValueAt.h"

namespace plotvane::test {

Document LoadGoodFile(const TempDir& dir, Document& doc) {
  const std::string path = dir.write("good.txt", DataFileText(UniformPoints(80, 5)));
  EXPECT_EQ(OpenDataFile(path, doc, NullProgress()), LoadStatus::Meshed);
  EXPECT_TRUE(doc.drawable());
  return doc;
}

void ExpectNothingOfEarlierDataInUse(const Document& doc, const Document& earlier) {
  EXPECT_FALSE(doc.drawable());
  EXPECT_EQ(doc.mesh.nt, 0);
  EXPECT_FALSE(doc.mesh.locator.built());
  int answered = 0;
  for (PointIndex i = 1; i <= earlier.points.nn; ++i) {
    const auto x = static_cast<float>(earlier.points.dataX[i]);
    const auto y = static_cast<float>(earlier.points.dataY[i]);
    if (!MeshValueAt(earlier, x, y).hasValue()) continue;
    EXPECT_FALSE(MeshValueAt(doc, x, y).hasValue()) << "the earlier mesh answers at point " << i;
    ++answered;
  }
  EXPECT_GT(answered, 0) << "the earlier data set should have answered somewhere";
}

void ExpectSoundMesh(const Document& doc) {
  const Mesh& m = doc.mesh;
  ASSERT_TRUE(doc.drawable());
  ASSERT_EQ(m.ipt.size(), 3 * static_cast<std::size_t>(m.nt) + 1);
  ASSERT_EQ(m.hh.size(), static_cast<std::size_t>(m.nt) + 1);
  for (std::size_t k = 1; k < m.ipt.size(); ++k) {
    ASSERT_GE(m.ipt[k], 1);
    ASSERT_LE(m.ipt[k], doc.points.nn);
  }
  for (TriangleIndex k = 1; k <= m.nt; ++k) {
    EXPECT_GE(m.hh[k], 0.0);
    EXPECT_LE(m.hh[k], 1.0);
  }
  for (const auto* axis : {&m.meshX, &m.meshY, &m.meshZ}) {
    for (PointIndex i = 1; i <= doc.points.nn; ++i) {
      EXPECT_GE((*axis)[i], 0.0);
      EXPECT_LE((*axis)[i], 100.00000000000003);
    }
  }
}

std::string RepeatedLines(std::string_view line, std::int64_t count, std::string_view lineEnd) {
  std::string text;
  text.reserve(static_cast<std::size_t>(count) * (line.size() + lineEnd.size()));
  for (std::int64_t i = 0; i < count; ++i) {
    text += line;
    text += lineEnd;
  }
  return text;
}

std::string NoiseBytes(std::size_t size, std::uint32_t seed) {
  std::mt19937 rng(seed);
  std::uniform_int_distribution<int> byte(0, 255);
  std::string bytes(size, '\0');
  for (char& c : bytes) c = static_cast<char>(byte(rng));
  return bytes;
}

std::string PointsText(const Points& points, std::string_view lineEnd) {
  std::string text = DataFileText(points);
  std::string out;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t end = text.find("\r\n", pos);
    out.append(text, pos, end - pos);
    out += lineEnd;
    pos = end + 2;
  }
  return out;
}

}  // namespace plotvane::test
