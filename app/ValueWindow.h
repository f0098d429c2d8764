#pragma once
// ValueWindow, the tool window "指定座標の値": the value of the mesh at a typed point.
//
// The user types X (Text1) and Y (Text2) in data units and presses "⇒"
// (Command1); Text3 then shows Z, the text of a single-precision value. The
// answer always comes from the mesh, the extents and sq in force at the
// moment of the press (MeshValueAt), so the window can stay open across loads
// and settings changes.
//
// - Editing X or Y empties Z at once: a Z on screen always belongs to the
//   coordinates beside it.
// - The press does nothing unless both texts are numbers (the whole text one
//   number), both fit in single precision and the mesh has at least three
//   triangles; a point without a value (outside the mesh, in an excluded or a
//   degenerate triangle) leaves Z as it was, empty after any edit. Nothing is
//   ever reported.
// - While a load or a redraw runs, the press does nothing.
//
// The window is modeless and starts with three empty boxes; closing it
// destroys it, so the next opening starts empty again.

#include <QWidget>

#include "app/CommandGuard.h"
#include "data/Document.h"
#include "ui_ValueWindow.h"

namespace plotvane::app {

class ValueWindow final : public QWidget {
  Q_OBJECT
 public:
  ValueWindow(Document& doc, CommandGuard& guard, QWidget* parent);

  // The controls, for the tests.
  const Ui::ValueWindow& controls() const { return m_ui; }

 protected:
  // Enter presses "⇒", Escape closes (ToolWindowKeys.h).
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void clearFields();
  void showValue();

  Document& m_doc;
  CommandGuard& m_guard;
  Ui::ValueWindow m_ui;
};

}  // namespace plotvane::app
