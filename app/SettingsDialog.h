#pragma once
// SettingsDialog, the drawing-settings dialog "描画設定".
//
// A thin editor of the document's DrawSettings. Showing the dialog (its
// activation) puts the current settings into the controls, takes a snapshot
// of them and sets ok to 0. The buttons:
// - OK: validates the controls (ValidateDrawSettings against the data
//   range), writes the result back into them and into the settings, ok = 1,
//   hides the dialog;
// - Test: the same without hiding, then asks the main window to clear the
//   surface and redraw (redrawRequested), so that the map behind the open
//   dialog shows the new values;
// - Cancel: puts the snapshot back into the controls (X1, X2, Y1, Y2, Z1, Z2,
//   n, sq, Check1, Check2, Check3, then the fill mode, whose rule may clear
//   Check3) and into the settings, ok = 0, hides the dialog and asks for a
//   redraw, so that a map drawn by Test is replaced.
// Closing the dialog by its frame acts as Cancel. Neither Enter nor Escape
// presses a button. Choosing "パターン" clears and disables "連続色分け";
// "カラー" and "グレー" enable it without checking it.
//
// While a load or a redraw runs (the guard is busy), the buttons and the
// frame's close do nothing.
//
// The settings exchange works on the settings in force (what the controls
// show when the dialog opens): copy into and paste from the dialog's paste
// buffer, save to and read from a view file (".ctv"). The file dialogs start
// at the path the caller keeps (the save and the read share it).

#include <QDialog>

#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "common/Failure.h"
#include "data/Document.h"
#include "settings/PasteBuffer.h"
#include "ui_SettingsDialog.h"

namespace plotvane::app {

class SettingsHelpers;

class SettingsDialog final : public QDialog {
  Q_OBJECT
 public:
  // dialogs runs the questions of the helpers (SettingsHelpers.h).
  SettingsDialog(Document& doc, CommandGuard& guard, Dialogs& dialogs, QWidget* parent);

  // 1 after OK or Test, 0 after Cancel and on every activation.
  int ok() const { return m_ok; }

  // The controls, for the tests and the settings exchange.
  const Ui::SettingsDialog& controls() const { return m_ui; }
  // The fourteen values as the controls show them.
  DrawSettings controlValues() const;

  void reject() override;

  // The size the controls were laid out for.
  QSize naturalSize() const { return m_natural; }
  // Fits the dialog into room, the screen's free area less its frame: on a
  // screen too small its controls scroll (ScreenFit.h).
  void fitScreen(const QSize& room);

  void ViewCopy();
  // Does nothing before the first ViewCopy.
  void ViewPaste();
  // Returns the error of a write that failed, empty otherwise (cancelling
  // included).
  WriteOutcome ViewSave(Dialogs& dialogs, QString& startPath);
  // A file that cannot be read or stops early changes what it could; the
  // caller redraws either way.
  void ViewRead(Dialogs& dialogs, QString& startPath);

 signals:
  // Clear the surface, let pending events run, redraw.
  void redrawRequested();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void setControls(const DrawSettings& values);
  void applyOptionRule();
  void validateControls();
  void acceptSettings();
  void cancelSettings();
  void testSettings();

  Document& m_doc;
  CommandGuard& m_guard;
  Ui::SettingsDialog m_ui;
  DrawSettings m_snapshot;
  PasteBuffer m_pasteBuffer;
  SettingsHelpers* m_helpers;
  int m_ok = 0;
  QSize m_natural;
};

}  // namespace plotvane::app
