#pragma once
// Form6, the tool window "指定座標の値": the value of the mesh at a typed point.
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
#include "ui_Form6.h"

namespace plotvane::app {

class Form6 final : public QWidget {
  Q_OBJECT
 public:
  Form6(Document& doc, CommandGuard& guard, QWidget* parent);

  // The controls, for the tests.
  const Ui::Form6& controls() const { return m_ui; }

 private:
  void Form_Load();
  void Command1_Click();

  Document& m_doc;
  CommandGuard& m_guard;
  Ui::Form6 m_ui;
};

}  // namespace plotvane::app
