// The page view: the window opens at 100 %, the page fits the window as it
// is resized, the wheel zooms about the cursor, a drag pans, 100%表示 and
// 全体表示 restore; and through all of it the cursor read-out names the page
// point under the cursor exactly as at 100 %.

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <cmath>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/CursorReadout.h"
#include "app/PageSurface.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

QPointF AreaPointOf(const PageSurface& surface, const QPointF& page) {
  return QPointF(surface.contentsRect().topLeft()) + surface.view().origin + page * surface.view().scale;
}

void SendMouse(PageSurface* surface, QEvent::Type type, const QPointF& local, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
  QMouseEvent event(type, local, surface->mapToGlobal(local), button, buttons, Qt::NoModifier);
  QCoreApplication::sendEvent(surface, &event);
}

void Wheel(PageSurface* surface, const QPointF& local, int notches) {
  QWheelEvent event(local, surface->mapToGlobal(local), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(surface, &event);
}

void Drag(PageSurface* surface, const QPointF& from, const QPointF& by) {
  SendMouse(surface, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
  SendMouse(surface, QEvent::MouseMove, from + by / 2, Qt::NoButton, Qt::LeftButton);
  SendMouse(surface, QEvent::MouseMove, from + by, Qt::NoButton, Qt::LeftButton);
  SendMouse(surface, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
}

// Page points (pixels at 100 %) over the map and off it.
const QList<QPointF> kPagePoints{{276, 230}, {200, 150},  {350.5, 300.25}, {120.75, 380},
                                 {40, 40},   {100.5, 60}, {340.25, 225.5}};

}  // namespace

class PageViewTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void opensAtActualSize();
  void fitsTheWindowAsItResizes();
  void readoutUnderZoomAndPan_data();
  void readoutUnderZoomAndPan();
  void actualSizeAndFitRestore();

 private:
  PageSurface* surface() const { return m_window->pageSurface(); }
  // The panel's text for a mouse move over a page point at the current view.
  QString readoutAt(const QPointF& page) {
    SendMouse(surface(), QEvent::MouseMove, AreaPointOf(*surface(), page), Qt::NoButton, Qt::NoButton);
    return m_window->statusText();
  }
};

void PageViewTest::init() {
  MainWindowSuite::init();
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  m_window->openDataFile(QString::fromStdString(test::SourceDir() + "/examples/survey.txt"));
  QVERIFY(m_window->document().drawable());
}

void PageViewTest::opensAtActualSize() {
  QCOMPARE(surface()->contentsRect().size(), QSize(597, 477));
  QCOMPARE(surface()->view().scale, 1.0);
  QCOMPARE(surface()->view().origin, QPointF(0, 0));
  QVERIFY(m_window->minimumSize().width() < 617 && m_window->maximumSize().width() > 617);
  if (surface()->devicePixelRatioF() == 1.0) QVERIFY(surface()->screenImage() == surface()->image());
}

void PageViewTest::fitsTheWindowAsItResizes() {
  const QImage before = surface()->image().copy();
  const QSize initial = m_window->size();
  for (const QSize grow : {QSize(400, 100), QSize(-200, 300), QSize(-300, -250)}) {
    m_window->resize(initial + grow);
    QTRY_COMPARE(surface()->contentsRect().size(), QSize(597, 477) + grow);
    const QSizeF area(surface()->contentsRect().size());
    const double scale = std::min(area.width() / 597.0, area.height() / 477.0);
    QCOMPARE(surface()->view().scale, scale);
    // Centred: the gaps either side differ by the rounding of the origin.
    const QPointF gap = QPointF(area.width() - 597 * scale, area.height() - 477 * scale) - surface()->view().origin;
    QVERIFY(std::abs(gap.x() - surface()->view().origin.x()) <= 1.0);
    QVERIFY(std::abs(gap.y() - surface()->view().origin.y()) <= 1.0);
    // Played again at the size shown, at the screen's resolution.
    surface()->settle();
    QCOMPARE(surface()->screenImage().deviceIndependentSize(), QSizeF(std::ceil(597 * scale), std::ceil(477 * scale)));
    QCOMPARE(surface()->screenImage().devicePixelRatio(), surface()->devicePixelRatioF());
  }
  // The clipboard's and the bitmap export's picture stays the 100 % page.
  QVERIFY(surface()->image() == before);
}

void PageViewTest::readoutUnderZoomAndPan_data() {
  QTest::addColumn<QSize>("grow");    // window resized by
  QTest::addColumn<int>("notches");   // wheel turns at (300, 200) of the area
  QTest::addColumn<QPointF>("drag");  // left-button drag by
  QTest::addColumn<bool>("replays");  // whether the pan plays the page again
  QTest::newRow("100 %") << QSize() << 0 << QPointF() << false;
  QTest::newRow("zoomed in") << QSize() << 3 << QPointF() << false;
  QTest::newRow("zoomed and panned") << QSize() << 2 << QPointF(-37, 23) << false;
  QTest::newRow("panned to the corner") << QSize() << 6 << QPointF(3000, 3000) << false;
  // Too large to play whole: the part in sight is played, again after a pan.
  QTest::newRow("zoomed far in and panned") << QSize() << 12 << QPointF(-500, -300) << true;
  QTest::newRow("zoomed out") << QSize() << -2 << QPointF(10, 10) << false;
  QTest::newRow("fit to a larger window") << QSize(333, 150) << 0 << QPointF() << false;
  QTest::newRow("larger window zoomed and panned") << QSize(333, 150) << 4 << QPointF(55, -71) << false;
}

void PageViewTest::readoutUnderZoomAndPan() {
  QFETCH(QSize, grow);
  QFETCH(int, notches);
  QFETCH(QPointF, drag);
  QFETCH(bool, replays);
  QStringList atActualSize;
  for (const QPointF& page : kPagePoints) atActualSize << readoutAt(page);
  QVERIFY2(!atActualSize[0].isEmpty() && !atActualSize[1].isEmpty() && !atActualSize[2].isEmpty(),
           qPrintable(atActualSize.join("|")));
  QVERIFY(atActualSize[4].isEmpty());  // off the map

  if (!grow.isEmpty()) {
    m_window->resize(m_window->size() + grow);
    QTRY_COMPARE(surface()->contentsRect().size(), QSize(597, 477) + grow);
  }
  const QPointF corner(surface()->contentsRect().topLeft());
  if (notches != 0) Wheel(surface(), corner + QPointF(300, 200), notches);
  const PageView zoomed = surface()->view();
  surface()->settle();
  const qint64 played = surface()->screenImage().cacheKey();
  if (!drag.isNull()) Drag(surface(), corner + QPointF(250, 250), drag);
  surface()->settle();
  QCOMPARE(surface()->screenImage().cacheKey() != played, replays);
  // A drag pans only a page larger than the area.
  QCOMPARE(surface()->view().origin != zoomed.origin, !drag.isNull() && notches > 0);
  QCOMPARE(surface()->view().scale == 1.0, notches == 0 && grow.isEmpty());

  QSignalSpy moved(surface(), &PageSurface::mouseMovedMm);
  int seen = 0;
  for (qsizetype i = 0; i < kPagePoints.size(); ++i) {
    const QPointF area = AreaPointOf(*surface(), kPagePoints[i]) - corner;
    if (area.x() < 0 || area.y() < 0 || area.x() >= surface()->contentsRect().width() ||
        area.y() >= surface()->contentsRect().height()) {
      continue;  // panned out of sight
    }
    moved.clear();
    ++seen;
    QCOMPARE(readoutAt(kPagePoints[i]), atActualSize[i]);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved[0][0].toFloat(), PixelsToMillimetres(kPagePoints[i].x()));
    QCOMPARE(moved[0][1].toFloat(), PixelsToMillimetres(kPagePoints[i].y()));
  }
  QVERIFY(seen > 0);
}

void PageViewTest::actualSizeAndFitRestore() {
  const QPointF corner(surface()->contentsRect().topLeft());
  Wheel(surface(), corner + QPointF(100, 100), 3);
  QVERIFY(surface()->view().scale > 1.9);
  QVERIFY(!surface()->fitsArea());
  m_window->controls().actualSize->trigger();
  QCOMPARE(surface()->view(), (PageView{1.0, QPointF(0, 0)}));
  surface()->settle();
  if (surface()->devicePixelRatioF() == 1.0) QVERIFY(surface()->screenImage() == surface()->image());

  // 全体表示 follows the window again; 100 % keeps its scale when it grows.
  m_window->resize(m_window->size() + QSize(300, 300));
  QTRY_COMPARE(surface()->contentsRect().size(), QSize(897, 777));
  QCOMPARE(surface()->view().scale, 1.0);
  m_window->controls().fitPage->trigger();
  QVERIFY(surface()->fitsArea());
  QCOMPARE(surface()->view().scale, std::min(897.0 / 597.0, 777.0 / 477.0));
  QCOMPARE(m_window->controls().actualSize->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_0));
}

PLOTVANE_APP_SUITE(PageViewTest)
#include "PageViewTest.moc"
