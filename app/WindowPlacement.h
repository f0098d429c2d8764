#pragma once
// Where the settings dialog and the tool windows appear: beside the main
// window, not over the map they preview or read, and where the user last
// put them.
//
// The first time a window is shown it goes to the right of the main window
// when the screen's free area has room for it there, else to its left, top
// edges level; with room on neither side the window system places it as
// before. Whenever a window is hidden (closed, or a dialog ended) its
// position is remembered by the window's object name, and the next showing,
// of the same window or of a new one of that name, starts there. Nothing is
// kept beyond the run.

#include <QHash>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

class QWidget;

namespace plotvane::app {

// The top-left corner of a window of frame size `size` beside `anchor` (the
// main window's frame) within `available`, or nullopt without room.
std::optional<QPoint> BesidePosition(const QRect& anchor, const QSize& size, const QRect& available);

class WindowPlaces final : public QObject {
 public:
  explicit WindowPlaces(QWidget& anchor);

  // Moves window (a top-level window about to be shown) to its remembered
  // place, or beside the anchor the first time; and watches it from then on.
  void place(QWidget& window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget& m_anchor;
  QHash<QString, QPoint> m_places;
};

}  // namespace plotvane::app
