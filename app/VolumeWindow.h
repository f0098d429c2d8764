#pragma once
// VolumeWindow, the tool window "土量計算": the cut and fill of the loaded
// surface against a level plane or a second data file (tools/Volume.h).
//
// The user chooses the reference (the plane's height, or a second file by a
// file chooser), the method (TIN, exact; or grid cells with their side) and
// presses "計算"; the six figures fill the table, and "CSV 保存" writes them
// with the inputs as the report the command line writes
// (tools/VolumeReport.h).
//
// - The loaded surface is taken as it is at the press: its mesh and its
//   distortion limit. The second file is loaded afresh at every press, with
//   no lines skipped and the first three columns, and its own settings decide
//   its limit, as the command line loads it without options.
// - Any change of the inputs empties the table and disables "CSV 保存": the
//   figures on screen always belong to the inputs beside them.
// - The press does nothing before a map is drawn or while a load or a redraw
//   runs. A height or a cell side that is not a number, a cell so small that
//   the grid would pass its limit, a second file that does not load and
//   surfaces without a common area are each reported in a message box, and
//   the table stays empty.
//
// - With figures against a second file in the table, "差分図を表示" makes the
//   difference map of the two (load/DifferenceDocument.h) and hands it to the
//   main window, which shows it until the next load.
//
// The window is modeless; closing it destroys it.

#include <QWidget>
#include <memory>
#include <optional>

#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "data/Document.h"
#include "tools/VolumeReport.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableWidget;

namespace plotvane::app {

class VolumeWindow final : public QWidget {
  Q_OBJECT
 public:
  VolumeWindow(Document& doc, Dialogs& dialogs, CommandGuard& guard, QWidget* parent);

  // The controls, for the tests.
  QRadioButton* planeChoice() const { return m_planeChoice; }
  QLineEdit* planeBox() const { return m_planeBox; }
  QRadioButton* fileChoice() const { return m_fileChoice; }
  QLineEdit* fileBox() const { return m_fileBox; }
  QPushButton* browseButton() const { return m_browse; }
  QComboBox* methodBox() const { return m_method; }
  QLineEdit* cellBox() const { return m_cellBox; }
  QPushButton* computeButton() const { return m_compute; }
  QTableWidget* results() const { return m_results; }
  QPushButton* saveButton() const { return m_save; }
  QPushButton* differenceButton() const { return m_showDifference; }

 signals:
  // The difference map of the loaded surface and the second file.
  void differenceMade(const std::shared_ptr<Document>& difference);

 protected:
  // Enter presses "計算", Escape closes (ToolWindowKeys.h).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* createReference();
  QWidget* createMethod();
  void createResults();
  void chooseFile();
  void clearResults();
  void compute();
  void save();
  void showDifference();
  // The request of the boxes, or nullopt after telling the user what is wrong.
  std::optional<VolumeInputs> readInputs();
  void report(const QString& text);

  Document& m_doc;
  Dialogs& m_dialogs;
  CommandGuard& m_guard;
  QRadioButton* m_planeChoice = nullptr;
  QLineEdit* m_planeBox = nullptr;
  QRadioButton* m_fileChoice = nullptr;
  QLineEdit* m_fileBox = nullptr;
  QPushButton* m_browse = nullptr;
  QComboBox* m_method = nullptr;
  QLineEdit* m_cellBox = nullptr;
  QPushButton* m_compute = nullptr;
  QTableWidget* m_results = nullptr;
  QPushButton* m_save = nullptr;
  QPushButton* m_showDifference = nullptr;
  // The inputs and figures the table shows, for the report.
  std::optional<VolumeInputs> m_inputs;
  VolumeFigures m_figures;
};

}  // namespace plotvane::app
