// The session's breaklines: read from a file, named in the status bar, and
// applied to the data now loaded (meshed again) and to every later load
// until cleared.

#include <QFile>
#include <QFileInfo>
#include <QLabel>

#include "app/FileFilter.h"
#include "app/MainWindow.h"
#include "app/Utf8Text.h"
#include "common/Messages.h"
#include "data/SiteFileReader.h"

namespace plotvane::app {
namespace {

const QString kBreaklineTitle = QStringLiteral("ブレークラインの読込");
const QString kBreaklineFilter = QStringLiteral(
    "ﾌﾞﾚｰｸﾗｲﾝ(*.txt;*.csv;*.geojson;*.json;*.dxf)|*.txt;*.csv;*.geojson;*.json;*.dxf|"
    "ﾃｷｽﾄﾌｧｲﾙ(*.txt;*.csv)|*.txt;*.csv|GeoJSON(*.geojson;*.json)|*.geojson;*.json|DXF(*.dxf)|*.dxf|");

}  // namespace

void MainWindow::addBreaklineCommands() {
  connect(m_ui.readBreaklines, &QAction::triggered, this, &MainWindow::readBreaklines);
  m_breaklinePanel = new QLabel(m_ui.StatusBar1);
  m_breaklinePanel->setObjectName(QStringLiteral("BreaklinePanel"));
  m_ui.StatusBar1->addPermanentWidget(m_breaklinePanel);
  showBreaklineFile();
}

QString MainWindow::breaklineText() const { return m_breaklinePanel->text(); }

void MainWindow::showBreaklineFile() {
  const std::string& file = m_doc.meshOptions.breaklineFile;
  m_breaklinePanel->setText(file.empty() ? QString() : QStringLiteral("ブレークライン: ") + FromUtf8(file));
}

void MainWindow::readBreaklines() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kBreaklineTitle, QtFileFilter(kBreaklineFilter), m_fileDialogPath);
  if (path.isEmpty()) return;
  SiteShapes shapes;
  if (const std::optional<Failure> failure = ReadSiteFile(QFile::encodeName(path).toStdString(), shapes)) {
    const std::string& why = failure->detail.empty() ? failure->message : failure->detail;
    m_dialogs.message(this, FromUtf8(messages::kErrorTitle), FromUtf8(messages::kBadBreaklines) + '\n' + FromUtf8(why));
    return;
  }
  const MeshOptions before = m_doc.meshOptions;
  m_doc.meshOptions.breaklines = std::move(shapes);
  m_doc.meshOptions.breaklineFile = QFileInfo(path).fileName().toStdString();
  showBreaklineFile();
  // Lines this data cannot take (the load has said why) are not kept: the
  // data is meshed again as it was.
  if (remesh() == LoadStatus::BadBreaklines) {
    m_doc.meshOptions = before;
    showBreaklineFile();
    remesh();
  }
}

void MainWindow::clearBreaklines() {
  if (m_guard.busy() || !m_doc.meshOptions.hasBreaklines()) return;
  m_doc.meshOptions.breaklines = SiteShapes{};
  m_doc.meshOptions.breaklineFile.clear();
  showBreaklineFile();
  remesh();
}

LoadStatus MainWindow::remesh() {
  if (!m_doc.hasData() || m_loadedPath.empty()) return LoadStatus::Meshed;
  const DrawSettings kept = m_doc.settings;
  return loadIntoDocument(m_loadedPath, m_loadedSkip, m_loadedOptions, &kept);
}

}  // namespace plotvane::app
