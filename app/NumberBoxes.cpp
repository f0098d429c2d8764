// Widening number boxes and their focus behaviour. See NumberBoxes.h.

#include "app/NumberBoxes.h"

#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <map>
#include <optional>

namespace plotvane::app {
namespace {

// QLineEdit keeps this margin on each side of its text.
constexpr int kLineEditTextMargin = 2;

class NumberBoxFocus final : public QObject {
 public:
  explicit NumberBoxFocus(QLineEdit& box) : QObject(&box), m_box(box) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched != &m_box) return false;
    if (event->type() == QEvent::FocusIn) {
      if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
        // After the event: the press that gave the focus places the cursor
        // next, which would clear a selection made now.
        QTimer::singleShot(0, &m_box, [box = &m_box] {
          if (box->window()->focusWidget() == box) box->selectAll();
        });
      } else {
        m_box.selectAll();
      }
    } else if (event->type() == QEvent::FocusOut &&
               static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) {
      m_box.setCursorPosition(0);
    }
    return false;
  }

 private:
  QLineEdit& m_box;
};

// The x map: the amount added at and beyond each boundary.
class ColumnMap {
 public:
  void add(int boundary, int extra) {
    if (extra > 0) m_extra[boundary] = std::max(m_extra[boundary], extra);
  }
  int operator()(int x) const {
    int shift = 0;
    for (const auto& [boundary, extra] : m_extra) {
      if (boundary > x) break;
      shift += extra;
    }
    return x + shift;
  }

 private:
  std::map<int, int> m_extra;
};

// How close a label stands to the box it names.
constexpr int kLabelGap = 8;

bool SameRows(const QRect& a, const QRect& b) {
  return a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

// Where a label that names a box goes: one just left of a box on its rows
// keeps its distance to the box; one just above a box, within its width,
// keeps its place along the box, in proportion. nullopt for any other
// control, which moves with its own left edge.
std::optional<int> labelLeft(const QRect& r, const QList<LayoutItem>& items, int boxWidth, const ColumnMap& map) {
  for (const LayoutItem& box : items) {
    if (box.kind != LayoutItem::Kind::NumberBox) continue;
    const QRect& b = box.rect;
    const int before = b.left() - (r.left() + r.width());
    if (SameRows(r, b) && before >= 0 && before <= kLabelGap) return map(b.left()) - (b.left() - r.left());
    const int above = b.top() - (r.top() + r.height());
    if (above >= 0 && above <= kLabelGap && r.left() >= b.left() && r.left() + r.width() <= b.left() + b.width()) {
      const double along = (r.left() + r.width() / 2.0 - b.left()) / b.width();
      const int width = std::max(boxWidth, b.width());
      return map(b.left()) + static_cast<int>(std::lround(along * width - r.width() / 2.0));
    }
  }
  return std::nullopt;
}

}  // namespace

int NumberBoxWidth(const QLineEdit& box) {
  const QFontMetrics metrics(box.font());
  const QMargins text = box.textMargins();
  const QMargins contents = box.contentsMargins();
  // One pixel more for the cursor after the last character.
  const int inner = metrics.horizontalAdvance(QString::fromLatin1(kLongestNumberText)) + 1 + 2 * kLineEditTextMargin +
                    text.left() + text.right() + contents.left() + contents.right();
  QStyleOptionFrame option;
  option.initFrom(&box);
  option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  return box.style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(inner, box.height()), &box).width();
}

QList<QRect> WidenedLayout(const QList<LayoutItem>& items, int boxWidth, int parentWidth) {
  // The narrowest box of each column decides what the column lacks.
  std::map<int, int> narrowest;
  for (const LayoutItem& item : items) {
    if (item.kind != LayoutItem::Kind::NumberBox) continue;
    const auto [at, fresh] = narrowest.emplace(item.rect.left(), item.rect.width());
    if (!fresh) at->second = std::min(at->second, item.rect.width());
  }
  ColumnMap map;
  for (const auto& [left, width] : narrowest) map.add(left + width, boxWidth - width);

  QList<QRect> out;
  for (const LayoutItem& item : items) {
    const QRect& r = item.rect;
    int left = map(r.left());
    int width = r.width();
    if (item.kind == LayoutItem::Kind::NumberBox) width = std::max(boxWidth, r.width());
    if (item.kind == LayoutItem::Kind::Stretch) width = map(r.left() + r.width()) - left;
    if (item.kind == LayoutItem::Kind::Fixed) left = labelLeft(r, items, boxWidth, map).value_or(left);
    out << QRect(left, r.top(), width, r.height());
  }
  out << QRect(0, 0, map(parentWidth), 0);
  return out;
}

void FitNumberBoxes(QWidget& window, const QList<QLineEdit*>& boxes) {
  int boxWidth = 0;
  for (const QLineEdit* box : boxes) boxWidth = std::max(boxWidth, NumberBoxWidth(*box));
  const QList<QWidget*> children = window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QList<LayoutItem> items;
  for (QWidget* child : children) {
    auto* box = qobject_cast<QLineEdit*>(child);
    LayoutItem::Kind kind = LayoutItem::Kind::Fixed;
    if (box != nullptr && boxes.contains(box)) kind = LayoutItem::Kind::NumberBox;
    // A plain frame: a box drawn round other controls, or a line.
    if (child->metaObject() == &QFrame::staticMetaObject) kind = LayoutItem::Kind::Stretch;
    items << LayoutItem{child->geometry(), kind};
  }
  const QList<QRect> placed = WidenedLayout(items, boxWidth, window.width());
  for (qsizetype i = 0; i < children.size(); ++i) children[i]->setGeometry(placed[i]);
  window.setFixedSize(placed.back().width(), window.height());
  for (QLineEdit* box : boxes) SelectWholeNumberOnFocus(*box);
}

void SelectWholeNumberOnFocus(QLineEdit& box) { box.installEventFilter(new NumberBoxFocus(box)); }

}  // namespace plotvane::app
