// Recording, playing and writing a full-size map through the drawing layer.
//
// The synthetic map has the shape of the renderer's heaviest load: 200 000
// triangles on a regular grid over the map square, each filled as three band
// pieces (pen and brush selected, a four-point polygon) and crossed by one
// contour segment drawn with its own pen (create, select, move, line there
// and back, delete), plus the triangle's edges.

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "render/emf/EmfWriter.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/Playback.h"

namespace plotvane::gdi {
namespace {

constexpr int kGrid = 317;  // 2 x 317 x 317 = 200 978 triangles
constexpr int kBands = 20;

EnhMetaFile RecordMap() {
  std::vector<HPEN> pens;
  std::vector<HBRUSH> brushes;
  for (int k = 0; k < kBands; ++k) {
    pens.push_back(CreatePen(PenStyle::PS_SOLID, 20, RGB(10 * k, 255 - 10 * k, 0)));
    brushes.push_back(CreateSolidBrush(RGB(10 * k, 255 - 10 * k, 0)));
  }
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, -10000, 10000, 0});
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  const double step = 10000.0 / kGrid;
  for (int row = 0; row < kGrid; ++row) {
    for (int column = 0; column < kGrid; ++column) {
      const auto x0 = static_cast<std::int32_t>(column * step), x1 = static_cast<std::int32_t>((column + 1) * step);
      const auto y0 = static_cast<std::int32_t>(row * step), y1 = static_cast<std::int32_t>((row + 1) * step);
      for (int half = 0; half < 2; ++half) {
        for (int piece = 0; piece < 3; ++piece) {
          const int band = (row + column + piece) % kBands;
          hdc.SelectObject(pens[band]);
          hdc.SelectObject(brushes[band]);
          const std::int32_t ym = y0 + (y1 - y0) * (piece + 1) / 3;
          const std::array<POINT, 4> strip{POINT{x0, y0}, POINT{x1, half == 0 ? y0 : y1}, POINT{x1, ym}, POINT{x0, ym}};
          hdc.Polygon(strip);
        }
        const HPEN line = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
        hdc.SelectObject(line);
        hdc.MoveToEx(x0, (y0 + y1) / 2);
        hdc.LineTo(x1, (y0 + y1) / 2);
        hdc.LineTo(x0, (y0 + y1) / 2);
        hdc.MoveToEx(x0, y0);
        hdc.LineTo(x1, half == 0 ? y0 : y1);
        hdc.LineTo(x1, y1);
        hdc.LineTo(x0, y0);
        DeleteObject(line);
      }
    }
  }
  for (const HPEN p : pens) DeleteObject(p);
  for (const HBRUSH b : brushes) DeleteObject(b);
  return CloseEnhMetaFile(hdc);
}

EnhMetaFile Page(const EnhMetaFile& map) {
  DeviceContext page = CreateEnhMetaFileA(RECT{0, -12620, 15795, 0});
  page.SetMapMode(MapMode::MM_HIMETRIC);
  page.PlayEnhMetaFile(map, RECT{2300, 11535, 12300, 1535});
  return CloseEnhMetaFile(page);
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_RecordMap(benchmark::State& state) {
  std::int64_t bytes = 0, records = 0;
  for (auto _ : state) {
    const EnhMetaFile map = RecordMap();
    bytes = map.byteSize();
    records = map.records().recordCount();
  }
  state.counters["records"] = static_cast<double>(records);
  state.counters["MB"] = static_cast<double>(bytes) / 1e6;
  state.counters["bytes_per_polygon"] = static_cast<double>(bytes) / (2.0 * kGrid * kGrid * 3);
  state.counters["peak_rss_MB"] = PeakMegabytes();
}
BENCHMARK(BM_RecordMap)->Unit(benchmark::kMillisecond);

// Walking the records, as every output does; the sink only counts.
class CountingSink final : public PlaybackSink {
 public:
  void setPen(const LOGPEN&, double) override {}
  void setBrush(const LOGBRUSH&) override {}
  void setFont(const LOGFONT&, double) override {}
  void polygon(std::span<const PointF> points) override { calls += static_cast<std::int64_t>(points.size()); }
  void polyline(std::span<const PointF> points) override { calls += static_cast<std::int64_t>(points.size()); }
  void line(PointF, PointF) override { ++calls; }
  void text(const TextRun&) override {}
  void clip(std::span<const PointF>) override {}
  std::int64_t calls = 0;
};

void BM_PlayPage(benchmark::State& state) {
  const EnhMetaFile page = Page(RecordMap());
  for (auto _ : state) {
    CountingSink sink;
    PlayPicture(page, RectF{0, 0, 597, 477}, sink);
    benchmark::DoNotOptimize(sink.calls);
  }
}
BENCHMARK(BM_PlayPage)->Unit(benchmark::kMillisecond);

// Written to a file as the page composition does, through the streaming
// writer; run it alone to read the peak of a whole composition.
void BM_CopyEnhMetaFile(benchmark::State& state) {
  const EnhMetaFile page = Page(RecordMap());
  char folder[] = "/tmp/render_bench.XXXXXX";
  if (mkdtemp(folder) == nullptr) {
    state.SkipWithError("no temporary folder");
    return;
  }
  const std::string path = std::string(folder) + "/temp0001.emf";
  for (auto _ : state) {
    if (CopyEnhMetaFileA(page, path)) state.SkipWithError("cannot write the page file");
  }
  struct stat st {};
  stat(path.c_str(), &st);
  state.counters["file_MB"] = static_cast<double>(st.st_size) / 1e6;
  state.counters["peak_rss_MB"] = PeakMegabytes();
  unlink(path.c_str());
  rmdir(folder);
}
BENCHMARK(BM_CopyEnhMetaFile)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plotvane::gdi

BENCHMARK_MAIN();
