#pragma once
// The text boxes that hold numbers: wide enough for the longest number text,
// showing its start whenever the box is not being edited, and taking a typed
// number in place of the old one.
//
// The layouts were drawn for a narrow system font, and a number of 15
// significant digits with sign and exponent ("-8.88888888888888E-308") did
// not fit: a box showed "36.732" for 36.7324984 and, after Tab, the end of
// the text. FitNumberBoxes widens every box to the width that text needs in
// the box's own font, and makes room without changing the arrangement: the
// window's children keep their left-to-right order and their rows, a control
// that held another (a frame round a box) still holds it, and the window
// grows by what was added. Heights and vertical positions never change.
//
// The room is made by one monotone map of x coordinates: each column of
// boxes (boxes sharing a left edge) adds the width its narrowest box lacks at
// that box's right edge, and every edge beyond it moves by as much. A box
// then takes its new width from its new left edge; a frame or a line keeps
// both of its mapped edges, so it stretches over the columns it spans; a
// label just left of a box keeps its distance to the box, one just above a
// box its place along it; any other control (a button, an option) moves with
// its left edge. None but boxes and frames changes width, so that what a
// control shows and where it takes a click stay together.
//
// Focus: a box that gains the focus selects its whole text, so typing
// replaces it ("0" over "3" gives "0", not "30"); a box that loses it shows
// the start of its text. (The windows that put a text into a box from
// outside move its cursor to the start themselves.)

#include <QList>
#include <QRect>

class QLineEdit;
class QWidget;

namespace plotvane::app {

// The widest text a number box is made for.
inline constexpr char kLongestNumberText[] = "-8.88888888888888E-308";

// The width box needs to show kLongestNumberText whole, in its font and style.
int NumberBoxWidth(const QLineEdit& box);

struct LayoutItem {
  enum class Kind { Fixed, NumberBox, Stretch };
  QRect rect;
  Kind kind = Kind::Fixed;
};

// The rectangles of items (in one parent's coordinates) after widening every
// number box to at least boxWidth, by the map described above; the last
// element is the parent's new width as a rectangle's right edge (x 0,
// width = new width), given parentWidth.
QList<QRect> WidenedLayout(const QList<LayoutItem>& items, int boxWidth, int parentWidth);

// Widens boxes (children of window) and moves window's other children, then
// fixes the window's size; and gives each box the focus behaviour above.
void FitNumberBoxes(QWidget& window, const QList<QLineEdit*>& boxes);

// The focus behaviour alone, for a box that keeps its width.
void SelectWholeNumberOnFocus(QLineEdit& box);

}  // namespace plotvane::app
