#include "app/TrueScaleDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "settings/NumberText.h"

namespace plotvane::app {

TrueScaleDialog::TrueScaleDialog(QWidget* parent)
    : QDialog(parent),
      m_scaleText(new QLineEdit(QStringLiteral("500"), this)),
      m_paper(new QComboBox(this)),
      m_landscape(new QCheckBox(QStringLiteral("横向き"), this)) {
  setWindowTitle(QStringLiteral("縮尺印刷"));
  m_scaleText->setObjectName(QStringLiteral("ScaleText"));
  m_paper->setObjectName(QStringLiteral("PaperCombo"));
  m_landscape->setObjectName(QStringLiteral("LandscapeCheck"));
  for (const Paper& paper : kPapers) m_paper->addItem(QString::fromUtf8(paper.name.data(), paper.name.size()));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("CancelButton"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("縮尺 1:"), m_scaleText);
  form->addRow(QStringLiteral("用紙"), m_paper);
  form->addRow(m_landscape);
  form->addRow(buttons);
  connect(ok, &QPushButton::clicked, this, &TrueScaleDialog::acceptValues);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TrueScaleDialog::acceptValues() {
  const auto scale = ParseNumber(m_scaleText->text().toStdString());
  if (!scale || !(*scale > 0.0 && std::isfinite(*scale))) {
    QApplication::beep();
    m_scaleText->setFocus();
    m_scaleText->selectAll();
    return;
  }
  m_choice = TrueScale{*scale, kPapers[static_cast<std::size_t>(m_paper->currentIndex())], m_landscape->isChecked()};
  accept();
}

}  // namespace plotvane::app
