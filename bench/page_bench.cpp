// The page of a full data set: composing (recording) it, rasterising it to
// the 597 x 477 screen image and to a PNG file, and writing the page file.
//
// The data sets are uniform random points with a smooth Z surface plus noise,
// 10 000 and 99 999 points (the most a text data file holds, about 200 000
// triangles), loaded by the load road with its default settings: 20 bands,
// contour lines on, colour fill.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <QImage>
#include <cmath>
#include <memory>
#include <vector>

#include "data/BoundaryMask.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "render/gdi/TextMeasurer.h"
#include "support/LoadedDocument.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

Document& LoadedDocument(int count) { return test::LoadedUniformDocument(count); }

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_ComposePage(benchmark::State& state) {
  Document& doc = LoadedDocument(static_cast<int>(state.range(0)));
  std::int64_t records = 0, bytes = 0;
  for (auto _ : state) {
    const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
    records = page.pictures().front().records().recordCount();
    bytes = page.pictures().front().byteSize();
  }
  state.counters["triangles"] = doc.mesh.nt;
  state.counters["map_records"] = static_cast<double>(records);
  state.counters["map_MB"] = static_cast<double>(bytes) / 1e6;
}
BENCHMARK(BM_ComposePage)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RasterisePage(benchmark::State& state) {
  const gdi::EnhMetaFile page = ComposePage(LoadedDocument(static_cast<int>(state.range(0))), NullProgress());
  for (auto _ : state) {
    const QImage image = qtplay::renderImage(page);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_RasterisePage)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

// A site boundary of 400 corners with a hole of 100, over most of the data.
std::shared_ptr<const BoundaryMask> BenchBoundary() {
  std::vector<MaskRing> rings(2);
  for (int k = 0; k < 400; ++k) {
    const double angle = 2 * M_PI * k / 400, r = 40 + 5 * std::sin(7 * angle);
    rings[0].push_back({50 + r * std::cos(angle), 50 + r * std::sin(angle)});
  }
  for (int k = 0; k < 100; ++k) {
    const double angle = 2 * M_PI * k / 100;
    rings[1].push_back({45 + 10 * std::cos(angle), 55 + 8 * std::sin(angle)});
  }
  return std::make_shared<const BoundaryMask>(std::move(rings));
}

// Composing and rasterising the page, without (0) and with (1) a boundary.
void BM_PageWithBoundary(benchmark::State& state) {
  Document doc = LoadedDocument(static_cast<int>(state.range(0)));
  if (state.range(1) != 0) doc.mesh.boundary = BenchBoundary();
  for (auto _ : state) {
    const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
    const QImage image = qtplay::renderImage(page);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_PageWithBoundary)->Args({99999, 0})->Args({99999, 1})->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WritePng(benchmark::State& state) {
  const gdi::EnhMetaFile page = ComposePage(LoadedDocument(static_cast<int>(state.range(0))), NullProgress());
  const test::TempDir dir;
  const std::string path = dir.file("page.png");
  for (auto _ : state) {
    if (qtplay::SavePicture(page, path, qtplay::PictureFormat::Png)) state.SkipWithError("cannot write the PNG");
  }
}
BENCHMARK(BM_WritePng)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteEmf(benchmark::State& state) {
  const gdi::EnhMetaFile page = ComposePage(LoadedDocument(static_cast<int>(state.range(0))), NullProgress());
  const test::TempDir dir;
  const std::string path = dir.file("page.emf");
  for (auto _ : state) {
    if (gdi::CopyEnhMetaFileA(page, path)) state.SkipWithError("cannot write the page file");
  }
  struct stat st {};
  stat(path.c_str(), &st);
  state.counters["file_MB"] = static_cast<double>(st.st_size) / 1e6;
  state.counters["peak_rss_MB"] = PeakMegabytes();
}
BENCHMARK(BM_WriteEmf)->Arg(10000)->Arg(99999)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace plotvane
