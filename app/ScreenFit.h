#pragma once
// A window of fixed layout on a screen too small for it.
//
// The settings dialog places its controls at fixed positions, and its
// natural size may not fit a small screen (or one scaled to 200 %). Then its
// controls move, once, into a scroll area that fills the window, each where
// it was and in the same tab order, and the window takes the size that fits;
// on a screen with room the window keeps its natural size.

#include <QSize>

class QWidget;

namespace plotvane::app {

// The window's size inside `room` (the screen's free area less the window's
// frame) for content of `natural` size, with room for the scroll bars needed.
QSize FittedSize(const QSize& natural, const QSize& room, int scrollBarExtent);

// Sizes window (whose controls were laid out for `natural`) to fit room,
// moving its controls into a scroll area the first time they do not fit.
void FitIntoScreen(QWidget& window, const QSize& natural, const QSize& room);

}  // namespace plotvane::app
