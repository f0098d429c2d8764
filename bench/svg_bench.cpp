// Writing the page of the largest data set as SVG, as PDF and as an enhanced
// metafile, all streamed through the safe writer to a file: time, file size
// and peak memory. The goals: the SVG no slower than twice the metafile and no
// bigger than one and a half times it; the PDF no slower than twice the
// metafile. Run each benchmark on its own
// (--benchmark_filter) for its own peak memory: the figure is the process's.
//
// Two maps of 99 999 points (about 200 000 triangles): "smooth", a smooth
// surface plus a little noise, where neighbouring pieces share a band and so
// a style; and "rough", Z at random, where almost every piece changes style.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <map>
#include <random>

#include "load/OpenDataFile.h"
#include "qtplay/PageWriters.h"
#include "qtplay/PictureFormats.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane {
namespace {

constexpr int kPoints = 99999;
enum Surface : int { kSmooth = 0, kRough = 1 };

// The composed page of each surface, made once.
const gdi::EnhMetaFile& Page(int surface) {
  static std::map<int, gdi::EnhMetaFile> pages;
  gdi::EnhMetaFile& page = pages[surface];
  if (page.isNull()) {
    test::Points points = test::UniformPoints(kPoints, 20261207);
    if (surface == kRough) {
      std::mt19937_64 rng(7);
      std::uniform_real_distribution<double> z(0.0, 100.0);
      for (double& value : points.z) value = z(rng);
    }
    const test::TempDir dir;
    Document doc;
    OpenDataFile(dir.write("points.txt", test::DataFileText(points)), doc, NullProgress());
    page = ComposePage(doc, NullProgress());
  }
  return page;
}

void Report(benchmark::State& state, const std::string& path) {
  struct stat st {};
  ::stat(path.c_str(), &st);
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["file_MB"] = static_cast<double>(st.st_size) / 1e6;
  state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_PageSvg(benchmark::State& state) {
  const gdi::EnhMetaFile& page = Page(static_cast<int>(state.range(0)));
  const test::TempDir dir;
  const std::string path = dir.file("page.svg");
  for (auto _ : state) {
    if (qtplay::SavePicture(page, path, qtplay::PictureFormat::Svg)) state.SkipWithError("cannot write the SVG");
  }
  Report(state, dir.file("page.svg"));
}
BENCHMARK(BM_PageSvg)->ArgName("rough")->Arg(kSmooth)->Arg(kRough)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PagePdf(benchmark::State& state) {
  const gdi::EnhMetaFile& page = Page(static_cast<int>(state.range(0)));
  const test::TempDir dir;
  const std::string path = dir.file("page.pdf");
  for (auto _ : state) {
    if (qtplay::SavePicture(page, path, qtplay::PictureFormat::Pdf)) state.SkipWithError("cannot write the PDF");
  }
  Report(state, path);
}
BENCHMARK(BM_PagePdf)->ArgName("rough")->Arg(kSmooth)->Arg(kRough)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PageEmf(benchmark::State& state) {
  const gdi::EnhMetaFile& page = Page(static_cast<int>(state.range(0)));
  const test::TempDir dir;
  const std::string path = dir.file("page.emf");
  for (auto _ : state) {
    if (gdi::CopyEnhMetaFileA(page, path)) state.SkipWithError("cannot write the metafile");
  }
  Report(state, path);
}
BENCHMARK(BM_PageEmf)->ArgName("rough")->Arg(kSmooth)->Arg(kRough)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace plotvane
