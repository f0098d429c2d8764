// The page view: the page fits the window as it is resized, the wheel zooms
// about the cursor, a drag pans, 100%表示 and 全体表示 restore; through all of
// it a mouse move over a page point reports the millimetres and the value it
// reports at 100 %.

#include <QSignalSpy>
#include <QTest>
#include <cmath>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/CursorReadout.h"
#include "app/PageSurface.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

// A mouse event at a point of the drawing area, or (notches) a wheel turn.
void Send(PageSurface* s, QEvent::Type type, QPointF area, Qt::MouseButtons buttons = {}, int notches = 0) {
  const QPointF at = area + QPointF(s->contentsRect().topLeft());
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent mouse(type, at, s->mapToGlobal(at), button, buttons, Qt::NoModifier);
  QWheelEvent wheel(at, s->mapToGlobal(at), {}, {0, 120 * notches}, {}, {}, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(s, notches != 0 ? static_cast<QEvent*>(&wheel) : &mouse);
}

// Page points (pixels at 100 %): on the map, and off it (the third).
const QList<QPointF> kPagePoints{{276, 230}, {350.5, 300.25}, {40, 40}, {100.5, 60}, {340.25, 225.5}};

}  // namespace

class PageViewTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void init();
  void fitsTheWindowAsItResizes();
  void readoutUnderZoomAndPan_data();
  void readoutUnderZoomAndPan();
  void actualSizeAndFitRestore();

 private:
  PageSurface* surface() const { return m_window->pageSurface(); }
  QPointF areaPointOf(const QPointF& page) const { return surface()->view().origin + page * surface()->view().scale; }
  void resizeBy(const QSize& grow) {
    const QSize expected = surface()->contentsRect().size() + grow;
    m_window->resize(m_window->size() + grow);
    QTRY_COMPARE(surface()->contentsRect().size(), expected);
  }
};

void PageViewTest::init() {
  MainWindowSuite::init();
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  m_window->openDataFile(QString::fromStdString(test::SourceDir() + "/examples/survey.txt"));
}

void PageViewTest::fitsTheWindowAsItResizes() {
  const QImage before = surface()->image().copy();
  for (const QSize grow : {QSize(400, 100), QSize(-600, 200), QSize(100, -450)}) {
    resizeBy(grow);
    const QSizeF area(surface()->contentsRect().size());
    const double scale = std::min(area.width() / 597.0, area.height() / 477.0);
    QCOMPARE(surface()->view().scale, scale);
    // Centred, to the pixel.
    const QPointF gaps =
        QPointF(area.width() - 597 * scale, area.height() - 477 * scale) - surface()->view().origin * 2;
    QVERIFY(std::abs(gaps.x()) <= 1.0 && std::abs(gaps.y()) <= 1.0);
    // Played again at the size shown.
    surface()->settle();
    QCOMPARE(surface()->screenImage().deviceIndependentSize(), QSizeF(std::ceil(597 * scale), std::ceil(477 * scale)));
  }
  // The clipboard's and the bitmap export's picture stays the 100 % page.
  QVERIFY(surface()->image() == before);
}

void PageViewTest::readoutUnderZoomAndPan_data() {
  QTest::addColumn<QSize>("grow");    // window resized by
  QTest::addColumn<int>("notches");   // wheel turns at (300, 200) of the area
  QTest::addColumn<QPointF>("drag");  // left-button drag by
  QTest::addColumn<bool>("replays");  // whether the pan plays the page again
  QTest::newRow("fit to a larger window") << QSize(333, 150) << 0 << QPointF() << false;
  QTest::newRow("zoomed and panned") << QSize() << 2 << QPointF(-37, 23) << false;
  QTest::newRow("panned to the corner") << QSize() << 6 << QPointF(3000, 3000) << false;
  // Too large to play whole: the part in sight is played, again after a pan.
  QTest::newRow("zoomed far in and panned") << QSize() << 12 << QPointF(-500, -300) << true;
  QTest::newRow("zoomed out") << QSize() << -2 << QPointF(10, 10) << false;
  QTest::newRow("larger window zoomed and panned") << QSize(333, 150) << 4 << QPointF(55, -71) << false;
}

void PageViewTest::readoutUnderZoomAndPan() {
  QFETCH(QSize, grow);
  QFETCH(int, notches);
  QFETCH(QPointF, drag);
  QFETCH(bool, replays);
  QStringList atActualSize;
  for (const QPointF& page : kPagePoints) {
    Send(surface(), QEvent::MouseMove, page);
    atActualSize << m_window->statusText();
  }
  QVERIFY(!atActualSize[0].isEmpty() && !atActualSize[1].isEmpty() && atActualSize[2].isEmpty());

  if (!grow.isEmpty()) resizeBy(grow);
  if (notches != 0) Send(surface(), QEvent::Wheel, QPointF(300, 200), {}, notches);
  surface()->settle();
  const QImage played = surface()->screenImage();
  const PageView zoomed = surface()->view();
  Send(surface(), QEvent::MouseButtonPress, QPointF(250, 250), Qt::LeftButton);
  Send(surface(), QEvent::MouseMove, QPointF(250, 250) + drag, Qt::LeftButton);
  Send(surface(), QEvent::MouseButtonRelease, QPointF(250, 250) + drag);
  surface()->settle();
  // A drag pans only a page larger than the area.
  QCOMPARE(surface()->view().origin != zoomed.origin, notches > 0);
  QCOMPARE(surface()->screenImage().cacheKey() != played.cacheKey(), replays);

  QSignalSpy moved(surface(), &PageSurface::mouseMovedMm);
  for (qsizetype i = 0; i < kPagePoints.size(); ++i) {
    const QPointF area = areaPointOf(kPagePoints[i]);
    if (!QRectF(QPointF(), surface()->contentsRect().size()).contains(area)) continue;  // out of sight
    Send(surface(), QEvent::MouseMove, area);
    QCOMPARE(m_window->statusText(), atActualSize[i]);
    QCOMPARE(moved.last(),
             (QVariantList{PixelsToMillimetres(kPagePoints[i].x()), PixelsToMillimetres(kPagePoints[i].y())}));
  }
  QVERIFY(!moved.isEmpty());
}

void PageViewTest::actualSizeAndFitRestore() {
  Send(surface(), QEvent::Wheel, QPointF(100, 100), {}, 3);
  QVERIFY(surface()->view().scale > 1.9 && !surface()->fitsArea());
  m_window->controls().actualSize->trigger();
  QCOMPARE(surface()->view(), (PageView{1.0, QPointF(0, 0)}));
  // 100 % keeps its scale as the window grows; 全体表示 follows it again.
  resizeBy(QSize(300, 300));
  QCOMPARE(surface()->view().scale, 1.0);
  m_window->controls().fitPage->trigger();
  QVERIFY(surface()->fitsArea());
  QCOMPARE(surface()->view().scale, std::min(897.0 / 597.0, 777.0 / 477.0));
}

PLOTVANE_APP_SUITE(PageViewTest)
#include "PageViewTest.moc"
