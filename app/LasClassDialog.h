#pragma once
// LasClassDialog, "LAS の読込": which point classes of a LAS file to keep,
// asked by データ読込 before a LAS file is read.
//
// One box, ClassesText: class numbers separated by commas or blanks ("2" for
// ground), or empty for every point. OK with any other text beeps and
// selects it, as the skip dialog does. Created on first use and afterwards
// only hidden, so the box keeps the classes last given.

#include <QDialog>
#include <cstdint>
#include <vector>

class QLineEdit;

namespace plotvane::app {

class LasClassDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit LasClassDialog(QWidget* parent);

  // True after OK; false after Cancel and while the dialog is shown.
  bool ok() const { return m_ok; }
  // The classes OK accepted, empty for all; meaningful when ok().
  const std::vector<std::int32_t>& classes() const { return m_classes; }
  QLineEdit* classesText() const { return m_text; }

  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void acceptValues();

  QLineEdit* m_text;
  bool m_ok = false;
  std::vector<std::int32_t> m_classes;
};

}  // namespace plotvane::app
