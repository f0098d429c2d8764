// The desktop program's parts that need no window: file filters, the
// command line and captions, the skip count, the temporary page file.

#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <vector>

#include "AppSuites.h"
#include "app/CommandLine.h"
#include "app/FileFilter.h"
#include "app/PageFileWriter.h"
#include "app/SkipLinesDialog.h"
#include "app/TempPageFile.h"
#include "render/emf/EmfWriter.h"
#include "render/gdi/DeviceContext.h"
#include "support/TempDir.h"

using namespace plotvane;
using namespace plotvane::app;

namespace {

mode_t ModeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : 0;
}

bool Exists(const std::string& path) { return std::filesystem::exists(std::filesystem::symlink_status(path)); }

// A page with one line of the given length: pages of different sizes.
gdi::EnhMetaFile LinePage(std::int32_t length) {
  gdi::DeviceContext hdc = gdi::CreateEnhMetaFileA(gdi::RECT{0, 0, 10000, 10000});
  hdc.LineTo(length, length);
  return gdi::CloseEnhMetaFile(hdc);
}

std::string PageName(const test::TempDir& dir, int i) {
  return dir.file(QStringLiteral("temp%1.emf").arg(i, 4, 10, QLatin1Char('0')).toStdString());
}

}  // namespace

class AppUnitsTest : public QObject {
  Q_OBJECT
 private slots:
  void qtFileFilter_data();
  void qtFileFilter();
  void startupFile_data();
  void startupFile();
  void commandLineJoinsArguments();
  void captions();
  void skipLinesFromText_data();
  void skipLinesFromText();
  void pageFileTakesFirstFreeName();
  void pageFileRemovesLeftoversOfKilledPrograms();
  void pageFileSkipsDanglingLinks();
  void pageFileReusesOneWhenAllTaken();
  void pageFileRefusesLinksWhenAllTaken();
  void pageFileFallsBackToNextFolder();
  void pageFileNeverInASystemFolder();
  void pageFileWriterLeavesTheLastPageWhole();
};

void AppUnitsTest::qtFileFilter_data() {
  QTest::addColumn<QString>("common");
  QTest::addColumn<QString>("qt");
  QTest::newRow("load")
      << QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt) , ｺﾝﾀﾌｧｲﾙ(*.ctr) |*.txt;*.ctr|ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt|ｺﾝﾀﾌｧｲﾙ(*.ctr) |*.ctr|")
      << QStringLiteral(
             "ﾃｷｽﾄﾌｧｲﾙ(*.txt) , ｺﾝﾀﾌｧｲﾙ(*.ctr)  (*.txt *.ctr);;ﾃｷｽﾄﾌｧｲﾙ(*.txt);;"
             "ｺﾝﾀﾌｧｲﾙ(*.ctr)");
  // A description ending in its own patterns is shown once, as it stands.
  QTest::newRow("text only") << QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)|*.txt") << QStringLiteral("ﾃｷｽﾄﾌｧｲﾙ(*.txt)");
  QTest::newRow("patterns in the description") << QStringLiteral("GeoJSON (*.geojson)|*.geojson|KML (*.kml)|*.kml")
                                               << QStringLiteral("GeoJSON (*.geojson);;KML (*.kml)");
  QTest::newRow("blanks around patterns")
      << QStringLiteral("Images| *.bmp ; *.emf |") << QStringLiteral("Images (*.bmp *.emf)");
  QTest::newRow("description without patterns") << QStringLiteral("A|*.a|B") << QStringLiteral("A (*.a)");
  QTest::newRow("empty patterns dropped") << QStringLiteral("A||B|*.b") << QStringLiteral("B (*.b)");
  QTest::newRow("empty") << QString() << QString();
}

void AppUnitsTest::qtFileFilter() {
  QFETCH(QString, common);
  QFETCH(QString, qt);
  QCOMPARE(QtFileFilter(common), qt);
}

void AppUnitsTest::startupFile_data() {
  QTest::addColumn<QString>("commandLine");
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QString>("fileTitle");
  QTest::newRow("quoted, two dots") << QStringLiteral("\"/data/site.north.txt\"")
                                    << QStringLiteral("/data/site.north.txt") << QStringLiteral("site.north.txt")
                                    << QStringLiteral("site.north");
  QTest::newRow("no dot") << QStringLiteral("/data/survey") << QStringLiteral("/data/survey")
                          << QStringLiteral("survey") << QStringLiteral("survey");
  QTest::newRow("no folder") << QStringLiteral("survey.txt") << QStringLiteral("survey.txt")
                             << QStringLiteral("survey.txt") << QStringLiteral("survey");
  QTest::newRow("dot in folder only") << QStringLiteral("/a.b/survey") << QStringLiteral("/a.b/survey")
                                      << QStringLiteral("survey") << QStringLiteral("survey");
  QTest::newRow("inner quotes stay") << QStringLiteral("\"/x/a\"b.txt\"") << QStringLiteral("/x/a\"b.txt")
                                     << QStringLiteral("a\"b.txt") << QStringLiteral("a\"b");
  QTest::newRow("only an opening quote") << QStringLiteral("\"/x/標高.txt") << QStringLiteral("/x/標高.txt")
                                         << QStringLiteral("標高.txt") << QStringLiteral("標高");
}

