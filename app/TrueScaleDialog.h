#pragma once
// TrueScaleDialog "縮尺印刷": asks for the scale and the paper of a
// true-scale print (render/TrueScalePage.h), the question of "縮尺印刷...".
//
// Created for one use. ScaleText, N of 1:N ("500" at first); PaperCombo,
// "A4" or "A3"; LandscapeCheck "横向き". OK accepts only a number above 0
// in ScaleText; otherwise it beeps and selects the box, so nothing is
// printed at a scale the user did not give. Cancel, Escape and the frame's
// close button cancel.

#include <QDialog>
#include <optional>

#include "render/TrueScalePage.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace plotvane::app {

class TrueScaleDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit TrueScaleDialog(QWidget* parent);

  // The choice OK accepted; nullopt after Cancel.
  const std::optional<TrueScale>& choice() const { return m_choice; }

 private:
  void acceptValues();

  QLineEdit* m_scaleText;
  QComboBox* m_paper;
  QCheckBox* m_landscape;
  std::optional<TrueScale> m_choice;
};

}  // namespace plotvane::app
