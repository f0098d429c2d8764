// The tools menu: the value at a typed coordinate (ValueWindow) and the grid
// conversion (GridWindow), both modeless beside the main window
// (WindowPlacement.h). Each is created
// when first opened and destroyed when closed, so that it opens with empty
// boxes; a window already open is brought to the front. And the exports of the
// contour lines the map shows, as data for CAD and GIS programs, and of its
// triangles as a TIN surface; and the earthwork volumes (VolumeWindow),
// modeless like the others.

#include <QFile>

#include "app/CommandLine.h"
#include "app/CoordinateSystemDialog.h"
#include "app/FileFilter.h"
#include "app/GridWindow.h"
#include "app/MainWindow.h"
#include "app/SaveFileName.h"
#include "app/ValueWindow.h"
#include "app/VolumeWindow.h"
#include "contours/ContourExport.h"
#include "contours/TinSurface.h"
#include "load/DifferenceDocument.h"
#include "tools/GridConversion.h"

namespace plotvane::app {
namespace {

const QString kContourTitle = QStringLiteral("等高線データの書き出し");
const QString kContourFilter = QStringLiteral(
    "GeoJSON (*.geojson)|*.geojson|GeoPackage (*.gpkg)|*.gpkg|ｼｪｰﾌﾟﾌｧｲﾙ (*.shp)|*.shp|KML (*.kml)|*.kml|"
    "DXF (*.dxf)|*.dxf|CSV (*.csv)|*.csv");

const QString kTinTitle = QStringLiteral("TIN の書き出し");
const QString kTinFilter = QStringLiteral("LandXML (*.xml)|*.xml|DXF (*.dxf)|*.dxf");

// The formats that can say where the map lies; DXF and CSV keep the data's
// coordinates alone.
bool TakesSystem(ContourFormat format) { return format != ContourFormat::Dxf && format != ContourFormat::Csv; }

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
    m_gridWindow->setCoordinateSystem(m_coordinateSystem);
    connect(m_gridWindow, &GridWindow::saved, this, [this](const QString& path) { m_gridFilePath = path; });
    connect(m_gridWindow, &GridWindow::coordinateSystemChosen, this,
            [this](CoordinateSystem system) { m_coordinateSystem = system; });
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
    connect(m_volumeWindow, &VolumeWindow::differenceMade, this, &MainWindow::showDifference);
    registerWindow(m_volumeWindow);
    m_places->place(*m_volumeWindow);
  }
  Present(*m_volumeWindow);
}

// The difference map in place of the loaded surface, until the next load:
// the caption names both files, the levels span the difference.
void MainWindow::showDifference(const std::shared_ptr<Document>& difference) {
  if (m_guard.busy()) return;
  ReplaceSurface(m_doc, std::move(*difference));
  setWindowTitle(MenuLoadCaption(QString::fromStdString(m_doc.fileTitle)));
  showSiteInTitle();
  const std::optional<Failure> siteFailure = applySiteShapes();
  clearAndRedraw();
  reportSiteFailure(siteFailure);
}

// What the map shows, with the current settings; nothing before a map.
void MainWindow::exportContours() {
  if (m_guard.busy() || !m_doc.drawable()) return;
  const QString start = m_contourFilePath.isEmpty() ? m_fileDialogPath : m_contourFilePath;
  const QString proposed = ProposedSavePath(start, QString::fromStdString(m_doc.fileTitle) + ".geojson");
  const QString path = ChooseSaveFile(m_dialogs, this, kContourTitle, QtFileFilter(kContourFilter), proposed);
  if (path.isEmpty()) return;
  m_contourFilePath = path;
  const std::string target = QFile::encodeName(path).toStdString();
  ContourFileOptions options;
  if (const auto format = ContourFormatOf(target); format && TakesSystem(*format)) {
    const auto system = AskCoordinateSystem(m_dialogs, this, m_coordinateSystem, *format == ContourFormat::Kml);
    if (!system) return;
    m_coordinateSystem = options.system = *system;
  }
  WriteOutcome failure;
  {
    CommandGuard::Scope busy(m_guard);
    failure = ExportContours(m_doc, m_doc.settings, target, options);
  }
  const std::string_view text = failure ? std::string_view(failure->message) : kGridSaved;
  m_dialogs.message(this, QString::fromLatin1(kProgramTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  closeIfPending();
}

// The triangles the map draws as a TIN surface; nothing before a map.
void MainWindow::exportTin() {
  if (m_guard.busy() || !m_doc.drawable()) return;
  const QString start = m_tinFilePath.isEmpty() ? m_fileDialogPath : m_tinFilePath;
  const QString proposed = ProposedSavePath(start, QString::fromStdString(m_doc.fileTitle) + ".xml");
  const QString path = ChooseSaveFile(m_dialogs, this, kTinTitle, QtFileFilter(kTinFilter), proposed);
  if (path.isEmpty()) return;
  m_tinFilePath = path;
  const std::string target = QFile::encodeName(path).toStdString();
  const auto format = TinFormatOf(target);
  CoordinateSystem system;
  // LandXML records the system; DXF has no place for one.
  if (format == TinFormat::LandXml) {
    const auto chosen = AskCoordinateSystem(m_dialogs, this, m_coordinateSystem, false);
    if (!chosen) return;
    m_coordinateSystem = system = *chosen;
  }
  WriteOutcome failure;
  if (!format) {
    failure = Failure{FailureKind::Usage, "名前は .xml か .dxf で終わらなければなりません。", {}};
  } else {
    CommandGuard::Scope busy(m_guard);
    failure = WriteTinSurface(TinSurfaceOf(m_doc), target, *format, m_doc.fileTitle, system);
  }
  const std::string_view text = failure ? std::string_view(failure->message) : kGridSaved;
  m_dialogs.message(this, QString::fromLatin1(kProgramTitle),
                    QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  closeIfPending();
}

}  // namespace plotvane::app
