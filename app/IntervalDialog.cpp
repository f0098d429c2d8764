#include "app/IntervalDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "common/Capacity.h"
#include "settings/NumberText.h"

namespace plotvane::app {

IntervalDialog::IntervalDialog(QWidget* parent, std::int32_t indexEvery)
    : QDialog(parent),
      m_intervalText(new QLineEdit(this)),
      m_baseText(new QLineEdit(QStringLiteral("0"), this)),
      m_indexEvery(new QSpinBox(this)) {
  setWindowTitle(QStringLiteral("間隔"));
  m_intervalText->setObjectName(QStringLiteral("IntervalText"));
  m_baseText->setObjectName(QStringLiteral("BaseText"));
  m_indexEvery->setObjectName(QStringLiteral("IndexEverySpin"));
  m_indexEvery->setRange(0, capacity::kMaxLevels);
  m_indexEvery->setSpecialValueText(QStringLiteral("なし"));
  m_indexEvery->setSuffix(QStringLiteral(" 本ごと"));
  m_indexEvery->setValue(indexEvery);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("CancelButton"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("間隔 D"), m_intervalText);
  form->addRow(QStringLiteral("基準 B"), m_baseText);
  form->addRow(QStringLiteral("計曲線"), m_indexEvery);
  form->addRow(buttons);
  connect(ok, &QPushButton::clicked, this, &IntervalDialog::acceptValues);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

std::int32_t IntervalDialog::indexEvery() const { return m_indexEvery->value(); }

void IntervalDialog::acceptValues() {
  const auto interval = ParseNumber(m_intervalText->text().toStdString());
  const auto base = ParseNumber(m_baseText->text().toStdString());
  QLineEdit* fault = !interval || !(*interval > 0.0) ? m_intervalText : !base ? m_baseText : nullptr;
  if (fault != nullptr) {
    QApplication::beep();
    fault->setFocus();
    fault->selectAll();
    return;
  }
  m_interval = *interval;
  m_base = *base;
  m_ok = true;
  accept();
}

}  // namespace plotvane::app
