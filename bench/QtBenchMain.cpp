// The main of the benchmark programs that draw or write the page: those need
// a QGuiApplication (fonts, painting), which the offscreen platform gives
// without a display, and the Qt text measurer that the program installs.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "qtplay/QtFonts.h"
#include "render/gdi/TextMeasurer.h"

int main(int argc, char** argv) {
  int qtArgc = 3;
  char* qtArgv[] = {argv[0], const_cast<char*>("-platform"), const_cast<char*>("offscreen"), nullptr};
  QGuiApplication app(qtArgc, qtArgv);
  plotvane::gdi::SetTextMeasurer(std::make_shared<plotvane::qtplay::QtTextMeasurer>());
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  plotvane::gdi::SetTextMeasurer(nullptr);
  return 0;
}
