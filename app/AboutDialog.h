#pragma once
// AboutDialog, the about box: the program's title and version, and in place of
// a system-information tool, the Qt version the program runs on and the
// compiler it was built with. Modal; OK closes it.

#include <QDialog>

#include "ui_AboutDialog.h"

namespace plotvane::app {

// "Version " + the project's version.
QString VersionText();
// "Qt <run-time version> · <compiler>".
QString BuildText();

class AboutDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(QWidget* parent);

  const Ui::AboutDialog& controls() const { return m_ui; }

 private:
  Ui::AboutDialog m_ui;
};

}  // namespace plotvane::app
