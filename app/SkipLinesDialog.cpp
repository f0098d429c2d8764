#include "app/SkipLinesDialog.h"

#include <QApplication>
#include <QRegularExpression>
#include <limits>

#include "app/NumberBoxes.h"

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

SkipLinesDialog::SkipLinesDialog(QWidget* parent) : QDialog(parent) {
  m_ui.setupUi(this);
  setFixedSize(size());
  // Its texts are short whole numbers: the box keeps its width.
  SelectWholeNumberOnFocus(*m_ui.Text1);
  connect(m_ui.OKButton, &QPushButton::clicked, this, &SkipLinesDialog::acceptValues);
  connect(m_ui.CancelButton, &QPushButton::clicked, this, &SkipLinesDialog::reject);
}

void SkipLinesDialog::acceptValues() {
  const std::optional<std::int16_t> lines = SkipLinesFromText(m_ui.Text1->text());
  if (!lines) {
    QApplication::beep();
    m_ui.Text1->setFocus();
    m_ui.Text1->selectAll();
    return;
  }
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
