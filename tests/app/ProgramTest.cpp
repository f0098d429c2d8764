// The program as a process: ended by SIGTERM or SIGINT it still shuts down
// normally and deletes its temporary page file.

#include <signal.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include "support/TempDir.h"

namespace {

// The page files in the program's folder.
QStringList PageFiles() {
  return QFileInfo(QStringLiteral(PLOTVANE_PROGRAM)).dir().entryList({QStringLiteral("temp????.emf")}, QDir::Files);
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT
 private slots:
  void signalEndsCleanly_data();
  void signalEndsCleanly();
};

void ProgramTest::signalEndsCleanly_data() {
  QTest::addColumn<int>("signal");
  QTest::newRow("SIGTERM") << int{SIGTERM};
  QTest::newRow("SIGINT") << int{SIGINT};
}

void ProgramTest::signalEndsCleanly() {
  QFETCH(int, signal);
  const QStringList before = PageFiles();
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QStringLiteral(PLOTVANE_PROGRAM),
                {qEnvironmentVariable("PLOTVANE_SOURCE_DIR") + QStringLiteral("/examples/survey.txt")});
  QVERIFY(program.waitForStarted());

  // Wait until the program has made its page file and drawn the page into it.
  QString page;
  QElapsedTimer clock;
  clock.start();
  while (page.isEmpty() && clock.elapsed() < 20000) {
    for (const QString& name : PageFiles()) {
      const QFileInfo info(QFileInfo(QStringLiteral(PLOTVANE_PROGRAM)).dir().filePath(name));
      if (!before.contains(name) && info.size() > 0) page = info.filePath();
    }
    QTest::qWait(20);
  }
  QVERIFY2(!page.isEmpty(), "no page file appeared");

  ::kill(static_cast<pid_t>(program.processId()), signal);
  QVERIFY(program.waitForFinished(20000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QCOMPARE(program.exitCode(), 0);
  QVERIFY2(!QFileInfo::exists(page), qPrintable(page));
}

QTEST_GUILESS_MAIN(ProgramTest)
#include "ProgramTest.moc"
