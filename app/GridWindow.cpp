#include "app/GridWindow.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QProgressDialog>
#include <cmath>
#include <memory>
#include <string_view>
#include <utility>

#include "app/CommandLine.h"
#include "app/CoordinateSystemDialog.h"
#include "app/FileFilter.h"
#include "app/NumberBoxes.h"
#include "app/ProgressWindow.h"
#include "app/SaveFileName.h"
#include "app/ToolWindowKeys.h"
#include "app/Utf8Text.h"
#include "contours/AsciiGrid.h"
#include "contours/GeoTiffGrid.h"
#include "contours/PrjFile.h"
#include "tools/GridBudget.h"
#include "tools/GridConversion.h"

namespace plotvane::app {
namespace {

const QString kSaveTitle = QStringLiteral("格子状データの保存");
const QString kSaveFilter =
    QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ (*.txt)|*.txt|ESRI ASCII ｸﾞﾘｯﾄﾞ (*.asc)|*.asc|GeoTIFF (*.tif)|*.tif");
const QString kFileSuffix = QStringLiteral("_格子");

// The progress of a conversion, in a dialog with a cancel button. Like the
// progress window of the loads it appears only when the conversion lasts, and
// pending events run at each update: that is when the dialog can appear, the
// windows repaint and the cancel button can be pressed. It is modal to the
// whole program, so no other window takes input meanwhile.
class GridProgress final : public ProgressSink {
 public:
  explicit GridProgress(QWidget* parent) : m_parent(parent) {}

  void prepare(std::string_view label) override {
    m_progressDialog = std::make_unique<QProgressDialog>(FromUtf8(label), QStringLiteral("ｷｬﾝｾﾙ"), 0, 100, m_parent);
    m_progressDialog->setWindowTitle(QStringLiteral("しばらくお待ちください"));
    m_progressDialog->setWindowModality(Qt::ApplicationModal);
    m_progressDialog->setMinimumDuration(static_cast<int>(ProgressWindow::kDelay.count()));
    m_progressDialog->setAutoClose(false);
    m_progressDialog->setAutoReset(false);
    m_progressDialog->setValue(0);
  }
  void update(double value) override {
    if (m_progressDialog) m_progressDialog->setValue(static_cast<int>(std::lround(value)));
    // The dialog runs them itself only once it is on screen.
    QCoreApplication::processEvents();
  }
  void close() override { m_progressDialog.reset(); }

  bool cancelled() const { return m_progressDialog && m_progressDialog->wasCanceled(); }

