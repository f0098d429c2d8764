// Enter and Escape in the tool windows. See ToolWindowKeys.h.

#include "app/ToolWindowKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

namespace plotvane::app {

bool HandleToolWindowKey(QWidget& window, QAbstractButton& command, const QKeyEvent& event) {
  if (event.modifiers() & ~Qt::KeypadModifier) return false;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (command.isEnabled()) command.click();
      return true;
    case Qt::Key_Escape: window.close(); return true;
    default: return false;
  }
}

}  // namespace plotvane::app
