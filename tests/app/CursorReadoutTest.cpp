// The read-out under the cursor, on the mesh the program builds for a
// lattice with the linear field Z = X + 2Y over X 0..100, Y 0..50: every
// position has a value that can be worked out by hand.

#include <QRegularExpression>
#include <QTest>

#include "AppSuites.h"
#include "app/CursorReadout.h"
#include "tools/ToolMeshes.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

Document LatticeDocument() {
  test::Points points;
  for (int i = 0; i <= 10; ++i) {
    for (int j = 0; j <= 5; ++j) points.add(10.0 * i, 10.0 * j, 10.0 * i + 20.0 * j);
  }
  const test::ToolMesh t = test::DelaunayMesh(points);
  Document doc;
  doc.points.nn = points.size();
  doc.mesh = t.mesh;
  doc.range = t.range;
  return doc;
}

struct Shown {
  double X, Y, Z;
};

// The three numbers of a read-out text; fails the test when the text is not
// of the form "  X=..,  Y=..,  Z=..".
Shown Parse(const std::string& text) {
  static const QRegularExpression kForm(QStringLiteral("^  X=(\\S+),  Y=(\\S+),  Z=(\\S+)$"));
  const QRegularExpressionMatch m = kForm.match(QString::fromStdString(text));
  if (!m.hasMatch()) {
    QTest::qFail(qPrintable(QStringLiteral("not a read-out: '%1'").arg(QString::fromStdString(text))), __FILE__,
                 __LINE__);
    return {};
  }
  return {m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble()};
}

}  // namespace

class CursorReadoutTest : public QObject {
  Q_OBJECT
 private slots:
  void pixelsToMillimetres();
  void exactText();
  void insideMap_data();
  void insideMap();
  void outsideMapIsEmpty_data();
  void outsideMapIsEmpty();
  void noMeshIsEmpty();
  void degenerateKeepsText();
};

void CursorReadoutTest::pixelsToMillimetres() {
  QCOMPARE(PixelsToMillimetres(0), 0.0f);
  QCOMPARE(PixelsToMillimetres(96), 25.4f);
  QCOMPARE(PixelsToMillimetres(597), static_cast<float>(597 * 25.4 / 96));
}

void CursorReadoutTest::exactText() {
  // 73 mm is u = 50; 60.85 mm is v = 50 once rounded to single precision.
  const Document doc = LatticeDocument();
  QCOMPARE(CursorReadout(doc, 73.0f, 60.85f), std::optional<std::string>("  X=50,  Y=25,  Z=100"));
}

void CursorReadoutTest::insideMap_data() {
  QTest::addColumn<float>("X");
  QTest::addColumn<float>("Y");
  QTest::addColumn<QString>("X1");
  QTest::addColumn<QString>("X2");
  QTest::addColumn<QString>("Y1");
  QTest::addColumn<QString>("Y2");
  QTest::addColumn<double>("Xm");
  QTest::addColumn<double>("Ym");
  // Empty window texts stand for the data extents.
  QTest::newRow("bottom-left corner") << 23.0f << 110.85f << ""
                                      << ""
                                      << ""
                                      << "" << 0.0 << 0.0;
  QTest::newRow("top-right corner") << 123.0f << 10.85f << ""
                                    << ""
                                    << ""
                                    << "" << 100.0 << 50.0;
  QTest::newRow("top-left corner") << 23.0f << 10.85f << ""
                                   << ""
                                   << ""
                                   << "" << 0.0 << 50.0;
  QTest::newRow("settings window") << 23.0f << 110.85f << "0"
                                   << "100"
                                   << "0"
                                   << "50" << 0.0 << 0.0;
  QTest::newRow("narrower window, left") << 23.0f << 60.85f << "25"
                                         << "75"
                                         << ""
                                         << "" << 25.0 << 25.0;
  QTest::newRow("narrower window, right") << 123.0f << 60.85f << "25"
                                          << "75"
                                          << ""
                                          << "" << 75.0 << 25.0;
  QTest::newRow("mirrored, left edge") << 23.0f << 60.85f << "100"
                                       << "0"
                                       << ""
                                       << "" << 100.0 << 25.0;
  QTest::newRow("mirrored, quarter") << 48.0f << 60.85f << "100"
                                     << "0"
                                     << ""
                                     << "" << 75.0 << 25.0;
  QTest::newRow("numeric prefix") << 73.0f << 60.85f << "0abc"
                                  << "100 "
                                  << ""
                                  << "" << 50.0 << 25.0;
}

