#include "app/VolumeWindow.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <string_view>

#include "app/CommandLine.h"
#include "app/FileFilter.h"
#include "app/SaveFileName.h"
#include "app/ToolWindowKeys.h"
#include "app/Utf8Text.h"
#include "load/DifferenceDocument.h"
#include "load/OpenDataFile.h"
#include "settings/NumberText.h"
#include "tools/GridConversion.h"

namespace plotvane::app {
namespace {

const QString kOpenTitle = QStringLiteral("比較するファイル");
const QString kOpenFilter = QStringLiteral("ﾃﾞｰﾀﾌｧｲﾙ (*.txt;*.ctr)|*.txt;*.ctr");
const QString kSaveTitle = QStringLiteral("土量計算の保存");
const QString kSaveFilter = QStringLiteral("CSV (*.csv)|*.csv");
// The rows of the table, in the order of VolumeFigureRows.
const QStringList kFigureNames{QStringLiteral("切土量"), QStringLiteral("盛土量"),   QStringLiteral("差引"),
                               QStringLiteral("面積"),   QStringLiteral("切土面積"), QStringLiteral("盛土面積")};

}  // namespace

VolumeWindow::VolumeWindow(Document& doc, Dialogs& dialogs, CommandGuard& guard, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_doc(doc), m_dialogs(dialogs), m_guard(guard) {
  setWindowTitle(QStringLiteral("土量計算"));
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(createReference());
  layout->addWidget(createMethod());
  m_compute = new QPushButton(QStringLiteral("計算"), this);
  layout->addWidget(m_compute);
  createResults();
  layout->addWidget(m_results);
  m_save = new QPushButton(QStringLiteral("CSV 保存"), this);
  layout->addWidget(m_save);
  m_showDifference = new QPushButton(QStringLiteral("差分図を表示"), this);
  layout->addWidget(m_showDifference);
  connect(m_compute, &QPushButton::clicked, this, &VolumeWindow::compute);
  connect(m_save, &QPushButton::clicked, this, &VolumeWindow::save);
  connect(m_showDifference, &QPushButton::clicked, this, &VolumeWindow::showDifference);
  connect(m_browse, &QPushButton::clicked, this, &VolumeWindow::chooseFile);
  // Any change makes the figures on screen stale.
  for (QLineEdit* box : {m_planeBox, m_fileBox, m_cellBox}) {
    connect(box, &QLineEdit::textChanged, this, &VolumeWindow::clearResults);
  }
  connect(m_planeChoice, &QRadioButton::toggled, this, &VolumeWindow::clearResults);
  connect(m_method, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_cellBox->setEnabled(index == 1);
    clearResults();
  });
  clearResults();
}

QWidget* VolumeWindow::createReference() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  m_planeChoice = new QRadioButton(QStringLiteral("基準面の高さ"), box);
  m_planeBox = new QLineEdit(box);
  m_fileChoice = new QRadioButton(QStringLiteral("比較するファイル"), box);
  m_fileBox = new QLineEdit(box);
  m_browse = new QPushButton(QStringLiteral("参照..."), box);
  m_planeChoice->setChecked(true);
  grid->addWidget(m_planeChoice, 0, 0);
  grid->addWidget(m_planeBox, 0, 1, 1, 2);
  grid->addWidget(m_fileChoice, 1, 0);
  grid->addWidget(m_fileBox, 1, 1);
  grid->addWidget(m_browse, 1, 2);
  // Typing in a box chooses its reference.
  connect(m_planeBox, &QLineEdit::textEdited, m_planeChoice, [this] { m_planeChoice->setChecked(true); });
  connect(m_fileBox, &QLineEdit::textEdited, m_fileChoice, [this] { m_fileChoice->setChecked(true); });
  return box;
}

QWidget* VolumeWindow::createMethod() {
  auto* box = new QWidget(this);
  auto* grid = new QGridLayout(box);
  grid->setContentsMargins(0, 0, 0, 0);
  m_method = new QComboBox(box);
  m_method->addItems({QStringLiteral("TIN (三角網・厳密)"), QStringLiteral("格子 (点高法)")});
  m_cellBox = new QLineEdit(QString::fromStdString(NumberText(kDefaultVolumeCell)), box);
  m_cellBox->setEnabled(false);
  grid->addWidget(new QLabel(QStringLiteral("計算方法"), box), 0, 0);
  grid->addWidget(m_method, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("格子の大きさ"), box), 1, 0);
  grid->addWidget(m_cellBox, 1, 1);
  return box;
}

void VolumeWindow::createResults() {
  m_results = new QTableWidget(static_cast<int>(kFigureNames.size()), 2, this);
  m_results->setHorizontalHeaderLabels({QStringLiteral("項目"), QStringLiteral("値")});
  m_results->verticalHeader()->hide();
  m_results->horizontalHeader()->setStretchLastSection(true);
  m_results->setEditTriggers(QAbstractItemView::NoEditTriggers);
  for (int row = 0; row < kFigureNames.size(); ++row) {
    m_results->setItem(row, 0, new QTableWidgetItem(kFigureNames[row]));
    m_results->setItem(row, 1, new QTableWidgetItem());
  }
  // All six rows at once, without a scroll bar.
  m_results->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  m_results->setMinimumHeight(m_results->horizontalHeader()->sizeHint().height() +
                              m_results->verticalHeader()->length() + 2 * m_results->frameWidth());
}

