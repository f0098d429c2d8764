// plotvane [FILE]: the desktop program.
//
// The main window loads (start-up, with the file named on the command line),
// is shown, and runs until it is closed, by its menu, its close button, or
// SIGTERM / SIGINT; then it unloads (shutdown), which deletes the temporary
// page file.
//
// With PLOTVANE_SCREENSHOT=path.png in the environment the program saves an
// image of its window there once it is on screen, and ends: how the picture
// of the window in the README is made.

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/CommandLine.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/SignalQuit.h"
#include "app/TempPageFile.h"
#include "common/AllocatorTuning.h"
#include "qtplay/QtFonts.h"
#include "render/LabelledPage.h"
#include "render/PageComposition.h"
#include "render/gdi/TextMeasurer.h"

namespace {

// Saves the window's image once the first repaint is done, then closes it.
void ScheduleScreenshot(plotvane::app::MainWindow& window, const QString& path) {
  QTimer::singleShot(500, &window, [&window, path] {
    window.grab().save(path);
    window.requestClose();
  });
}

constexpr const char* kHelp =
    "usage: plotvane [FILE]\n"
    "  Opens FILE (a .txt data file, a .ctr contour file, or a .ctv view file\n"
    "  whose drawing settings are read as 設定の読込 reads them) and shows its\n"
    "  contour map.\n"
    "  --help     print this text and end\n"
    "  --version  print the version and end\n";

// --help and --version alone on the command line answer without a window
// (and without a display); anything else is the name of a file.
bool AnswersOption(int argc, char** argv) {
  if (argc != 2) return false;
  const std::string_view option = argv[1];
  if (option == "--help") {
    std::fputs(kHelp, stdout);
    return true;
  }
  if (option == "--version") {
    std::printf("plotvane %s\n", PLOTVANE_VERSION);
    return true;
  }
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace plotvane;
  if (AnswersOption(argc, argv)) return 0;
  TuneAllocator();
  QApplication application(argc, argv);
  app::InstallQtTranslations(application);
  gdi::SetTextMeasurer(std::make_shared<qtplay::QtTextMeasurer>());

  app::SignalQuit quitOnSignal;
  app::QtDialogs dialogs;
  app::MainWindow window(dialogs, ComposeLabelledPage, app::PageFileFolders());
  QObject::connect(&quitOnSignal, &app::SignalQuit::requested, &window, &app::MainWindow::requestClose);
  QObject::connect(&window, &app::MainWindow::closed, &application, &QCoreApplication::quit);

  window.startUpWithBytes(app::CommandLineBytes(argc, argv));
  if (!window.closeRequested()) {
    window.show();
    const QString screenshot = qEnvironmentVariable("PLOTVANE_SCREENSHOT");
    if (!screenshot.isEmpty()) ScheduleScreenshot(window, screenshot);
    QApplication::exec();
  }
  window.shutDown();
  return 0;
}
