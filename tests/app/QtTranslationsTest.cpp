// Qt's own texts in Japanese: the buttons Qt names, in a button box, a message
// box and Qt's own file dialog, whatever the locale; English and the
// desktop's dialogs when the catalogue is missing, with nothing installed.

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTranslator>

#include "AppSuites.h"
#include "app/QtTranslations.h"
#include "support/TempDir.h"

using namespace plotvane;

namespace {

QString ButtonText(QDialogButtonBox::StandardButton which) {
  QDialogButtonBox box(which);
  return box.button(which)->text();
}

}  // namespace

class QtTranslationsTest : public QObject {
  Q_OBJECT
 private slots:
  void init();
  void cleanup();
  void standardButtons_data();
  void standardButtons();
  void messageBoxButtons();
  void fileDialogTexts();
  void missingCatalogueLeavesEnglish();
};

// A user whose locale is neither Japanese nor English.
void QtTranslationsTest::init() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

void QtTranslationsTest::cleanup() {
  for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
  QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false);
}

void QtTranslationsTest::standardButtons_data() {
  QTest::addColumn<QDialogButtonBox::StandardButton>("which");
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("japanese");
  QTest::newRow("Cancel") << QDialogButtonBox::Cancel << "Cancel" << QStringLiteral("キャンセル");
  QTest::newRow("Yes") << QDialogButtonBox::Yes << "&Yes" << QStringLiteral("はい(&Y)");
  QTest::newRow("No") << QDialogButtonBox::No << "&No" << QStringLiteral("いいえ(&N)");
  QTest::newRow("Save") << QDialogButtonBox::Save << "Save" << QStringLiteral("保存");
  QTest::newRow("Open") << QDialogButtonBox::Open << "Open" << QStringLiteral("開く");
  QTest::newRow("Close") << QDialogButtonBox::Close << "Close" << QStringLiteral("閉じる");
}

void QtTranslationsTest::standardButtons() {
  QFETCH(QDialogButtonBox::StandardButton, which);
  QFETCH(QString, english);
  QFETCH(QString, japanese);
  QCOMPARE(ButtonText(which), english);
  QVERIFY(app::InstallQtTranslations(*qApp));
  QCOMPARE(ButtonText(which), japanese);
}

void QtTranslationsTest::messageBoxButtons() {
  QVERIFY(app::InstallQtTranslations(*qApp));
  QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"), QStringLiteral("x"),
                  QMessageBox::Ok | QMessageBox::Cancel);
  QCOMPARE(box.button(QMessageBox::Cancel)->text(), QStringLiteral("キャンセル"));
}

// The file dialog is Qt's own, not the desktop's, and its labels come from
// the same catalogue.
void QtTranslationsTest::fileDialogTexts() {
  QVERIFY(app::InstallQtTranslations(*qApp));
  QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
  QFileDialog dialog;
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  const auto* buttons = dialog.findChild<QDialogButtonBox*>();
  QVERIFY(buttons);
  QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("キャンセル"));
  QCOMPARE(buttons->button(QDialogButtonBox::Open)->text(), QStringLiteral("開く(&O)"));
  const auto* lookIn = dialog.findChild<QLabel*>(QStringLiteral("lookInLabel"));
  QVERIFY(lookIn);
  QCOMPARE(lookIn->text(), QStringLiteral("アドレス:"));
}

void QtTranslationsTest::missingCatalogueLeavesEnglish() {
  const test::TempDir empty;
  QVERIFY(!app::InstallQtTranslations(*qApp, QString::fromStdString(empty.path())));
  QVERIFY(qApp->findChildren<QTranslator*>().isEmpty());
  QVERIFY(!QCoreApplication::testAttribute(Qt::AA_DontUseNativeDialogs));
  QCOMPARE(ButtonText(QDialogButtonBox::Cancel), QStringLiteral("Cancel"));
}

PLOTVANE_APP_SUITE(QtTranslationsTest)
#include "QtTranslationsTest.moc"
