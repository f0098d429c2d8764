#include "app/SettingsDialog.h"

#include <QKeyEvent>

#include "app/NumberBoxes.h"
#include "app/ScreenFit.h"
#include "app/SettingsHelpers.h"

namespace plotvane::app {
namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// A long number shows from its first digit, as a box does before it is edited.
void SetText(QLineEdit* edit, const std::string& s) {
  edit->setText(QString::fromStdString(s));
  edit->setCursorPosition(0);
}
int Check(const QCheckBox* box) { return box->isChecked() ? 1 : 0; }

}  // namespace

SettingsDialog::SettingsDialog(Document& doc, CommandGuard& guard, Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_guard(guard) {
  m_ui.setupUi(this);
  setFixedSize(size());
  m_helpers = new SettingsHelpers(*this, m_ui, doc, dialogs);
  FitNumberBoxes(*this, {m_ui.X1, m_ui.X2, m_ui.Y1, m_ui.Y2, m_ui.Z1, m_ui.Z2, m_ui.n, m_ui.sq});
  m_natural = size();
  connect(m_ui.Command1, &QPushButton::clicked, this, &SettingsDialog::acceptSettings);
  connect(m_ui.Command2, &QPushButton::clicked, this, &SettingsDialog::cancelSettings);
  connect(m_ui.Command3, &QPushButton::clicked, this, &SettingsDialog::testSettings);
  for (QRadioButton* option : {m_ui.Option1, m_ui.Option2, m_ui.Option3}) {
    connect(option, &QRadioButton::toggled, this, [this](bool checked) {
      if (checked) applyOptionRule();
    });
  }
}

DrawSettings SettingsDialog::controlValues() const {
  DrawSettings s;
  s.X1 = Text(m_ui.X1);
  s.X2 = Text(m_ui.X2);
  s.Y1 = Text(m_ui.Y1);
  s.Y2 = Text(m_ui.Y2);
  s.Z1 = Text(m_ui.Z1);
  s.Z2 = Text(m_ui.Z2);
  s.n = Text(m_ui.n);
  s.sq = Text(m_ui.sq);
  s.ContourLines = Check(m_ui.Check1);
  s.TriangleEdges = Check(m_ui.Check2);
  s.ContinuousColour = Check(m_ui.Check3);
  s.fillMode = m_ui.Option3->isChecked()   ? FillMode::FillPattern
               : m_ui.Option2->isChecked() ? FillMode::FillGrey
                                           : FillMode::FillColour;
  return s;
}

// In the order Cancel restores them: Check3 before the options, so that a
// switch to the pattern mode leaves it cleared.
void SettingsDialog::setControls(const DrawSettings& s) {
  SetText(m_ui.X1, s.X1);
  SetText(m_ui.X2, s.X2);
  SetText(m_ui.Y1, s.Y1);
  SetText(m_ui.Y2, s.Y2);
  SetText(m_ui.Z1, s.Z1);
  SetText(m_ui.Z2, s.Z2);
  SetText(m_ui.n, s.n);
  SetText(m_ui.sq, s.sq);
  m_ui.Check1->setChecked(s.ContourLines != 0);
  m_ui.Check2->setChecked(s.TriangleEdges != 0);
  m_ui.Check3->setChecked(s.ContinuousColour != 0);
  QRadioButton* option = s.fillMode == FillMode::FillPattern ? m_ui.Option3
                         : s.fillMode == FillMode::FillGrey  ? m_ui.Option2
                                                             : m_ui.Option1;
  option->setChecked(true);
  // An option that was already selected sends no toggle; the rule must hold
  // all the same.
  applyOptionRule();
}

void SettingsDialog::applyOptionRule() {
  if (m_ui.Option3->isChecked()) {
    m_ui.Check3->setChecked(false);
    m_ui.Check3->setEnabled(false);
  } else {
    m_ui.Check3->setEnabled(true);
  }
}

void SettingsDialog::validateControls() {
  DrawSettings s = controlValues();
  ValidateDrawSettings(s, m_doc.range);
  setControls(s);
  m_doc.settings = s;
  m_helpers->applyOptions();
}

void SettingsDialog::showEvent(QShowEvent* event) {
  // The dialog's activation: the controls show the settings in force.
  setControls(m_doc.settings);
  m_snapshot = controlValues();
  m_helpers->showOptions();
  m_ok = 0;
  QDialog::showEvent(event);
}

void SettingsDialog::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Enter:
    case Qt::Key_Return: event->ignore(); return;
    default: QDialog::keyPressEvent(event);
  }
}

void SettingsDialog::fitScreen(const QSize& room) { FitIntoScreen(*this, m_natural, room); }

void SettingsDialog::reject() { cancelSettings(); }

void SettingsDialog::acceptSettings() {
  if (m_guard.busy()) return;
  validateControls();
  m_ok = 1;
  hide();
}

void SettingsDialog::testSettings() {
  if (m_guard.busy()) return;
  validateControls();
  m_ok = 1;
  emit redrawRequested();
}

void SettingsDialog::cancelSettings() {
  if (m_guard.busy()) return;
  setControls(m_snapshot);
  m_doc.settings = m_snapshot;
  m_helpers->restoreOptions();
  m_ok = 0;
  hide();
  emit redrawRequested();
}

}  // namespace plotvane::app
