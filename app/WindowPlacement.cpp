// Placing windows beside the main window. See WindowPlacement.h.

#include "app/WindowPlacement.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace plotvane::app {
namespace {

// The gap between the main window and the one beside it.
constexpr int kGap = 8;

}  // namespace

std::optional<QPoint> BesidePosition(const QRect& anchor, const QSize& size, const QRect& available) {
  if (size.height() > available.height()) return std::nullopt;
  // Level with the main window, but never below the screen's free area.
  const int top = std::clamp(anchor.top(), available.top(), available.bottom() + 1 - size.height());
  const int right = anchor.right() + 1 + kGap;
  if (right + size.width() <= available.right() + 1) return QPoint(right, top);
  const int left = anchor.left() - kGap - size.width();
  if (left >= available.left()) return QPoint(left, top);
  return std::nullopt;
}

WindowPlaces::WindowPlaces(QWidget& anchor) : QObject(&anchor), m_anchor(anchor) {}

void WindowPlaces::place(QWidget& window) {
  window.removeEventFilter(this);
  window.installEventFilter(this);
  if (const auto remembered = m_places.constFind(window.objectName()); remembered != m_places.cend()) {
    window.move(*remembered);
    return;
  }
  const QScreen* screen = m_anchor.screen();
  if (!screen) return;
  // Before its first showing a window has no frame yet; the main window's
  // frame margins stand for it.
  const QSize margins = m_anchor.frameGeometry().size() - m_anchor.size();
  const QSize size = window.size() + margins;
  if (const auto beside = BesidePosition(m_anchor.frameGeometry(), size, screen->availableGeometry())) {
    window.move(*beside);
  }
}

bool WindowPlaces::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Hide) {
    if (const auto* window = qobject_cast<QWidget*>(watched)) m_places.insert(window->objectName(), window->pos());
  }
  return false;
}

}  // namespace plotvane::app
