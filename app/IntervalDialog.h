#pragma once
// IntervalDialog "間隔": asks for the contour interval D and its base B, the
// question of the settings dialog's helper "間隔...".
//
// Created for one use. Two boxes: IntervalText, the interval D (empty at
// first), and BaseText, the base B ("0" at first). OK accepts only a positive
// number for D and a number for B (ParseNumber, blanks around allowed);
// otherwise it beeps and selects the first box at fault, so the helper never
// runs with values the user did not give. Cancel, Escape and the frame's
// close button cancel.

#include <QDialog>

class QLineEdit;

namespace plotvane::app {

class IntervalDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit IntervalDialog(QWidget* parent);

  // True after OK.
  bool ok() const { return m_ok; }
  // The values OK accepted; meaningful when ok().
  double interval() const { return m_interval; }
  double base() const { return m_base; }

 private:
  void acceptValues();

  QLineEdit* m_intervalText;
  QLineEdit* m_baseText;
  bool m_ok = false;
  double m_interval = 0.0;
  double m_base = 0.0;
};

}  // namespace plotvane::app
