// Degenerate and extreme point geometry through the load road: too few,
// equal, collinear and nearly collinear points, and the coordinate scales the
// normalisation must absorb (a million-to-one aspect ratio, spans of 1e-12,
// subnormal coordinates, projected coordinates far from the origin).
//
// The scale cases compare meshes, not just outcomes: multiplying a column by
// a power of two, or shifting it by a constant whose sums are exact, leaves
// (v - min) * 100 / (max - min) bit for bit the same, so the mesh must be
// identical to that of the plain data.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "common/Messages.h"
#include "hostile/HostileSupport.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

using test::Points;

struct LoadedMesh {
  LoadStatus status = LoadStatus::CannotOpen;
  Document doc;
};

LoadedMesh Load(const std::string& text) {
  test::TempDir dir;
  LoadedMesh loaded;
  loaded.status = OpenDataFile(dir.write("p.txt", text), loaded.doc, NullProgress());
  return loaded;
}

LoadedMesh Load(const Points& points) { return Load(test::DataFileText(points)); }

Points Transformed(const Points& p, const std::function<double(double)>& fx, const std::function<double(double)>& fy) {
  Points out;
  for (int i = 0; i < p.size(); ++i) out.add(fx(p.x[i]), fy(p.y[i]), p.z[i]);
  return out;
}

void ExpectSameMesh(const LoadedMesh& a, const LoadedMesh& b) {
  ASSERT_EQ(a.status, LoadStatus::Meshed);
  ASSERT_EQ(b.status, LoadStatus::Meshed);
  const Mesh& m = a.doc.mesh;
  const Mesh& n = b.doc.mesh;
  EXPECT_EQ(m.meshX, n.meshX);
  EXPECT_EQ(m.meshY, n.meshY);
  EXPECT_EQ(m.meshZ, n.meshZ);
  ASSERT_EQ(m.nt, n.nt);
  EXPECT_EQ(m.ipt, n.ipt);
  EXPECT_EQ(m.hh, n.hh);
}

struct DegenerateSet {
  const char* name;
  std::function<Points()> points;
  LoadStatus status;
  std::string_view errMsg;
};

Points Line(int count, double slope) {
  Points p;
  for (int i = 0; i < count; ++i) p.add(i * 3.0, i * 3.0 * slope + 7.0, i % 5);
  return p;
}

const DegenerateSet kDegenerate[] = {
    {"AllPointsEqual",
     [] {
       return Transformed(
           test::UniformPoints(20, 1), [](double) { return 4.0; }, [](double) { return 5.0; });
     },
     LoadStatus::NoRange, messages::kUnexpectedReadFailure},
    {"AllZEqual",
     [] {
       Points p = test::UniformPoints(20, 2);
       for (double& z : p.z) z = 1.5;
       return p;
     },
     LoadStatus::NoRange, messages::kUnexpectedReadFailure},
    {"OnePoint", [] { return Line(1, 0.5); }, LoadStatus::NoRange, messages::kUnexpectedReadFailure},
    {"TwoPoints", [] { return Line(2, 0.5); }, LoadStatus::TooFewPoints, messages::kTooFewPoints},
    {"HorizontalLine", [] { return Line(30, 0.0); }, LoadStatus::NoRange, messages::kUnexpectedReadFailure},
    {"SlantedLine", [] { return Line(30, 0.37); }, LoadStatus::AllCollinear, messages::kAllCollinear},
    {"DuplicateAmongMany",
     [] {
       Points p = test::UniformPoints(50, 3);
       p.add(p.x[17], p.y[17], p.z[17] + 1);
       return p;
     },
     LoadStatus::DuplicatePoints, messages::kDuplicatePoints},
};

class DegenerateGeometry : public testing::TestWithParam<DegenerateSet> {};

TEST_P(DegenerateGeometry, EndsWithItsMessageAndNoMesh) {
  const DegenerateSet& c = GetParam();
  test::TempDir dir;
  Document doc;
  const Document earlier = test::LoadGoodFile(dir, doc);
  EXPECT_EQ(OpenDataFile(dir.write("p.txt", test::DataFileText(c.points())), doc, NullProgress()), c.status);
  EXPECT_EQ(doc.errMsg, c.errMsg);
  test::ExpectNothingOfEarlierDataInUse(doc, earlier);
  EXPECT_GE(doc.points.nn, 1) << "the points stay loaded";
}

INSTANTIATE_TEST_SUITE_P(Sets, DegenerateGeometry, testing::ValuesIn(kDegenerate),
                         [](const testing::TestParamInfo<DegenerateSet>& item) { return item.param.name; });

// Nearly on one line: the method either finds no triangle (and says so) or
// gives a mesh; either way nothing half-built is left in use.
TEST(DegenerateGeometry, NearlyCollinearPointsMeshOrReportAllCollinear) {
  for (const double jitter : {1e-12, 1e-9, 1e-6, 1e-3}) {
    SCOPED_TRACE(jitter);
    const LoadedMesh loaded = Load(test::NearCollinearPoints(60, jitter, 11));
    if (loaded.status == LoadStatus::Meshed) {
      test::ExpectSoundMesh(loaded.doc);
    } else {
      EXPECT_EQ(loaded.status, LoadStatus::AllCollinear);
      EXPECT_EQ(loaded.doc.errMsg, messages::kAllCollinear);
      EXPECT_EQ(loaded.doc.mesh.nt, 0);
    }
  }
}

