#pragma once
// IntervalDialog "間隔": asks for the contour interval D and its base B, the
// question of the settings dialog's helper "間隔...".
//
// Created for one use. Two boxes: IntervalText, the interval D (empty at
// first), and BaseText, the base B ("0" at first); and IndexEverySpin
// "計曲線": every N-th level an index contour (0, "なし": none), starting at
// the value in force. OK accepts only a positive
// number for D and a number for B (ParseNumber, blanks around allowed);
// otherwise it beeps and selects the first box at fault, so the helper never
// runs with values the user did not give. Cancel, Escape and the frame's
// close button cancel.

#include <QDialog>

#include <cstdint>

class QLineEdit;
class QSpinBox;

namespace plotvane::app {

class IntervalDialog final : public QDialog {
  Q_OBJECT
 public:
  IntervalDialog(QWidget* parent, std::int32_t indexEvery);

  // True after OK.
  bool ok() const { return m_ok; }
  // The values OK accepted; meaningful when ok().
  double interval() const { return m_interval; }
  double base() const { return m_base; }
  std::int32_t indexEvery() const;

 private:
  void acceptValues();

  QLineEdit* m_intervalText;
  QLineEdit* m_baseText;
  QSpinBox* m_indexEvery;
  bool m_ok = false;
  double m_interval = 0.0;
  double m_base = 0.0;
};

}  // namespace plotvane::app
