// Fitting a window of fixed layout to a small screen. See ScreenFit.h.

#include "app/ScreenFit.h"

#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace plotvane::app {
namespace {

const QString kScrollName = QStringLiteral("ScreenFitScroll");

// The window's focus chain, to be put back after the controls have moved.
QList<QWidget*> FocusChain(QWidget& window) {
  QList<QWidget*> chain;
  for (QWidget* w = window.nextInFocusChain(); w != nullptr && w != &window; w = w->nextInFocusChain()) chain << w;
  return chain;
}

void MoveIntoScrollArea(QWidget& window, const QSize& natural) {
  const QList<QWidget*> chain = FocusChain(window);
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("ScreenFitContent"));
  for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    // A control hidden on purpose stays hidden; a new parent hides the others.
    const bool shown = !child->isHidden();
    child->setParent(content);
    if (shown) child->show();
  }
  content->setFixedSize(natural);
  auto* scroll = new QScrollArea(&window);
  scroll->setObjectName(kScrollName);
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll);
  for (qsizetype i = 1; i < chain.size(); ++i) QWidget::setTabOrder(chain[i - 1], chain[i]);
}

}  // namespace

QSize FittedSize(const QSize& natural, const QSize& room, int scrollBarExtent) {
  bool across = natural.width() > room.width();
  bool down = natural.height() > room.height();
  // A scroll bar in one direction takes room from the other, which may then
  // need one too.
  across = across || (down && natural.width() + scrollBarExtent > room.width());
  down = down || (across && natural.height() + scrollBarExtent > room.height());
  if (!across && !down) return natural;
  return QSize(std::min(natural.width() + (down ? scrollBarExtent : 0), room.width()),
               std::min(natural.height() + (across ? scrollBarExtent : 0), room.height()));
}

void FitIntoScreen(QWidget& window, const QSize& natural, const QSize& room) {
  const QSize size = FittedSize(natural, room, window.style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  auto* scroll = window.findChild<QScrollArea*>(kScrollName, Qt::FindDirectChildrenOnly);
  if (size == natural && scroll == nullptr) return;
  if (scroll == nullptr) MoveIntoScrollArea(window, natural);
  window.setFixedSize(size);
}

}  // namespace plotvane::app
