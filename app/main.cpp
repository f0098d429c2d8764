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
#include <memory>

#include "app/CommandLine.h"
#include "app/Dialogs.h"
#include "app/MainWindow.h"
#include "app/QtTranslations.h"
#include "app/SignalQuit.h"
#include "app/TempPageFile.h"
#include "contours/ContourLabels.h"
#include "qtplay/QtFonts.h"
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

}  // namespace

int main(int argc, char** argv) {
  using namespace plotvane;
  QApplication application(argc, argv);
  app::InstallQtTranslations(application);
  gdi::SetTextMeasurer(std::make_shared<qtplay::QtTextMeasurer>());

  app::SignalQuit quitOnSignal;
  app::QtDialogs dialogs;
  app::MainWindow window(dialogs, ComposeLabelledPage, app::PageFileFolders());
  QObject::connect(&quitOnSignal, &app::SignalQuit::requested, &window, &app::MainWindow::requestClose);
  QObject::connect(&window, &app::MainWindow::closed, &application, &QCoreApplication::quit);

  window.startUp(app::CommandLineText(QCoreApplication::arguments()));
  if (!window.closeRequested()) {
    window.show();
    const QString screenshot = qEnvironmentVariable("PLOTVANE_SCREENSHOT");
    if (!screenshot.isEmpty()) ScheduleScreenshot(window, screenshot);
    QApplication::exec();
  }
  window.shutDown();
  return 0;
}
