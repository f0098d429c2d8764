// "縮尺印刷...": the question, the sheet on the chosen paper, the refusal of a
// scale the paper cannot hold, and the screen's page left as it was.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include "AppSuites.h"
#include "AppTestSupport.h"

using namespace plotvane;
using namespace plotvane::app;

class TrueScalePrintTest : public test::MainWindowSuite {
  Q_OBJECT
 private slots:
  void sheetIsOnThePaperAsked();
  void scaleThatDoesNotFitIsRefused();

 private:
  // Loads the 100 x 50 m lattice and prints it at 1:scale, A3 landscape, to
  // target; returns the PDF.
  QByteArray print(const QString& scale, const QString& target);
};

QByteArray TrueScalePrintTest::print(const QString& scale, const QString& target) {
  m_window->openDataFile(QString::fromStdString(test::WriteLatticeFile(*m_dir, "lattice.txt")));
  m_dialogs->modalScript = [=](QDialog& d) {
    d.findChild<QLineEdit*>("ScaleText")->setText(scale);
    d.findChild<QComboBox*>("PaperCombo")->setCurrentText(QStringLiteral("A3"));
    d.findChild<QCheckBox*>("LandscapeCheck")->setChecked(true);
    QTest::mouseClick(d.findChild<QPushButton*>("OKButton"), Qt::LeftButton);
  };
  m_dialogs->printerScript = [=](QPrinter& printer) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(target);
    return true;
  };
  m_window->controls().printTrueScale->trigger();
  QFile file(target);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TrueScalePrintTest::sheetIsOnThePaperAsked() {
  const QString target = QString::fromStdString(m_dir->path() + "/sheet.pdf");
  const QByteArray pdf = print(QStringLiteral("500"), target);
  const DrawSettings shown = m_window->document().settings;
  QCOMPARE(m_dialogs->printerTitles, QStringList{QStringLiteral("縮尺印刷")});
  const auto box = QRegularExpression(QStringLiteral(R"(/MediaBox \[0 0 ([\d.]+) ([\d.]+)\])")).match(pdf);
  QVERIFY(box.hasMatch());
  // 420 x 297 mm in points of 1/72 inch.
  QVERIFY(qAbs(box.captured(1).toDouble() - 420 / 25.4 * 72) < 1);
  QVERIFY(qAbs(box.captured(2).toDouble() - 297 / 25.4 * 72) < 1);
  // The print widened its own copy of the window; the screen keeps 0..50 in Y.
  QCOMPARE(QString::fromStdString(shown.Y1 + " " + shown.Y2), QStringLiteral("0 50"));
}

void TrueScalePrintTest::scaleThatDoesNotFitIsRefused() {
  const QString target = QString::fromStdString(m_dir->path() + "/sheet.pdf");
  print(QStringLiteral("100"), target);
  QVERIFY(!QFile::exists(target));
  QVERIFY(m_dialogs->printerTitles.isEmpty());
  QCOMPARE(m_dialogs->messages.size(), std::size_t{1});
}

PLOTVANE_APP_SUITE(TrueScalePrintTest)
#include "TrueScalePrintTest.moc"