void CursorReadoutTest::insideMap() {
  QFETCH(float, X);
  QFETCH(float, Y);
  QFETCH(QString, X1);
  QFETCH(QString, X2);
  QFETCH(QString, Y1);
  QFETCH(QString, Y2);
  QFETCH(double, Xm);
  QFETCH(double, Ym);
  Document doc = LatticeDocument();
  doc.settings.X1 = X1.toStdString();
  doc.settings.X2 = X2.toStdString();
  doc.settings.Y1 = Y1.toStdString();
  doc.settings.Y2 = Y2.toStdString();
  const std::optional<std::string> text = CursorReadout(doc, X, Y);
  QVERIFY(text.has_value());
  const Shown shown = Parse(*text);
  // Single-precision rounding of u and v, and 7 digits in the text.
  QVERIFY2(std::abs(shown.X - Xm) < 1e-4, text->c_str());
  QVERIFY2(std::abs(shown.Y - Ym) < 1e-4, text->c_str());
  QVERIFY2(std::abs(shown.Z - (shown.X + 2 * shown.Y)) < 1e-3, text->c_str());
}

void CursorReadoutTest::outsideMapIsEmpty_data() {
  QTest::addColumn<float>("X");
  QTest::addColumn<float>("Y");
  QTest::addColumn<QString>("X1");
  QTest::addColumn<QString>("X2");
  QTest::newRow("left of the square") << 22.9f << 60.0f << ""
                                      << "";
  QTest::newRow("right of the square") << 123.1f << 60.0f << ""
                                       << "";
  QTest::newRow("above the square") << 60.0f << 10.7f << ""
                                    << "";
  QTest::newRow("below the square") << 60.0f << 111.0f << ""
                                    << "";
  QTest::newRow("window beyond the data") << 120.0f << 60.0f << "0"
                                          << "200";
}

void CursorReadoutTest::outsideMapIsEmpty() {
  QFETCH(float, X);
  QFETCH(float, Y);
  QFETCH(QString, X1);
  QFETCH(QString, X2);
  Document doc = LatticeDocument();
  doc.settings.X1 = X1.toStdString();
  doc.settings.X2 = X2.toStdString();
  QCOMPARE(CursorReadout(doc, X, Y), std::optional<std::string>(""));
}

void CursorReadoutTest::noMeshIsEmpty() {
  QCOMPARE(CursorReadout(Document{}, 73.0f, 60.85f), std::optional<std::string>(""));
  // A mesh of two triangles is not enough for a read-out.
  test::ToolMesh t =
      test::MakeToolMesh({{0, 0, 0}, {0, 100, 0}, {100, 0, 100}, {100, 100, 100}}, {{0, 1, 2}, {1, 3, 2}});
  Document doc;
  doc.mesh = t.mesh;
  doc.range = t.range;
  QCOMPARE(CursorReadout(doc, 73.0f, 60.85f), std::optional<std::string>(""));
}

void CursorReadoutTest::degenerateKeepsText() {
  // The first triangle's vertices lie on the line X = 20: it takes every
  // point of that line and has no value there.
  const test::ToolMesh t = test::MakeToolMesh(
      {{20, 10, 5}, {20, 20, 5}, {20, 30, 5}, {0, 0, 0}, {0, 100, 0}, {100, 0, 100}, {100, 100, 100}},
      {{0, 1, 2}, {3, 4, 5}, {4, 6, 5}});
  Document doc;
  doc.mesh = t.mesh;
  doc.range = t.range;
  QCOMPARE(CursorReadout(doc, 43.0f, 80.85f), std::optional<std::string>());
  QVERIFY(!CursorReadout(doc, 53.0f, 80.85f).value_or("").empty());
}

PLOTVANE_APP_SUITE(CursorReadoutTest)
#include "CursorReadoutTest.moc"
