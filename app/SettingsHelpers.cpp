#include "app/SettingsHelpers.h"

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

#include "app/IntervalDialog.h"
#include "settings/ContourInterval.h"
#include "settings/EqualAspect.h"

namespace plotvane::app {
namespace {

const QString kTooManyLevels = QStringLiteral("この間隔では分割数が512を超えます。間隔を大きくしてください。");

QPushButton* HelperButton(QDialog& dialog, const QString& name, const QString& text, int top) {
  auto* button = new QPushButton(text, &dialog);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setGeometry(SettingsHelpers::kColumnLeft, top, SettingsHelpers::kColumnWidth - 8, 25);
  return button;
}

void SetText(QLineEdit* edit, const std::string& s) {
  edit->setText(QString::fromStdString(s));
  edit->setCursorPosition(0);
}

}  // namespace

SettingsHelpers::SettingsHelpers(QDialog& dialog, const Ui::SettingsDialog& ui, Document& doc, Dialogs& dialogs)
    : QObject(&dialog), m_dialog(dialog), m_ui(ui), m_doc(doc), m_dialogs(dialogs) {
  dialog.setFixedSize(kColumnLeft + kColumnWidth, dialog.height());
  connect(HelperButton(dialog, QStringLiteral("IntervalButton"), QStringLiteral("間隔..."), 16), &QPushButton::clicked,
          this, &SettingsHelpers::askInterval);
  connect(HelperButton(dialog, QStringLiteral("EqualAspectButton"), QStringLiteral("縦横比を揃える"), 48),
          &QPushButton::clicked, this, &SettingsHelpers::equaliseAspect);
  auto* group = new QGroupBox(QStringLiteral("オプション"), &dialog);
  group->setObjectName(QStringLiteral("OptionsGroup"));
  group->setGeometry(kColumnLeft, 144, kColumnWidth - 8, 57);
  m_labels = new QCheckBox(QStringLiteral("ラベル表示"), group);
  m_labels->setObjectName(QStringLiteral("LabelsCheck"));
  m_labels->setGeometry(8, 24, kColumnWidth - 24, 17);
}

void SettingsHelpers::showOptions() {
  m_labelsShown = m_doc.labels.show;
  m_labels->setChecked(m_labelsShown);
}

void SettingsHelpers::applyOptions() { m_doc.labels.show = m_labels->isChecked(); }

void SettingsHelpers::restoreOptions() {
  m_labels->setChecked(m_labelsShown);
  m_doc.labels.show = m_labelsShown;
}

void SettingsHelpers::askInterval() {
  if (!m_doc.hasData()) return;
  IntervalDialog ask(&m_dialog);
  m_dialogs.runModal(ask);
  if (!ask.ok()) return;
  DrawSettings s;
  const DataRange& r = m_doc.range;
  if (ApplyContourInterval(s, ask.interval(), ask.base(), r.zMin, r.zMax) != IntervalLevels::Status::Ok) {
    m_dialogs.message(&m_dialog, ask.windowTitle(), kTooManyLevels);
    return;
  }
  SetText(m_ui.Z1, s.Z1);
  SetText(m_ui.Z2, s.Z2);
  SetText(m_ui.n, s.n);
}

void SettingsHelpers::equaliseAspect() {
  if (!m_doc.hasData()) return;
  DrawSettings s;
  s.X1 = m_ui.X1->text().toStdString();
  s.X2 = m_ui.X2->text().toStdString();
  s.Y1 = m_ui.Y1->text().toStdString();
  s.Y2 = m_ui.Y2->text().toStdString();
  ApplyEqualAspect(s, m_doc.range);
  SetText(m_ui.X1, s.X1);
  SetText(m_ui.X2, s.X2);
  SetText(m_ui.Y1, s.Y1);
  SetText(m_ui.Y2, s.Y2);
}

}  // namespace plotvane::app
