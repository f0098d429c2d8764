#include "app/SettingsHelpers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>

#include "app/IntervalDialog.h"
#include "app/LevelsDialog.h"
#include "render/ColourRamps.h"
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

QCheckBox* OptionCheck(QGroupBox& group, const QString& name, const QString& text, int top) {
  auto* check = new QCheckBox(text, &group);
  check->setObjectName(name);
  check->setGeometry(8, top, SettingsHelpers::kColumnWidth - 24, 17);
  return check;
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
  connect(HelperButton(dialog, QStringLiteral("LevelsButton"), QStringLiteral("等高線値..."), 80),
          &QPushButton::clicked, this, &SettingsHelpers::askLevels);
  auto* group = new QGroupBox(QStringLiteral("オプション"), &dialog);
  group->setObjectName(QStringLiteral("OptionsGroup"));
  // Below the buttons, within the height of the dialog's own layout.
  group->setGeometry(kColumnLeft, 106, kColumnWidth - 8, 102);
  m_labels = OptionCheck(*group, QStringLiteral("LabelsCheck"), QStringLiteral("ラベル表示"), 15);
  m_posts = OptionCheck(*group, QStringLiteral("PostsCheck"), QStringLiteral("データ点"), 32);
  m_postLabels = OptionCheck(*group, QStringLiteral("PostLabelsCheck"), QStringLiteral("点ラベル"), 49);
  m_isotropic = OptionCheck(*group, QStringLiteral("IsotropicCheck"), QStringLiteral("等方メッシュ"), 66);
  m_ramp = new QComboBox(group);
  m_ramp->setObjectName(QStringLiteral("RampCombo"));
  m_ramp->setGeometry(8, 83, kColumnWidth - 24, 18);
  for (const std::string_view name : kRampNames) m_ramp->addItem(QString::fromUtf8(name.data(), name.size()));
}

void SettingsHelpers::showOptions() {
  m_labelsShown = m_doc.labels;
  m_labelsAsked = m_labelsShown;
  m_postsShown = m_doc.posts;
  m_rampShown = m_doc.ramp;
  m_levelsShown = m_doc.explicitLevels;
  m_levels = m_levelsShown;
  m_labels->setChecked(m_labelsShown.show);
  m_posts->setChecked(m_postsShown.show);
  m_postLabels->setChecked(m_postsShown.label != PostLabel::None);
  m_isotropicShown = m_doc.meshOptions.isotropic;
  m_isotropic->setChecked(m_isotropicShown);
  // A ramp that is none of the named ones (none can be chosen here) shows as
  // the program's own.
  m_ramp->setCurrentIndex(0);
  for (std::size_t i = 0; i < kRampNames.size(); ++i) {
    if (NamedRamp(kRampNames[i]) == m_rampShown) m_ramp->setCurrentIndex(static_cast<int>(i));
  }
}

void SettingsHelpers::applyOptions() {
  m_doc.labels.show = m_labels->isChecked();
  m_doc.labels.indexEvery = m_labelsAsked.indexEvery;
  m_doc.labels.base = m_labelsAsked.base;
  m_doc.posts = PostOptions{m_posts->isChecked(), m_postLabels->isChecked() ? PostLabel::Name : PostLabel::None};
  m_doc.ramp = NamedRamp(m_ramp->currentText().toStdString()).value_or(RampChoice{});
  m_doc.explicitLevels = m_levels;
  m_doc.meshOptions.isotropic = m_isotropic->isChecked();
}

void SettingsHelpers::restoreOptions() {
  m_labels->setChecked(m_labelsShown.show);
  m_doc.labels = m_labelsShown;
  m_labelsAsked = m_labelsShown;
  m_doc.posts = m_postsShown;
  m_doc.ramp = m_rampShown;
  m_levels = m_levelsShown;
  m_doc.explicitLevels = m_levelsShown;
  m_isotropic->setChecked(m_isotropicShown);
  m_doc.meshOptions.isotropic = m_isotropicShown;
}

void SettingsHelpers::askLevels() {
  LevelsDialog ask(&m_dialog, m_levels);
  m_dialogs.runModal(ask);
  if (ask.levels()) m_levels = *ask.levels();
}

void SettingsHelpers::askInterval() {
  if (!m_doc.hasData()) return;
  IntervalDialog ask(&m_dialog, m_labelsAsked.indexEvery);
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
  m_labelsAsked.indexEvery = ask.indexEvery();
  m_labelsAsked.base = ask.base();
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
