// The triangulation on uniform random points, 10 000 to 99 999 (the most a
// text data file can hold), with the literal method at the small size for
// comparison; and the whole load road (read, mesh, distortion, spatial index)
// of a 99 999-point file; and the insertion of 10 000 breakline vertices
// into the 99 999-point mesh.

#include <benchmark/benchmark.h>

#include <cmath>
#include <fstream>

#include "load/OpenDataFile.h"
#include "mesh/InsertConstraints.h"
#include "mesh/Triangulate.h"
#include "oracle/LiteralMesh.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

struct Normalised {
  std::vector<double> x, y, z;
};

Normalised NormalisedUniform(int count) {
  const test::Points p = test::UniformPoints(count, 20261207);
  Normalised n{{0.0}, {0.0}, {0.0}};
  for (int i = 0; i < count; ++i) {
    // The generator's square is 0..1000, so this is the load road's (v - min) * 100 / (max - min) up to the
    // exact extremes, which do not matter for the timing.
    n.x.push_back(p.x[i] * 100.0 / 1000.0);
    n.y.push_back(p.y[i] * 100.0 / 1000.0);
    n.z.push_back(p.z[i]);
  }
  return n;
}

void RunTriangulate(benchmark::State& state, const BuildMeshFunction& build) {
  const int count = static_cast<int>(state.range(0));
  const Normalised points = NormalisedUniform(count);
  TriangleIndex nt = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Normalised work = points;
    std::vector<std::int32_t> ipt;
    std::string err;
    state.ResumeTiming();
    Triangulate(count, work.x, work.y, work.z, nt, ipt, err, NullProgress(), build);
    benchmark::DoNotOptimize(ipt.data());
  }
  state.counters["triangles"] = nt;
}

void BM_Triangulate(benchmark::State& state) { RunTriangulate(state, BuildMesh); }
void BM_TriangulateLiteral(benchmark::State& state) { RunTriangulate(state, oracle::BuildMeshLiteral); }

BENCHMARK(BM_Triangulate)->Arg(10000)->Arg(31623)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_TriangulateLiteral)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_OpenDataFile(benchmark::State& state) {
  test::TempDir dir;
  const std::string path = dir.write("points.txt", test::DataFileText(test::UniformPoints(99999, 7)));
  for (auto _ : state) {
    Document doc;
    benchmark::DoNotOptimize(OpenDataFile(path, doc, NullProgress()));
  }
}
BENCHMARK(BM_OpenDataFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// 10 000 breakline vertices: 100 wavy lines of 100 vertices across the
// square, each in a band of its own so that none crosses another; every
// other vertex without a height.
std::vector<ConstraintLine> WavyLines() {
  std::vector<ConstraintLine> lines(100);
  for (int k = 0; k < 100; ++k) {
    for (int v = 0; v < 100; ++v) {
      lines[k].x.push_back(1.0 + 0.98 * v);
      lines[k].y.push_back(0.5 + k + 0.3 * std::sin(0.7 * v + k));
      lines[k].z.push_back(v % 2 ? std::nan("") : 50.0);
    }
  }
  return lines;
}

// The constrained insertion alone, on the mesh BM_Triangulate makes of
// 99 999 points: to be compared with that time.
void BM_InsertConstraints(benchmark::State& state) {
  Normalised meshed = NormalisedUniform(99999);
  TriangleIndex nt = 0;
  std::vector<std::int32_t> ipt;
  std::string err;
  Triangulate(99999, meshed.x, meshed.y, meshed.z, nt, ipt, err, NullProgress());
  const std::vector<ConstraintLine> lines = WavyLines();
  std::size_t added = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Normalised work = meshed;
    std::vector<std::int32_t> workIpt = ipt;
    TriangleIndex workNt = nt;
    PointIndex nv = 99999;
    state.ResumeTiming();
    added = InsertConstraints(lines, work.x, work.y, work.z, nv, workNt, workIpt).added.size();
    benchmark::DoNotOptimize(workIpt.data());
  }
  state.counters["added"] = static_cast<double>(added);
}
BENCHMARK(BM_InsertConstraints)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
