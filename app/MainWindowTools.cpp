// The tools menu: the value at a typed coordinate (ValueWindow) and the grid
// conversion (GridWindow), both modeless beside the main window
// (WindowPlacement.h). Each is created
// when first opened and destroyed when closed, so that it opens with empty
// boxes; a window already open is brought to the front. And the export of the
// contour lines the map shows, as data for CAD and GIS programs; and the
// earthwork volumes (VolumeWindow), modeless like the others.

#include <QFile>

#include "app/CommandLine.h"
#include "app/FileFilter.h"
#include "app/GridWindow.h"
#include "app/MainWindow.h"
#include "app/SaveFileName.h"
#include "app/ValueWindow.h"
#include "app/VolumeWindow.h"
#include "contours/ContourExport.h"
#include "tools/GridConversion.h"

namespace plotvane::app {
namespace {

const QString kContourTitle = QStringLiteral("等高線データの書き出し");
const QString kContourFilter = QStringLiteral("GeoJSON (*.geojson)|*.geojson|DXF (*.dxf)|*.dxf|CSV (*.csv)|*.csv");

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

void MainWindow::openVolumeWindow() {
  if (m_guard.busy()) return;
  if (!m_volumeWindow) {
    m_volumeWindow = new VolumeWindow(m_doc, m_dialogs, m_guard, this);
    registerWindow(m_volumeWindow);
    m_places->place(*m_volumeWindow);
  }
  Present(*m_volumeWindow);
}

// What the map shows, with the current settings; nothing before a map.
void MainWindow::exportContours() {
  if (m_guard.busy() || !m_doc.drawable()) return;
  const QString start = m_contourFilePath.isEmpty() ? m_fileDialogPath : m_contourFilePath;
  const QString proposed = ProposedSavePath(start, QString::fromStdString(m_doc.fileTitle) + ".geojson");
  const QString path = ChooseSaveFile(m_dialogs, this, kContourTitle, QtFileFilter(kContourFilter), proposed);
  if (path.isEmpty()) return;
  m_contourFilePath = path;
  WriteOutcome failure;
  {
    CommandGuard::Scope busy(m_guard);
    failure = ExportContours(m_doc, m_doc.settings, QFile::encodeName(path).toStdString(), false);
  }
  const std::string_view text = failure ? std::string_view(failure->message) : kGridSaved;
  m_dialogs.message(this, QString::fromLatin1(kProgramTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  closeIfPending();
}

}  // namespace plotvane::app
