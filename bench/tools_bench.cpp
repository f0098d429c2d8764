// The value look-up on the largest mesh a data file can give (99 999 uniform
// random points, about 200 000 triangles): one query at random points inside
// the data extent, with and without a distortion limit, on a clustered mesh,
// and the plain scan for comparison; building the spatial index; and a
// 1000 x 1000 grid conversion written to a file, on the uniform and the
// clustered mesh.

#include <benchmark/benchmark.h>

#include <random>

#include "support/SettingsTestSupport.h"
#include "support/TempDir.h"
#include "tools/GridConversion.h"
#include "tools/MeshLocator.h"
#include "tools/MeshValueAt.h"
#include "tools/ToolMeshes.h"

namespace plotvane {
namespace {

constexpr int kPoints = 99999;

const test::ToolMesh& UniformMesh() {
  static const test::ToolMesh mesh = test::DelaunayMesh(test::UniformPoints(kPoints, 20261207));
  return mesh;
}

const test::ToolMesh& ClusteredMesh() {
  static const test::ToolMesh mesh = test::DelaunayMesh(test::ClusteredPoints(kPoints, 8, 20261207));
  return mesh;
}

std::vector<std::pair<float, float>> QueriesInside(const DataRange& r, int count) {
  std::mt19937 rng(5);
  std::uniform_real_distribution<double> u(0.0, 1.0);
  std::vector<std::pair<float, float>> q;
  for (int i = 0; i < count; ++i) {
    q.emplace_back(static_cast<float>(r.xMin + (r.xMax - r.xMin) * u(rng)),
                   static_cast<float>(r.yMin + (r.yMax - r.yMin) * u(rng)));
  }
  return q;
}

template <typename LookUp>
void RunQueries(benchmark::State& state, const test::ToolMesh& t, const char* sq, LookUp lookUp) {
  const auto queries = QueriesInside(t.range, 1 << 16);
  const DistortionLimit limit = ReadDistortionLimit(test::WithLimit(sq));
  std::size_t k = 0;
  int values = 0;
  for (auto _ : state) {
    const auto& [x, y] = queries[k++ & (queries.size() - 1)];
    const MeshValue v = lookUp(t.mesh, t.range, limit, x, y);
    values += v.hasValue();
    benchmark::DoNotOptimize(v);
  }
  state.counters["triangles"] = t.mesh.nt;
  state.counters["always"] = static_cast<double>(LocatorOf(t.mesh).alwaysCount());
  state.counters["hits"] = benchmark::Counter(values, benchmark::Counter::kAvgIterations);
}

void BM_MeshValueAt(benchmark::State& state) {
  RunQueries(state, UniformMesh(), "", [](auto&... a) { return MeshValueAt(a...); });
}
BENCHMARK(BM_MeshValueAt);

void BM_MeshValueAtWithLimit(benchmark::State& state) {
  RunQueries(state, UniformMesh(), "0.5", [](auto&... a) { return MeshValueAt(a...); });
}
BENCHMARK(BM_MeshValueAtWithLimit);

void BM_MeshValueAtClustered(benchmark::State& state) {
  RunQueries(state, ClusteredMesh(), "", [](auto&... a) { return MeshValueAt(a...); });
}
BENCHMARK(BM_MeshValueAtClustered);

void BM_MeshValueAtLinear(benchmark::State& state) {
  RunQueries(state, UniformMesh(), "", [](auto&... a) { return MeshValueAtLinear(a...); });
}
BENCHMARK(BM_MeshValueAtLinear)->Unit(benchmark::kMicrosecond);

void BM_BuildLocator(benchmark::State& state) {
  const Mesh& mesh = UniformMesh().mesh;
  for (auto _ : state) benchmark::DoNotOptimize(MeshLocator::Build(mesh));
  state.counters["triangles"] = mesh.nt;
}
BENCHMARK(BM_BuildLocator)->Unit(benchmark::kMillisecond);

void ConvertGrid(benchmark::State& state, const test::ToolMesh& t) {
  Document d;
  d.mesh = t.mesh;
  d.range = t.range;
  d.points.labelX.push_back('X');  // (assigning a short literal trips a false -Wrestrict in GCC 12)
  d.points.labelY.push_back('Y');
  d.points.labelZ.push_back('Z');
  const DataRange& r = t.range;
  const GridParameters grid{static_cast<float>(r.xMin), static_cast<float>((r.xMax - r.xMin) / 999), 1000,
                            static_cast<float>(r.yMin), static_cast<float>((r.yMax - r.yMin) / 999), 1000};
  test::TempDir dir;
  const std::string path = dir.file("grid.txt");
  for (auto _ : state) {
    const WriteOutcome result = ConvertToGrid(d, grid, path);
    if (result) state.SkipWithError(result->message.c_str());
  }
  state.counters["bytes"] = static_cast<double>(test::ReadBytes(path).size());
}

// Real time: the conversion runs on two threads.
void BM_GridConversion1000x1000(benchmark::State& state) { ConvertGrid(state, UniformMesh()); }
BENCHMARK(BM_GridConversion1000x1000)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_GridConversionClustered1000x1000(benchmark::State& state) { ConvertGrid(state, ClusteredMesh()); }
BENCHMARK(BM_GridConversionClustered1000x1000)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
