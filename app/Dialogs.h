#pragma once
// The program's questions to the user, behind one small interface.
//
// Every file dialog, message box and modal dialog of the program goes
// through a Dialogs object, so that the tests can answer them by script and
// need no human. QtDialogs is the real one.
//
// Filters are in Qt's form (FileFilter.h converts the program's own); the
// first entry is selected. A file dialog returns the chosen full path, or an
// empty text when the user cancels: every caller treats cancelling as the
// end of its command. Save dialogs ask before replacing an existing file and
// never append an extension to the chosen name themselves; they report the
// filter entry selected, from which ChooseSaveFile (SaveFileName.h) completes
// a name given without one.

#include <QString>

class QDialog;
class QMessageBox;
class QPrinter;
class QWidget;

namespace plotvane::app {

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // start is a file or a folder: the dialog opens there, on that file.
  virtual QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) = 0;
  // selectedFilter receives the filter entry selected when the user accepted.
  virtual QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                           QString* selectedFilter) = 0;
  // A message box with an OK button and no icon.
  virtual void message(QWidget* parent, const QString& title, const QString& text) = 0;
  // A question with Yes and No buttons; true for Yes.
  virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;
  // Shows dialog modally; returns once it is hidden again.
  virtual void runModal(QDialog& dialog) = 0;
  // The printer dialog: the user picks the printer, the paper and the
  // orientation into printer. False when the user cancels.
  virtual bool setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) = 0;
};

// Makes box at least as wide as its title needs: a short text such as
// "保存しました。" would otherwise leave the title cut to "P…".
void FitMessageBoxToTitle(QMessageBox& box);

class QtDialogs final : public Dialogs {
 public:
  QString openFile(QWidget* parent, const QString& title, const QString& filter, const QString& start) override;
  QString saveFile(QWidget* parent, const QString& title, const QString& filter, const QString& start,
                   QString* selectedFilter) override;
  void message(QWidget* parent, const QString& title, const QString& text) override;
  bool ask(QWidget* parent, const QString& title, const QString& text) override;
  void runModal(QDialog& dialog) override;
  bool setUpPrinter(QWidget* parent, QPrinter& printer, const QString& title) override;
};

}  // namespace plotvane::app
