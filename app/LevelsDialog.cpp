#include "app/LevelsDialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "settings/LevelList.h"
#include "settings/NumberText.h"

namespace plotvane::app {

LevelsDialog::LevelsDialog(QWidget* parent, const std::vector<double>& levels)
    : QDialog(parent), m_levelsText(new QLineEdit(QString::fromStdString(LevelListText(levels)), this)) {
  setWindowTitle(QStringLiteral("等高線値"));
  m_levelsText->setObjectName(QStringLiteral("LevelsText"));
  m_levelsText->setMinimumWidth(240);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  ok->setObjectName(QStringLiteral("OKButton"));
  buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("CancelButton"));
  auto* form = new QFormLayout(this);
  form->addRow(QStringLiteral("値 (,区切り)"), m_levelsText);
  form->addRow(buttons);
  connect(ok, &QPushButton::clicked, this, &LevelsDialog::acceptValues);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void LevelsDialog::acceptValues() {
  const std::string text = m_levelsText->text().toStdString();
  if (TrimSpaces(text).empty()) {
    m_levels = std::vector<double>{};
    accept();
    return;
  }
  auto parsed = ParseLevelList(text);
  if (std::holds_alternative<std::string>(parsed)) {
    QApplication::beep();
    m_levelsText->setFocus();
    m_levelsText->selectAll();
    return;
  }
  m_levels = std::move(std::get<std::vector<double>>(parsed));
  accept();
}

}  // namespace plotvane::app
