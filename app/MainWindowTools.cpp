// The tools menu: the value at a typed coordinate (ValueWindow) and the grid
// conversion (GridWindow), both modeless beside the main window
// (WindowPlacement.h). Each is created
// when first opened and destroyed when closed, so that it opens with empty
// boxes; a window already open is brought to the front.

#include "app/GridWindow.h"
#include "app/MainWindow.h"
#include "app/ValueWindow.h"

namespace plotvane::app {
namespace {

void Present(QWidget& window) {
  window.show();
  window.raise();
  window.activateWindow();
}

}  // namespace

void MainWindow::openValueWindow() {
  if (m_guard.busy()) return;
  if (!m_valueWindow) {
    m_valueWindow = new ValueWindow(m_doc, m_guard, this);
    registerWindow(m_valueWindow);
    m_places->place(*m_valueWindow);
  }
  Present(*m_valueWindow);
}

void MainWindow::openGridWindow() {
  if (m_guard.busy()) return;
  if (!m_gridWindow) {
    m_gridWindow = new GridWindow(m_doc, m_dialogs, m_guard, m_gridFilePath, this);
    connect(m_gridWindow, &GridWindow::saved, this, [this](const QString& path) { m_gridFilePath = path; });
    // Queued: the grid window still shows its message when the signal comes.
    connect(m_gridWindow, &GridWindow::conversionEnded, this, &MainWindow::closeIfPending, Qt::QueuedConnection);
    registerWindow(m_gridWindow);
    m_places->place(*m_gridWindow);
  }
  Present(*m_gridWindow);
}

}  // namespace plotvane::app
