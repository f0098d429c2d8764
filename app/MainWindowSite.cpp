// The main window's site shapes: the boundary read from a file, kept for the
// session and applied to the data loaded now and to every later load until
// it is cleared; its name in the window title.

#include <QFile>
#include <QFileInfo>

#include "app/FileFilter.h"
#include "app/MainWindow.h"
#include "app/Utf8Text.h"
#include "common/Messages.h"
#include "data/SiteFileReader.h"
#include "tools/Boundary.h"

namespace plotvane::app {
namespace {

const QString kBoundaryTitle = QStringLiteral("境界の読込");
const QString kSiteFilter = QStringLiteral(
    "境界ﾌｧｲﾙ|*.txt;*.csv;*.xyz;*.geojson;*.json;*.dxf;*.sim|ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv;*.xyz)|*.txt;*.csv;*.xyz|"
    "GeoJSON(*.geojson;*.json)|*.geojson;*.json|DXF(*.dxf)|*.dxf|SIMA(*.sim)|*.sim|");
const QString kTitleOpen = QStringLiteral("  [境界: ");

}  // namespace

void MainWindow::openBoundary() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kBoundaryTitle, QtFileFilter(kSiteFilter), m_siteFileDialogPath);
  if (path.isEmpty()) return;
  m_siteFileDialogPath = path;
  SiteShapes shapes;
  if (const std::optional<Failure> failure = ReadSiteFile(QFile::encodeName(path).toStdString(), shapes)) {
    reportSiteFailure(failure);
    return;
  }
  m_boundaryShapes = std::move(shapes);
  m_boundaryName = QFileInfo(path).fileName();
  showSiteInTitle();
  if (m_doc.drawable()) {
    // The data is shown whole when the boundary does not fit it; the
    // boundary stays chosen for the next load.
    const std::optional<Failure> failure = applySiteShapes();
    clearAndRedraw();
    reportSiteFailure(failure);
  }
}

void MainWindow::clearSiteShapes() {
  if (m_guard.busy()) return;
  m_boundaryShapes = {};
  m_boundaryName.clear();
  ClearBoundary(m_doc);
  showSiteInTitle();
  // Breaklines go with a new mesh of the data (drawn by the load); without
  // them only the mask goes.
  if (m_doc.meshOptions.hasBreaklines()) {
    clearBreaklines();
  } else if (m_doc.drawable()) {
    clearAndRedraw();
  }
}

std::optional<Failure> MainWindow::applySiteShapes() {
  ClearBoundary(m_doc);
  if (m_boundaryShapes.shapes.empty() || !m_doc.drawable()) return std::nullopt;
  return ApplyBoundary(m_doc, m_boundaryShapes, m_boundaryName.toStdString());
}

void MainWindow::reportSiteFailure(const std::optional<Failure>& failure) {
  if (failure) m_dialogs.message(this, FromUtf8(messages::kErrorTitle), FromUtf8(failure->text()));
}

void MainWindow::showSiteInTitle() {
  QString title = windowTitle();
  const qsizetype open = title.indexOf(kTitleOpen);
  if (open >= 0) title.truncate(open);
  if (!m_boundaryName.isEmpty()) title += kTitleOpen + m_boundaryName + QStringLiteral("]");
  setWindowTitle(title);
}

}  // namespace plotvane::app
