#pragma once
// LevelsDialog "等高線値": asks for explicit levels (settings/LevelList.h),
// the question of the settings dialog's helper "等高線値...".
//
// Created for one use, showing the levels in force. One box, LevelsText:
// the levels separated by commas, or nothing for the even steps of n. OK
// accepts an empty box or a list ParseLevelList reads; otherwise it beeps and
// selects the box. Cancel, Escape and the frame's close button cancel.

#include <QDialog>
#include <optional>
#include <vector>

class QLineEdit;

namespace plotvane::app {

class LevelsDialog final : public QDialog {
  Q_OBJECT
 public:
  LevelsDialog(QWidget* parent, const std::vector<double>& levels);

  // The levels OK accepted (empty: even steps); nullopt after Cancel.
  const std::optional<std::vector<double>>& levels() const { return m_levels; }

 private:
  void acceptValues();

  QLineEdit* m_levelsText;
  std::optional<std::vector<double>> m_levels;
};

}  // namespace plotvane::app
