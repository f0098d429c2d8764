#pragma once
// frmAbout, the about box: the program's title and version, and in place of
// a system-information tool, the Qt version the program runs on and the
// compiler it was built with. Modal; OK closes it.

#include <QDialog>

#include "ui_frmAbout.h"

namespace plotvane::app {

// "Version " + the project's version.
QString VersionText();
// "Qt <run-time version> · <compiler>".
QString BuildText();

class frmAbout final : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent);

  const Ui::frmAbout& controls() const { return m_ui; }

 private:
  Ui::frmAbout m_ui;
};

}  // namespace plotvane::app