void AppUnitsTest::startupFile() {
  QFETCH(QString, commandLine);
  QFETCH(QString, path);
  QFETCH(QString, fileName);
  QFETCH(QString, fileTitle);
  const std::optional<StartupFile> file = StartupFileOf(commandLine.toStdString());
  QVERIFY(file.has_value());
  QCOMPARE(file->path, path);
  QCOMPARE(file->fileName, fileName);
  QCOMPARE(QString::fromStdString(file->fileTitle), fileTitle);
}

void AppUnitsTest::commandLineJoinsArguments() {
  const auto joined = [](std::vector<const char*> argv) {
    return CommandLineBytes(static_cast<int>(argv.size()), argv.data());
  };
  QCOMPARE(joined({"plotvane"}), std::string());
  QCOMPARE(joined({"plotvane", "\"/a b.txt\""}), std::string("\"/a b.txt\""));
  QCOMPARE(joined({"plotvane", "/my", "data.txt"}), std::string("/my data.txt"));
  // Bytes that are not UTF-8 stay as they are, and so does the path opened.
  QCOMPARE(joined({"plotvane", "/x/data\xff.txt"}), std::string("/x/data\xff.txt"));
  QCOMPARE(StartupFileOf(std::string("/x/data\xff.txt"))->localPath, std::string("/x/data\xff.txt"));
  QVERIFY(!StartupFileOf(std::string()).has_value());
  QVERIFY(!StartupFileOf(std::string("\"\"")).has_value());
}

void AppUnitsTest::captions() {
  QCOMPARE(StartupCaption(QStringLiteral("a.txt")), QStringLiteral("Plotvane - a.txt"));
  QCOMPARE(MenuLoadCaption(QStringLiteral("a.txt")), QStringLiteral("Plotvane  a.txt"));
}

void AppUnitsTest::skipLinesFromText_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("valid");
  QTest::addColumn<int>("value");
  QTest::newRow("3") << "3" << true << 3;
  QTest::newRow("0") << "0" << true << 0;
  QTest::newRow("blanks") << " 12 " << true << 12;
  QTest::newRow("plus") << "+7" << true << 7;
  QTest::newRow("lowest") << "-32768" << true << -32768;
  QTest::newRow("highest") << "32767" << true << 32767;
  QTest::newRow("leading zeros") << "007" << true << 7;
  QTest::newRow("above") << "32768" << false << 0;
  QTest::newRow("below") << "-32769" << false << 0;
  QTest::newRow("huge") << "99999999999999999999999" << false << 0;
  QTest::newRow("empty") << "" << false << 0;
  QTest::newRow("sign only") << "-" << false << 0;
  QTest::newRow("fraction") << "2.5" << false << 0;
  QTest::newRow("word") << "abc" << false << 0;
  QTest::newRow("trailing word") << "3abc" << false << 0;
  QTest::newRow("inner blank") << "1 2" << false << 0;
}

void AppUnitsTest::skipLinesFromText() {
  QFETCH(QString, text);
  QFETCH(bool, valid);
  QFETCH(int, value);
  const std::optional<std::int16_t> lines = SkipLinesFromText(text);
  QCOMPARE(lines.has_value(), valid);
  if (valid) QCOMPARE(int{*lines}, value);
}

void AppUnitsTest::pageFileTakesFirstFreeName() {
  const test::TempDir dir;
  dir.write("temp0000.emf", "old");
  dir.write("temp0001.emf", "old");
  TempPageFile first = CreateTempPageFile(dir.path());
  QCOMPARE(first.path(), PageName(dir, 2));
  QCOMPARE(std::filesystem::file_size(first.path()), std::uintmax_t{0});
  QCOMPARE(ModeOf(first.path()), mode_t{0600});
  QCOMPARE(test::ReadBytes(PageName(dir, 0)), std::string("old"));
  // A second program in the same folder takes the next name, and leaves
  // the first one's files alone while it runs.
  TempPageFile second = CreateTempPageFile(dir.path() + "/");
  QCOMPARE(second.path(), PageName(dir, 3));
  QVERIFY(Exists(first.path()) && Exists(first.path() + ".lock"));
  const std::string path = first.path();
  first.remove();
  QVERIFY(!Exists(path) && !Exists(path + ".lock"));
  QVERIFY(Exists(PageName(dir, 0)) && Exists(PageName(dir, 1)));
  first.remove();  // already gone: no harm
}