void VolumeWindow::keyPressEvent(QKeyEvent* event) {
  if (!HandleToolWindowKey(*this, *m_compute, *event)) QWidget::keyPressEvent(event);
}

void VolumeWindow::chooseFile() {
  if (m_guard.busy()) return;
  const QString path = m_dialogs.openFile(this, kOpenTitle, QtFileFilter(kOpenFilter), m_fileBox->text());
  if (path.isEmpty()) return;
  m_fileBox->setText(path);
  m_fileChoice->setChecked(true);
}

void VolumeWindow::clearResults() {
  for (int row = 0; row < m_results->rowCount(); ++row) m_results->item(row, 1)->setText(QString());
  m_inputs.reset();
  m_save->setEnabled(false);
  m_showDifference->setEnabled(false);
}

void VolumeWindow::report(const QString& text) { m_dialogs.message(this, QString::fromLatin1(kProgramTitle), text); }

std::optional<VolumeInputs> VolumeWindow::readInputs() {
  VolumeInputs inputs;
  inputs.file = m_doc.fileTitle;
  if (m_planeChoice->isChecked()) {
    inputs.plane = ParseNumber(m_planeBox->text().toStdString());
    if (!inputs.plane) {
      report(QStringLiteral("基準面の高さを数値で入力してください。"));
      return std::nullopt;
    }
  } else if (m_fileBox->text().isEmpty()) {
    report(QStringLiteral("比較するファイルを選んでください。"));
    return std::nullopt;
  } else {
    inputs.against = QFile::encodeName(m_fileBox->text()).toStdString();
  }
  if (m_method->currentIndex() == 1) {
    inputs.request.method = VolumeMethod::Grid;
    const std::optional<double> cell = ParseNumber(m_cellBox->text().toStdString());
    if (!cell || !VolumeGridOf(m_doc.range, *cell)) {
      report(QStringLiteral("格子の大きさは、格子の数が 1 億を超えない正の数値にしてください。"));
      return std::nullopt;
    }
    inputs.request.cell = *cell;
  }
  return inputs;
}

void VolumeWindow::compute() {
  if (m_guard.busy() || !m_doc.drawable()) return;
  clearResults();
  const std::optional<VolumeInputs> inputs = readInputs();
  if (!inputs) return;
  VolumeFigures figures;
  {
    CommandGuard::Scope busy(m_guard);
    Document other;
    VolumeReference reference{inputs->plane, {}};
    if (!inputs->plane) {
      const LoadStatus status = OpenDataFile(inputs->against, other, NullProgress());
      if (const std::optional<Failure> failure = LoadFailureOf(status, other)) {
        report(FromUtf8(failure->text().empty() ? std::string_view("ファイルを読み込めませんでした。")
                                                : std::string_view(failure->text())));
        return;
      }
      reference.surface = VolumeSurfaceOf(other);
    }
    figures = ComputeVolume(VolumeSurfaceOf(m_doc), reference, inputs->request);
  }
  if (!figures.overlap()) {
    report(QStringLiteral("二つの面は重なっていません。"));
    return;
  }
  const auto rows = VolumeFigureRows(figures);
  for (int row = 0; row < m_results->rowCount(); ++row) {
    m_results->item(row, 1)->setText(QString::fromStdString(NumberText(rows[static_cast<std::size_t>(row)].second)));
  }
  m_inputs = inputs;
  m_figures = figures;
  m_save->setEnabled(true);
  m_showDifference->setEnabled(!inputs->plane);
}

void VolumeWindow::save() {
  if (m_guard.busy() || !m_inputs) return;
  const QString proposed = QString::fromStdString(m_doc.fileTitle) + QStringLiteral("_土量.csv");
  const QString path = ChooseSaveFile(m_dialogs, this, kSaveTitle, QtFileFilter(kSaveFilter), proposed);
  if (path.isEmpty()) return;
  const WriteOutcome failure = WriteVolumeReport(QFile::encodeName(path).toStdString(), *m_inputs, m_figures);
  report(FromUtf8(failure ? std::string_view(failure->message) : kGridSaved));
}

void VolumeWindow::showDifference() {
  if (m_guard.busy() || !m_inputs || m_inputs->plane || !m_doc.drawable()) return;
  auto difference = std::make_shared<Document>();
  {
    CommandGuard::Scope busy(m_guard);
    Document other;
    const LoadStatus status = OpenDataFile(m_inputs->against, other, NullProgress());
    std::optional<Failure> failure = LoadFailureOf(status, other);
    if (!failure) failure = MakeDifferenceDocument(m_doc, other, *difference);
    if (failure) {
      report(FromUtf8(failure->text()));
      return;
    }
  }
  // The figures belong to the surface loaded before; the map now shown is another.
  clearResults();
  emit differenceMade(difference);
}

}  // namespace plotvane::app
