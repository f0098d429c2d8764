#include "app/ValueWindow.h"

#include <QKeyEvent>
#include <optional>
#include <string>

#include "app/NumberBoxes.h"
#include "app/ToolWindowKeys.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane::app {
namespace {

// The coordinate a box stands for: nullopt when its text is not one number or
// the number is too large for single precision.
std::optional<float> Coordinate(const QLineEdit* box) {
  const std::optional<double> value = ParseNumber(box->text().toStdString());
  if (!value) return std::nullopt;
  return ToSingle(*value);
}

}  // namespace

ValueWindow::ValueWindow(Document& doc, CommandGuard& guard, QWidget* parent)
    : QWidget(parent, Qt::Dialog), m_doc(doc), m_guard(guard) {
  m_ui.setupUi(this);
  FitNumberBoxes(*this, {m_ui.Text1, m_ui.Text2, m_ui.Text3});
  setAttribute(Qt::WA_DeleteOnClose);
  connect(m_ui.Command1, &QPushButton::clicked, this, &ValueWindow::showValue);
  // Any change, typed or pasted, makes the Z on screen stale.
  connect(m_ui.Text1, &QLineEdit::textChanged, m_ui.Text3, &QLineEdit::clear);
  connect(m_ui.Text2, &QLineEdit::textChanged, m_ui.Text3, &QLineEdit::clear);
  clearFields();
}

void ValueWindow::keyPressEvent(QKeyEvent* event) {
  if (!HandleToolWindowKey(*this, *m_ui.Command1, *event)) QWidget::keyPressEvent(event);
}

void ValueWindow::clearFields() {
  m_ui.Text1->clear();
  m_ui.Text2->clear();
  m_ui.Text3->clear();
}

void ValueWindow::showValue() {
  if (m_guard.busy()) return;
  const std::optional<float> X = Coordinate(m_ui.Text1);
  const std::optional<float> Y = Coordinate(m_ui.Text2);
  if (!X || !Y || m_doc.mesh.nt < 3) return;
  const MeshValue value = MeshValueAt(m_doc, *X, *Y);
  if (!value.hasValue()) return;
  m_ui.Text3->setText(QString::fromStdString(SingleText(value.z)));
  m_ui.Text3->setCursorPosition(0);
}

}  // namespace plotvane::app