// A killed program leaves its page file and lock behind with nobody holding
// the lock: the next start removes them. Page files without a lock (from
// elsewhere) stay.
void AppUnitsTest::pageFileRemovesLeftoversOfKilledPrograms() {
  const test::TempDir dir;
  dir.write("temp0000.emf", "left by a killed program");
  dir.write("temp0000.emf.lock", "");
  dir.write("temp0001.emf", "not ours to judge");
  const std::string running = [&] {
    TempPageFile alive = CreateTempPageFile(dir.path());
    return alive.path();
  }();
  QCOMPARE(running, PageName(dir, 0));  // the leftover's name was free again
  TempPageFile held = CreateTempPageFile(dir.path());
  QCOMPARE(held.path(), PageName(dir, 0));
  TempPageFile next = CreateTempPageFile(dir.path());
  QCOMPARE(next.path(), PageName(dir, 2));
  QVERIFY(Exists(held.path()));  // its lock is held
  QCOMPARE(test::ReadBytes(PageName(dir, 1)), std::string("not ours to judge"));
}

void AppUnitsTest::pageFileSkipsDanglingLinks() {
  const test::TempDir dir;
  const std::string target = dir.file("elsewhere.emf");
  QVERIFY(::symlink(target.c_str(), PageName(dir, 0).c_str()) == 0);
  QCOMPARE(CreateTempPageFile(dir.path()).path(), PageName(dir, 1));
  QVERIFY(!Exists(target));
}

void AppUnitsTest::pageFileReusesOneWhenAllTaken() {
  const test::TempDir dir;
  for (int i = 0; i < 10000; ++i) {
    std::ofstream(PageName(dir, i)) << "page";
    ::chmod(PageName(dir, i).c_str(), 0644);
  }
  const TempPageFile file = CreateTempPageFile(dir.path());
  const std::string& path = file.path();
  QVERIFY(!path.empty());
  const QString name = QString::fromStdString(std::filesystem::path(path).filename().string());
  QVERIFY2(QRegularExpression(QStringLiteral("^temp[0-9]{4}\\.emf$")).match(name).hasMatch(), qPrintable(name));
  QCOMPARE(std::filesystem::file_size(path), std::uintmax_t{0});
  QCOMPARE(ModeOf(path), mode_t{0600});
}

void AppUnitsTest::pageFileRefusesLinksWhenAllTaken() {
  const test::TempDir dir;
  const std::string victim = dir.write("victim.txt", "keep me");
  for (int i = 0; i < 10000; ++i) QVERIFY(::symlink(victim.c_str(), PageName(dir, i).c_str()) == 0);
  QCOMPARE(CreateTempPageFile(dir.path()).path(), std::string());
  QCOMPARE(test::ReadBytes(victim), std::string("keep me"));
}

void AppUnitsTest::pageFileNeverInASystemFolder() {
  using Folders = std::vector<std::string>;
  QCOMPARE(PageFileFoldersFor("/usr/bin", nullptr), (Folders{"/tmp"}));
  QCOMPARE(PageFileFoldersFor("/usr/local/bin", "/var/tmp"), (Folders{"/var/tmp"}));
  QCOMPARE(PageFileFoldersFor("/opt/plotvane", ""), (Folders{"/tmp"}));
  // A program built or unpacked elsewhere keeps its page beside it.
  QCOMPARE(PageFileFoldersFor("/home/sato/plotvane/build/app", "/run/tmp"),
           (Folders{"/home/sato/plotvane/build/app", "/run/tmp"}));
  QCOMPARE(PageFileFoldersFor("/usrdata/app", nullptr), (Folders{"/usrdata/app", "/tmp"}));
}

void AppUnitsTest::pageFileFallsBackToNextFolder() {
  const test::TempDir dir;
  QCOMPARE(CreateTempPageFileIn({dir.file("missing"), dir.path()}).path(), PageName(dir, 0));
  QCOMPARE(CreateTempPageFileIn({dir.file("missing")}).path(), std::string());
  // An empty folder name (a program folder that could not be found) never
  // stands for the root.
  QCOMPARE(CreateTempPageFileIn({std::string()}).path(), std::string());
  // A folder whose name is not UTF-8 is used byte for byte.
  const std::string odd = dir.file("folder\xff");
  QVERIFY(::mkdir(odd.c_str(), 0700) == 0);
  TempPageFile file = CreateTempPageFileIn({odd});
  QCOMPARE(file.path(), odd + "/temp0000.emf");
  QVERIFY(Exists(file.path()));
}

// Pages written one after another on the writer's thread: whoever waits
// finds the file whole and holding the last page, never an earlier one.
void AppUnitsTest::pageFileWriterLeavesTheLastPageWhole() {
  test::TempDir dir;
  const std::string path = dir.file("temp0000.emf");
  const gdi::EnhMetaFile last = LinePage(9000);
  {
    PageFileWriter writer;
    for (std::int32_t length = 100; length < 9000; length += 700) writer.write(LinePage(length), path);
    writer.write(last, path);
    writer.wait();
    QCOMPARE(test::ReadBytes(path), emf::EncodeEnhMetaFile(last));
    writer.write(LinePage(50), path);
  }  // destruction finishes the write in flight
  QCOMPARE(test::ReadBytes(path), emf::EncodeEnhMetaFile(LinePage(50)));
}

PLOTVANE_APP_SUITE(AppUnitsTest)
#include "AppUnitsTest.moc"
