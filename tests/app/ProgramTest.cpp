// The program as a process: ended by SIGTERM or SIGINT it still shuts down
// normally and deletes its temporary page file.

#include <signal.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QTest>

#include "AppSuites.h"
#include "support/TempDir.h"

namespace {

// The page files in the program's folder.
QStringList PageFiles() {
  return QFileInfo(QStringLiteral(PLOTVANE_PROGRAM)).dir().entryList({QStringLiteral("temp????.emf")}, QDir::Files);
}

// A page file the program started at `start` has made: a new name, or the
// name of a killed program's leftover, which a start removes and may take
// again. Empty until there is one (and, with `drawn`, until it holds a page).
QString NewPageFile(const QStringList& before, const QDateTime& start, bool drawn) {
  for (const QString& name : PageFiles()) {
    const QFileInfo info(QFileInfo(QStringLiteral(PLOTVANE_PROGRAM)).dir().filePath(name));
    const bool fresh = !before.contains(name) || info.birthTime() >= start || info.lastModified() >= start;
    if (fresh && (!drawn || info.size() > 0)) return info.filePath();
  }
  return {};
}

}  // namespace

class ProgramTest : public QObject {
  Q_OBJECT
 private slots:
  void signalEndsCleanly_data();
  void signalEndsCleanly();
  void signalEndsTheStartUpErrorBox();
};

void ProgramTest::signalEndsCleanly_data() {
  QTest::addColumn<int>("signal");
  QTest::newRow("SIGTERM") << int{SIGTERM};
  QTest::newRow("SIGINT") << int{SIGINT};
}

void ProgramTest::signalEndsCleanly() {
  QFETCH(int, signal);
  const QStringList before = PageFiles();
  // Whole seconds on some file systems: a start in the same second counts.
  const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
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
    page = NewPageFile(before, start, true);
    QTest::qWait(20);
  }
  QVERIFY2(!page.isEmpty(), "no page file appeared");

  ::kill(static_cast<pid_t>(program.processId()), signal);
  QVERIFY(program.waitForFinished(20000));
  QCOMPARE(program.exitStatus(), QProcess::NormalExit);
  QCOMPARE(program.exitCode(), 0);
  QVERIFY2(!QFileInfo::exists(page), qPrintable(page));
}

// A file that cannot be opened puts up the box titled "Error" before the
// window is shown; the signal must end the program through it.
void ProgramTest::signalEndsTheStartUpErrorBox() {
  const QStringList before = PageFiles();
  // Whole seconds on some file systems: a start in the same second counts.
  const QDateTime start = QDateTime::currentDateTime().addSecs(-1);
  QProcess program;
  program.setProcessChannelMode(QProcess::ForwardedChannels);
  program.start(QStringLiteral(PLOTVANE_PROGRAM), {QStringLiteral("/nonexistent/plotvane-missing.txt")});
  QVERIFY(program.waitForStarted());
  QElapsedTimer clock;
  clock.start();
  QString page;
  while (page.isEmpty() && clock.elapsed() < 20000) {
    page = NewPageFile(before, start, false);
    QTest::qWait(20);
  }
  QVERIFY2(!page.isEmpty(), "no page file appeared");
  QTest::qWait(500);  // the box is up by now
  ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
  QVERIFY2(program.waitForFinished(3000), "the program still runs a few seconds after SIGTERM");
  QCOMPARE(program.exitCode(), 0);
  QVERIFY2(!QFileInfo::exists(page), qPrintable(page));
}

PLOTVANE_APP_SUITE(ProgramTest)
#include "ProgramTest.moc"