 private:
  QWidget* m_parent;
  std::unique_ptr<QProgressDialog> m_progressDialog;
};

}  // namespace

GridWindow::GridWindow(Document& doc, Dialogs& dialogs, CommandGuard& guard, QString dialogPath, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_doc(doc), m_dialogs(dialogs), m_guard(guard), m_dialogPath(std::move(dialogPath)) {
  m_ui.setupUi(this);
  FitNumberBoxes(*this, {m_ui.Text1, m_ui.Text2, m_ui.Text3, m_ui.Text4, m_ui.Text5, m_ui.Text6});
  setAttribute(Qt::WA_DeleteOnClose);
  connect(m_ui.Command1, &QPushButton::clicked, this, &GridWindow::runConversion);
  clearFields();
}

void GridWindow::clearFields() {
  for (QLineEdit* box : {m_ui.Text1, m_ui.Text2, m_ui.Text3, m_ui.Text4, m_ui.Text5, m_ui.Text6}) box->clear();
}

void GridWindow::closeEvent(QCloseEvent* event) {
  // The conversion in progress belongs to this window.
  if (m_converting) {
    event->ignore();
    return;
  }
  QWidget::closeEvent(event);
}

void GridWindow::keyPressEvent(QKeyEvent* event) {
  if (!HandleToolWindowKey(*this, *m_ui.Command1, *event)) QWidget::keyPressEvent(event);
}

GridTexts GridWindow::texts() const {
  const auto text = [](const QLineEdit* box) { return box->text().toStdString(); };
  return {text(m_ui.Text1), text(m_ui.Text2), text(m_ui.Text3), text(m_ui.Text4), text(m_ui.Text5), text(m_ui.Text6)};
}

// The proposed name in the folder of the remembered path.
QString GridWindow::proposedFile() const {
  const QString name = QString::fromStdString(m_doc.fileTitle) + kFileSuffix;
  if (m_dialogPath.isEmpty()) return name;
  const QFileInfo place(m_dialogPath);
  return QDir(place.isDir() ? place.filePath() : place.path()).filePath(name);
}

WriteOutcome GridWindow::convert(const GridParameters& grid, const std::string& target, ProgressSink& progress,
                                 const std::function<bool()>& cancelled) {
  if (IsGeoTiffName(target)) return ConvertToGeoTiff(m_doc, grid, target, m_system, progress, cancelled);
  if (!IsAsciiGridName(target)) return ConvertToGrid(m_doc, grid, target, progress, cancelled);
  WriteOutcome failure = ConvertToAsciiGrid(m_doc, grid, target, progress, cancelled);
  // The ESRI grid has no place for its system: the .prj beside it says it.
  if (!failure && m_system.chosen()) failure = WritePrjBeside(target, m_system);
  return failure;
}

void GridWindow::report(const QString& text) { m_dialogs.message(this, QString::fromLatin1(kProgramTitle), text); }

void GridWindow::runConversion() {
  if (m_guard.busy()) return;
  if (m_doc.mesh.nt < kGridMinTriangles) return;
  const GridParametersRead grid = ReadGridParameters(texts());
  if (grid.status == GridParametersRead::Status::NotNumeric) return;
  // A grid that cannot be computed is reported before the user is asked for
  // a file that would never be written.
  if (grid.status == GridParametersRead::Status::TooLarge) {
    report(FromUtf8(grid.error));
    return;
  }
  // So is a grid of more points than a conversion should ever visit.
  if (const WriteOutcome refusal =
          GridSizeRefusal(EstimateGrid(m_doc, grid.parameters, false), kDefaultMaxGridPoints)) {
    report(FromUtf8(refusal->text()));
    return;
  }

  const QString path = ChooseSaveFile(m_dialogs, this, kSaveTitle, QtFileFilter(kSaveFilter), proposedFile());
  if (path.isEmpty()) {
    report(QString::fromUtf8(kDialogCancelled));
    return;
  }
  m_dialogPath = path;
  const std::string target = QFile::encodeName(path).toStdString();
  const bool raster = IsAsciiGridName(target) || IsGeoTiffName(target);
  if (const WriteOutcome refusal = GridSpaceRefusal(EstimateGrid(m_doc, grid.parameters, raster), target)) {
    report(FromUtf8(refusal->text()));
    return;
  }
  if (raster) {
    const auto system = AskCoordinateSystem(m_dialogs, this, m_system, false);
    if (!system) {
      report(QString::fromUtf8(kDialogCancelled));
      return;
    }
    m_system = *system;
    emit coordinateSystemChosen(m_system);
  }

  WriteOutcome failure;
  {
    CommandGuard::Scope busy(m_guard);
    m_converting = true;
    m_cancelRequested = false;
    GridProgress progress(this);
    const auto cancelled = [this, &progress] { return m_cancelRequested || progress.cancelled(); };
    failure = convert(grid.parameters, target, progress, cancelled);
    m_converting = false;
  }
  emit conversionEnded();
  if (failure) {
    report(FromUtf8(failure->message));
    return;
  }

  emit saved(path);
  // Closing only schedules the window's deletion, but the message belongs to
  // the main window now that this one is gone from the screen.
  QWidget* owner = parentWidget();
  close();
  m_dialogs.message(owner, QString::fromLatin1(kProgramTitle), FromUtf8(kGridSaved));
}

}  // namespace plotvane::app
