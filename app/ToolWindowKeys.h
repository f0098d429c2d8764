#pragma once
// The keys of the tool windows (ValueWindow, GridWindow), which are plain
// windows rather than dialogs and so have no default button of their own:
// Enter or Return presses the window's command button, as if clicked, and
// Escape closes the window. A text box ignores both keys, so they reach the
// window wherever the focus is.

class QAbstractButton;
class QKeyEvent;
class QWidget;

namespace plotvane::app {

// Handles event for window; true when it was one of the two keys.
bool HandleToolWindowKey(QWidget& window, QAbstractButton& command, const QKeyEvent& event);

}  // namespace plotvane::app
