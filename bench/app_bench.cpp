// The desktop program on the largest data file (99 999 uniform random
// points): "データ読込" from the chosen file to the map on screen and in the
// page file (read, mesh, compose, play, write), and one mouse move over the
// map, from the event to the status-bar text. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <random>

#include "AppTestSupport.h"
#include "app/PageSurface.h"
#include "common/AllocatorTuning.h"
#include "support/PointGenerators.h"

namespace plotvane {
namespace {

constexpr int kPoints = 99999;

struct Loaded {
  test::TempDir dir;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<app::MainWindow> window;
  QString path;
};

Loaded& Program() {
  static Loaded* loaded = [] {
    auto* l = new Loaded;
    l->path = QString::fromStdString(
        l->dir.write("points99999.txt", test::DataFileText(test::UniformPoints(kPoints, 20261207))));
    l->window = test::MakeMainWindow(l->dialogs, l->dir.path());
    l->window->startUp(QString());
    l->window->show();
    return l;
  }();
  return *loaded;
}

void BM_LoadThroughMenu(benchmark::State& state) {
  Loaded& p = Program();
  for (auto _ : state) {
    p.dialogs.fileAnswers = {p.path};
    p.window->controls().mnuFileNew->trigger();
  }
  if (!p.window->document().drawable()) state.SkipWithError("the file did not load");
  state.counters["triangles"] = static_cast<double>(p.window->document().mesh.nt);
}
BENCHMARK(BM_LoadThroughMenu)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_MouseMoveReadout(benchmark::State& state) {
  Loaded& p = Program();
  if (!p.window->document().drawable()) {
    p.dialogs.fileAnswers = {p.path};
    p.window->controls().mnuFileNew->trigger();
  }
  app::PageSurface* surface = p.window->pageSurface();
  // Pixels over the map square: 87..464 across, 41..418 down.
  std::mt19937 rng(3);
  std::uniform_int_distribution<int> across(87, 464), down(41, 418);
  std::vector<QPointF> moves;
  for (int i = 0; i < 4096; ++i) {
    moves.emplace_back(across(rng) + app::PageSurface::kBorder, down(rng) + app::PageSurface::kBorder);
  }
  std::size_t k = 0;
  int shown = 0;
  for (auto _ : state) {
    const QPointF& at = moves[k++ & (moves.size() - 1)];
    QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(surface, &move);
    shown += p.window->statusText().isEmpty() ? 0 : 1;
  }
  benchmark::DoNotOptimize(shown);
  state.counters["with_value"] = benchmark::Counter(shown, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_MouseMoveReadout)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace plotvane

int main(int argc, char** argv) {
  plotvane::TuneAllocator();  // as the program does first thing
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
