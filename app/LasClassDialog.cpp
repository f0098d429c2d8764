#include "app/LasClassDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/LasReader.h"

namespace plotvane::app {

LasClassDialog::LasClassDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("LAS の読込"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("残す点の分類 (例: 2 = 地面、空欄ですべて)"), this));
  m_text = new QLineEdit(this);
  m_text->setObjectName(QStringLiteral("ClassesText"));
  layout->addWidget(m_text);
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("OKButton"));
  buttons->addButton(QStringLiteral("ｷｬﾝｾﾙ"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("CancelButton"));
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &LasClassDialog::acceptValues);
  connect(buttons, &QDialogButtonBox::rejected, this, &LasClassDialog::reject);
}

void LasClassDialog::acceptValues() {
  const std::string text = m_text->text().trimmed().toStdString();
  std::vector<std::int32_t> classes;
  if (!text.empty()) {
    const auto parsed = ParseLasClasses(text);
    if (!parsed) {
      QApplication::beep();
      m_text->setFocus();
      m_text->selectAll();
      return;
    }
    classes = *parsed;
  }
  m_classes = std::move(classes);
  m_ok = true;
  hide();
}

void LasClassDialog::showEvent(QShowEvent* event) {
  m_ok = false;  // a dialog that ends other than by a button is no OK
  QDialog::showEvent(event);
}

void LasClassDialog::reject() {
  m_ok = false;
  hide();
}

}  // namespace plotvane::app
