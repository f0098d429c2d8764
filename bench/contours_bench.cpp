// The contours of a full data set: building the level lines, building the
// bands, and the whole export from the loaded document to a file in each
// format. The data sets are those of the page benchmark (LoadedDocument.h):
// 10 000 and 99 999 points, default settings (20 levels). The export of the
// 99 999-point lines as GeoJSON is to stay within 0.3 s.

#include <benchmark/benchmark.h>

#include <sys/stat.h>
#include <string>

#include "contours/ContourExport.h"
#include "support/LoadedDocument.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

std::size_t PointCount(const ContourSet& set) {
  std::size_t points = 0;
  for (const ContourLevel& level : set.levels) {
    for (const ContourLine& line : level.lines) points += line.points.size();
  }
  return points;
}

void BM_BuildLines(benchmark::State& state) {
  const Document& doc = test::LoadedUniformDocument(static_cast<int>(state.range(0)));
  std::size_t points = 0;
  for (auto _ : state) {
    const ContourSet set = BuildContourSet(doc, doc.settings, false);
    points = PointCount(set);
  }
  state.counters["triangles"] = doc.mesh.nt;
  state.counters["line_points"] = static_cast<double>(points);
}
BENCHMARK(BM_BuildLines)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_BuildBands(benchmark::State& state) {
  const Document& doc = test::LoadedUniformDocument(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildContourSet(doc, doc.settings, true).bands.size());
}
BENCHMARK(BM_BuildBands)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

// From the loaded document to the written file.
void Export(benchmark::State& state, const char* name, bool bands) {
  const Document& doc = test::LoadedUniformDocument(static_cast<int>(state.range(0)));
  const test::TempDir dir;
  const std::string path = dir.file(name);
  for (auto _ : state) {
    const WriteOutcome failure = ExportContours(doc, doc.settings, path, bands);
    if (failure) state.SkipWithError(failure->message.c_str());
  }
  struct stat st {};
  stat(path.c_str(), &st);
  state.counters["file_MB"] = static_cast<double>(st.st_size) / 1e6;
}

void BM_ExportGeoJson(benchmark::State& state) { Export(state, "lines.geojson", false); }
BENCHMARK(BM_ExportGeoJson)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_ExportDxf(benchmark::State& state) { Export(state, "lines.dxf", false); }
BENCHMARK(BM_ExportDxf)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_ExportCsv(benchmark::State& state) { Export(state, "lines.csv", false); }
BENCHMARK(BM_ExportCsv)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();
void BM_ExportBandsGeoJson(benchmark::State& state) { Export(state, "bands.geojson", true); }
BENCHMARK(BM_ExportBandsGeoJson)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
