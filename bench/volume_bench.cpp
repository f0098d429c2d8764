// Earthwork volumes on the largest meshes a data file can give: two surfaces
// of 99 999 uniform random points (about 200 000 triangles each) overlapping
// on nine tenths of their area, by the exact method and by 1 x 1 cells
// (about a million look-ups on each surface); and one of them against a plane.
// Goals on a 2-core machine: 2 s and 500 MB between surfaces, 0.5 s against
// a plane. The peak memory counter is the whole process's, meshes included.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "support/SettingsTestSupport.h"
#include "tools/ToolMeshes.h"
#include "tools/Volume.h"

namespace plotvane {
namespace {

constexpr int kPoints = 99999;

const test::ToolMesh& Surface() {
  static const test::ToolMesh mesh = test::DelaunayMesh(test::UniformPoints(kPoints, 20261208));
  return mesh;
}

// The second surface: other points, moved by a tenth of the side, 3 units higher.
const test::ToolMesh& Reference() {
  static const test::ToolMesh mesh = [] {
    test::Points p = test::UniformPoints(kPoints, 20261209);
    for (int i = 0; i < p.size(); ++i) {
      p.x[i] += 100;
      p.z[i] += 3;
    }
    return test::DelaunayMesh(p);
  }();
  return mesh;
}

VolumeSurface SurfaceOf(const test::ToolMesh& t) { return {&t.mesh, t.range, ReadDistortionLimit(DrawSettings{})}; }

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void Run(benchmark::State& state, const VolumeReference& reference, VolumeMethod method) {
  const VolumeSurface s = SurfaceOf(Surface());
  VolumeFigures f;
  for (auto _ : state) {
    f = ComputeVolume(s, reference, {method, 1.0});
    benchmark::DoNotOptimize(f);
  }
  state.counters["triangles"] = Surface().mesh.nt;
  state.counters["area"] = f.area;
  state.counters["peak_MB"] = PeakMegabytes();
}

// Real time: the work runs on two threads.
void BM_TinVolumeBetweenSurfaces(benchmark::State& state) {
  Run(state, {std::nullopt, SurfaceOf(Reference())}, VolumeMethod::Tin);
}
BENCHMARK(BM_TinVolumeBetweenSurfaces)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_TinVolumeAgainstPlane(benchmark::State& state) { Run(state, {60.0, {}}, VolumeMethod::Tin); }
BENCHMARK(BM_TinVolumeAgainstPlane)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_GridVolumeBetweenSurfaces(benchmark::State& state) {
  Run(state, {std::nullopt, SurfaceOf(Reference())}, VolumeMethod::Grid);
}
BENCHMARK(BM_GridVolumeBetweenSurfaces)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
