// The page on a screen scaled to 200 %: the surface shows the recorded page
// played at the screen's resolution (the same pixels as plotvane-cli render
// --dpi 192), while the bitmap the clipboard and the BMP export take stays
// 597 x 477 and the mouse maps to the same millimetres. CTest runs this suite
// with QT_SCALE_FACTOR=2.

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"
#include "app/CursorReadout.h"
#include "app/PageSurface.h"
#include "qtplay/PageWriters.h"

using namespace plotvane;
using namespace plotvane::app;

class HighDpiTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void pageIsDrawnAtDeviceResolution();
};

void HighDpiTest::pageIsDrawnAtDeviceResolution() {
  m_window->show();
  QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
  if (m_window->devicePixelRatioF() != 2.0) QSKIP("needs QT_SCALE_FACTOR=2, as CTest sets it");
  m_window->openDataFile(QString::fromStdString(test::SourceDir() + "/examples/survey.txt"));
  QVERIFY(m_window->document().drawable());

  PageSurface* surface = m_window->pageSurface();
  QCOMPARE(surface->image().size(), QSize(597, 477));
  const QImage& screen = surface->screenImage();
  QCOMPARE(screen.devicePixelRatio(), 2.0);
  const QImage at192 = qtplay::renderImage(m_window->currentPage(), 192.0);
  QCOMPARE(screen.size(), at192.size());
  QVERIFY(screen.convertToFormat(QImage::Format_RGB32) == at192.convertToFormat(QImage::Format_RGB32));

  QSignalSpy moved(surface, &PageSurface::mouseMovedMm);
  const QPointF inside = QPointF(surface->contentsRect().topLeft()) + QPointF(300.0, 200.0);
  QMouseEvent move(QEvent::MouseMove, inside, surface->mapToGlobal(inside), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(surface, &move);
  QCOMPARE(moved.count(), 1);
  QCOMPARE(moved[0][0].toFloat(), PixelsToMillimetres(300.0));
  QCOMPARE(moved[0][1].toFloat(), PixelsToMillimetres(200.0));
}

PLOTVANE_APP_SUITE(HighDpiTest)
#include "HighDpiTest.moc"
