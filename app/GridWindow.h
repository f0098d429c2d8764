#pragma once
// GridWindow, the tool window "格子状のデータに変換": the mesh resampled on a
// regular grid and saved as tab-separated text, an ESRI ASCII grid or a
// GeoTIFF.
//
// Six boxes hold the grid, per axis (X column Text1..Text3, Y column
// Text4..Text6) the origin, the interval and the count; "変換" (Command1)
// runs the conversion:
// 1. Nothing happens unless all six texts are numbers and the mesh has at
//    least three triangles. A number beyond what the grid can take (too
//    large for single precision, a count beyond 32 bits) is reported at
//    once, before any file is asked for.
// 2. The save dialog "格子状データの保存" proposes fileTitle + "_格子" in
//    the folder of the window's remembered path, which then becomes the
//    chosen path. Cancelling it is reported like an error.
//    An ESRI ASCII grid (".asc", with a .prj beside it) or a GeoTIFF
//    (".tif") then asks for the coordinate system (CoordinateSystemDialog.h).
// 3. ConvertToGrid (or the raster writer of the name) writes the file, with
//    a progress dialog that appears when the conversion lasts and whose
//    cancel stops it; until it completes the chosen file is untouched. A CommandGuard scope is held meanwhile: the
//    other commands do nothing, and this window refuses to close.
// 4. On success the window closes and "保存しました。" is shown; any error
//    (the cancelled dialog, a file that cannot be written, a conversion
//    stopped by the user) is shown instead and the window stays open with
//    its texts.
// Every message box carries the program's name as its title.
//
// The window is modeless and starts with six empty boxes; closing it
// destroys it, so the next opening starts empty again.

#include <QWidget>
#include <functional>
#include <string>

#include "app/CommandGuard.h"
#include "app/Dialogs.h"
#include "common/Failure.h"
#include "common/Progress.h"
#include "contours/CoordinateSystem.h"
#include "data/Document.h"
#include "tools/GridParameters.h"
#include "ui_GridWindow.h"

namespace plotvane::app {

// The message of a save dialog left by its cancel button.
inline constexpr char kDialogCancelled[] = "キャンセルが選択されました。";

class GridWindow final : public QWidget {
  Q_OBJECT
 public:
  // dialogPath: where the save dialog starts, a file or a folder; empty for
  // the working folder.
  GridWindow(Document& doc, Dialogs& dialogs, CommandGuard& guard, QString dialogPath, QWidget* parent);

  // The controls, for the tests.
  const Ui::GridWindow& controls() const { return m_ui; }
  // The coordinate system the question offers first.
  void setCoordinateSystem(CoordinateSystem system) { m_system = system; }
  // The path the save dialog starts from next: the last one chosen.
  const QString& dialogPath() const { return m_dialogPath; }
  // Stops a conversion in progress as its Cancel button does: the program
  // asked to end does not wait for a grid of millions of points.
  void cancelConversion() { m_cancelRequested = true; }

 signals:
  // The grid file has been written at path; the window closes next.
  void saved(const QString& path);
  // The user chose a coordinate system for a raster file.
  void coordinateSystemChosen(CoordinateSystem system);
  // A conversion has ended, whatever its outcome, and released the guard.
  // A close of the main window requested meanwhile can be carried out now;
  // connect queued, since this window still has its message to show.
  void conversionEnded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter presses "変換", Escape closes (ToolWindowKeys.h).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void clearFields();
  void runConversion();
  GridTexts texts() const;
  QString proposedFile() const;
  // Writes the grid in the format of the target's name.
  WriteOutcome convert(const GridParameters& grid, const std::string& target, ProgressSink& progress,
                       const std::function<bool()>& cancelled);
  void report(const QString& text);

  Document& m_doc;
  Dialogs& m_dialogs;
  CommandGuard& m_guard;
  QString m_dialogPath;
  CoordinateSystem m_system;
  Ui::GridWindow m_ui;
  bool m_converting = false;
  bool m_cancelRequested = false;
};

}  // namespace plotvane::app