TEST(ExtremeScales, MillionToOneAspectRatioMeshesLikeTheSquare) {
  const Points plain = test::UniformPoints(300, 21);
  const LoadedMesh wide = Load(Transformed(
      plain, [](double x) { return std::ldexp(x, 20); }, [](double y) { return y; }));
  ExpectSameMesh(wide, Load(plain));
  test::ExpectSoundMesh(wide.doc);
}

TEST(ExtremeScales, SpanOfOneTrillionthMeshesLikeTheSquare) {
  const Points plain = test::UniformPoints(300, 22);
  // X in 0 .. 8.9e-13.
  const LoadedMesh narrow = Load(Transformed(
      plain, [](double x) { return std::ldexp(x, -50); }, [](double y) { return y; }));
  ExpectSameMesh(narrow, Load(plain));
}

TEST(ExtremeScales, SubnormalCoordinatesMeshLikeWholeNumbers) {
  const Points lattice = test::LatticePoints(9, 7, 23);
  const double tiny = std::ldexp(1.0, -1074);  // the smallest subnormal
  const LoadedMesh subnormal = Load(Transformed(
      lattice, [tiny](double x) { return x * tiny; }, [tiny](double y) { return y * 3 * tiny; }));
  ExpectSameMesh(subnormal, Load(lattice));
}

// Coordinates on a grid of 2^-20 m (about a micrometre), so that shifting
// them to X near 500 000 and Y near 4 000 000 is exact.
Points SurveyNearOrigin(std::uint32_t seed) {
  return Transformed(
      test::UniformPoints(400, seed), [](double x) { return std::round(x / 10 * 0x100000) / 0x100000; },
      [](double y) { return std::round(y / 10 * 0x100000) / 0x100000; });
}

TEST(FarFromOrigin, ExactlyShiftedSurveyGivesTheSameMesh) {
  const Points near = SurveyNearOrigin(31);
  const Points far = Transformed(
      near, [](double x) { return x + 500000; }, [](double y) { return y + 4000000; });
  for (int i = 0; i < near.size(); ++i) ASSERT_EQ(far.x[i] - 500000, near.x[i]) << "the shift must be exact";
  const LoadedMesh farMesh = Load(far);
  const LoadedMesh nearMesh = Load(near);
  ExpectSameMesh(farMesh, nearMesh);
  // The look-up takes single-precision coordinates, which far from the origin
  // resolve only 1/32 m in X and 1/4 m in Y. A point given there answers
  // exactly what the same float point, shifted, answers near the origin.
  int answered = 0;
  for (int i = 0; i < far.size(); ++i) {
    const float X = static_cast<float>(far.x[i] + 0.3), Y = static_cast<float>(far.y[i] + 0.3);
    const MeshValue a = MeshValueAt(farMesh.doc, X, Y);
    const MeshValue b = MeshValueAt(nearMesh.doc, static_cast<float>(X - 500000.0), static_cast<float>(Y - 4000000.0));
    ASSERT_EQ(a.kind, b.kind) << i;
    if (a.hasValue()) {
      EXPECT_EQ(a.z, b.z) << i;
      ++answered;
    }
  }
  EXPECT_GT(answered, far.size() / 2);
}

// The same survey typed in millimetres, as a field book gives it: "500012.345"
// cannot be represented exactly, and far from the origin it rounds to a
// coarser grid (4.7e-10 m in Y) than "12.345" does near it. The normalisation
// adds no error of its own (the subtraction of the minimum is exact, both
// being of the same magnitude), so the normalised coordinates differ only by
// that input rounding: a few 1e-10 on the 0..100 scale, a few parts in 1e12
// of the range, far below any survey's precision. A survey without four
// points on one circle therefore meshes the same; one with such points may
// tip either way, as it may between two surveys of the same ground.
TEST(FarFromOrigin, SurveyTypedInMillimetresDiffersOnlyByInputRounding) {
  const Points metres = test::UniformPoints(400, 32);
  std::string nearText = "E\tN\tH\r\n";
  std::string farText = nearText;
  char line[128];
  for (int i = 0; i < metres.size(); ++i) {
    const double e = metres.x[i] / 10, n = metres.y[i] / 10;
    std::snprintf(line, sizeof line, "%.3f\t%.3f\t%.2f\r\n", e, n, metres.z[i]);
    nearText += line;
    std::snprintf(line, sizeof line, "%.3f\t%.3f\t%.2f\r\n", 500000 + e, 4000000 + n, metres.z[i]);
    farText += line;
  }
  const LoadedMesh nearMesh = Load(nearText);
  const LoadedMesh farMesh = Load(farText);
  ASSERT_EQ(nearMesh.status, LoadStatus::Meshed);
  ASSERT_EQ(farMesh.status, LoadStatus::Meshed);
  const Mesh& a = nearMesh.doc.mesh;
  const Mesh& b = farMesh.doc.mesh;
  ASSERT_EQ(a.meshX.size(), b.meshX.size());
  for (std::size_t i = 1; i < a.meshX.size(); ++i) {
    EXPECT_NEAR(a.meshX[i], b.meshX[i], 1e-9);
    EXPECT_NEAR(a.meshY[i], b.meshY[i], 1e-9);
    EXPECT_EQ(a.meshZ[i], b.meshZ[i]);
  }
  EXPECT_EQ(a.nt, b.nt);
  EXPECT_EQ(a.ipt, b.ipt);
}

}  // namespace
}  // namespace plotvane
