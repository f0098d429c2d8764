#include "app/SkipLinesDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <limits>

#include "app/LoadOptionFields.h"
#include "app/NumberBoxes.h"
#include "common/FileBytes.h"
#include "common/TextDecoding.h"
#include "data/ColumnChoice.h"
#include "data/DataFilePreview.h"

namespace plotvane::app {

std::optional<std::int16_t> SkipLinesFromText(const QString& text) {
  static const QRegularExpression kWhole(QStringLiteral("^[+-]?[0-9]+$"));
  const QString trimmed = text.trimmed();
  if (!kWhole.match(trimmed).hasMatch()) return std::nullopt;
  bool fits = false;
  const qlonglong value = trimmed.toLongLong(&fits);
  if (!fits || value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
    return std::nullopt;
  return static_cast<std::int16_t>(value);
}

namespace {

constexpr int kPreviewLines = 12;
constexpr int kPreviewHeight = 150;
constexpr std::size_t kPreviewBytes = 64 * 1024;

}  // namespace

SkipLinesDialog::SkipLinesDialog(QWidget* parent) : QDialog(parent) {
  m_ui.setupUi(this);
  const LoadOptionFields fields = AddLoadOptionFields(*this);
  m_columns = fields.columns;
  m_xNorth = fields.xNorth;
  m_duplicatesFirst = fields.duplicatesFirst;
  m_preview = new QListWidget(this);
  m_preview->setObjectName(QStringLiteral("PreviewList"));
  m_preview->setGeometry(8, height(), width() - 16, kPreviewHeight);
  m_preview->setSelectionMode(QAbstractItemView::NoSelection);
  m_preview->setFocusPolicy(Qt::NoFocus);
  resize(width(), height() + kPreviewHeight + 8);
  setFixedSize(size());
  connect(m_ui.Text1, &QLineEdit::textChanged, this, &SkipLinesDialog::updatePreview);
  connect(m_ui.Text2, &QLineEdit::textChanged, this, &SkipLinesDialog::updatePreview);
  // Its texts are short whole numbers: the box keeps its width.
  SelectWholeNumberOnFocus(*m_ui.Text1);
  connect(m_ui.OKButton, &QPushButton::clicked, this, &SkipLinesDialog::acceptValues);
  connect(m_ui.CancelButton, &QPushButton::clicked, this, &SkipLinesDialog::reject);
}

void SkipLinesDialog::setPreviewFile(const std::string& localPath) {
  const std::optional<std::string> bytes = ReadFileBytes(localPath, kPreviewBytes, Oversize::KeepHead);
  m_previewText = bytes ? DecodeToUtf8(*bytes) : std::string();
  updatePreview();
}

void SkipLinesDialog::updatePreview() {
  m_preview->clear();
  // A count still being typed ("-") previews as none skipped.
  const int skip = SkipLinesFromText(m_ui.Text1->text()).value_or(0);
  for (const PreviewLine& line :
       PreviewDataLines(m_previewText, skip, m_ui.Text2->text().toStdString(), kPreviewLines)) {
    QString text = QString::number(line.number) + QStringLiteral(": ") + QString::fromStdString(line.text);
    auto* item = new QListWidgetItem(m_preview);
    if (line.role == PreviewRole::Skipped) item->setForeground(Qt::gray);
    if (line.role == PreviewRole::Header) {
      text += QStringLiteral("   ← 見出し");
      QFont bold = item->font();
      bold.setBold(true);
      item->setFont(bold);
    }
    item->setText(text);
  }
}

void SkipLinesDialog::acceptValues() {
  const std::optional<std::int16_t> lines = SkipLinesFromText(m_ui.Text1->text());
  if (!lines) {
    QApplication::beep();
    m_ui.Text1->setFocus();
    m_ui.Text1->selectAll();
    return;
  }
  const auto columns = ParseColumnChoice(m_columns->text().toStdString());
  if (!columns) {
    QApplication::beep();
    m_columns->setFocus();
    m_columns->selectAll();
    return;
  }
  m_loadOptions = LoadOptions{*columns, m_xNorth->isChecked()};
  if (m_duplicatesFirst->isChecked()) m_loadOptions.duplicates = DuplicateRule::First;
  m_skipLines = *lines;
  m_ok = true;
  hide();
}

void SkipLinesDialog::showEvent(QShowEvent* event) {
  // A dialog that ends other than by a button (the program quitting) must
  // not pass for an OK of an earlier use.
  m_ok = false;
  QDialog::showEvent(event);
}

void SkipLinesDialog::reject() {
  m_ok = false;
  hide();
}

}  // namespace plotvane::app
