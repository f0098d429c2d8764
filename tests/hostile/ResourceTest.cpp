// Loading, drawing the page, exporting it, sampling and writing grids many
// times over, as a long session does: neither the resident memory nor the
// number of open descriptors may grow with the number of rounds. (Leaks as such are LeakSanitizer's to find
// in the sanitizer build, and valgrind's on the command-line program; this
// catches memory that stays reachable, such as a cache that never shrinks.)

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "load/OpenDataFile.h"
#include "render/PageComposition.h"
#include "render/emf/EmfWriter.h"
#include "settings/ViewFile.h"
#include "support/TempDir.h"
#include "tools/GridConversion.h"
#include "tools/MeshValueAt.h"

#if defined(__SANITIZE_ADDRESS__)
#define PLOTVANE_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PLOTVANE_ASAN 1
#endif
#endif

namespace plotvane {
namespace {

// Resident pages, the second field of /proc/self/statm.
long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long OpenDescriptors() {
  long count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
  return count;
}

// Draws the page, then draws it again after a change of the settings (a
// redraw from the dialog: other levels, lines and edges, another fill), and
// exports the redrawn page as a metafile, which replaces the one before.
void DrawAndExport(Document& doc, const test::TempDir& dir, int round) {
  const gdi::EnhMetaFile first = ComposePage(doc, NullProgress());
  ASSERT_FALSE(first.isNull());
  doc.settings.n = round % 2 == 0 ? "12" : "30";
  doc.settings.ContourLines = round % 2;
  doc.settings.TriangleEdges = 1 - round % 2;
  doc.settings.selectFillMode(round % 3 == 0 ? FillMode::FillPattern : FillMode::FillColour);
  const gdi::EnhMetaFile redrawn = ComposePage(doc, NullProgress());
  ASSERT_FALSE(redrawn.isNull());
  ASSERT_FALSE(gdi::CopyEnhMetaFileA(redrawn, dir.file("page.emf")));
  ASSERT_GT(std::filesystem::file_size(dir.file("page.emf")), 0u);
}

// One round of a session: open the example, draw, redraw and export the
// page, read a value at a few points, save a grid and a view file, read the
// view file back, fail to open a missing file and draw nothing after it.
void Round(Document& doc, const test::TempDir& dir, const std::string& survey, int round) {
  ASSERT_EQ(OpenDataFile(survey, doc, NullProgress()), LoadStatus::Meshed);
  ASSERT_NO_FATAL_FAILURE(DrawAndExport(doc, dir, round));
  int values = 0;
  for (int i = 0; i < 40; ++i) {
    const float x = static_cast<float>(doc.range.xMin + (doc.range.xMax - doc.range.xMin) * i / 40);
    values +=
        MeshValueAt(doc, x, static_cast<float>(doc.range.yMin + (doc.range.yMax - doc.range.yMin) / 2)).hasValue();
  }
  ASSERT_GT(values, 0);
  ASSERT_FALSE(ConvertToGrid(doc, GridParameters{0, 3, 25, 0, 3, 25}, dir.file("grid.txt")));
  ASSERT_FALSE(WriteViewFile(dir.file("view.ctv"), doc.settings));
  ASSERT_EQ(ReadViewFile(dir.file("view.ctv"), doc.settings), ViewReadStatus::Ok);
  ASSERT_EQ(OpenDataFile(dir.file("missing.txt"), doc, NullProgress()), LoadStatus::CannotOpen);
  ASSERT_TRUE(ComposePage(doc, NullProgress()).isNull());
}

constexpr int kRounds = 200;

TEST(Resources, RepeatedSessionsDoNotGrowMemoryOrDescriptors) {
  const std::string survey = test::SourceDir() + "/examples/survey.txt";
  ASSERT_TRUE(std::filesystem::exists(survey)) << survey;
  test::TempDir dir;
  Document doc;
  // Warm-up: the allocator and the C library settle their own tables first.
  for (int i = 0; i < 20; ++i) ASSERT_NO_FATAL_FAILURE(Round(doc, dir, survey, i));
  const long memoryBefore = ResidentKilobytes();
  const long descriptorsBefore = OpenDescriptors();
  for (int i = 0; i < kRounds; ++i) ASSERT_NO_FATAL_FAILURE(Round(doc, dir, survey, i));
  EXPECT_EQ(OpenDescriptors(), descriptorsBefore);
  const long grown = ResidentKilobytes() - memoryBefore;
#ifdef PLOTVANE_ASAN
  // AddressSanitizer holds freed memory back (its quarantine) on purpose.
  std::printf("resident memory grew by %ld kB over %d rounds (not checked under AddressSanitizer)\n", grown, kRounds);
#else
  // The example's data set with its mesh and look-up index takes some tens of
  // kilobytes and a recorded page a few hundred: keeping either per round
  // would add megabytes.
  EXPECT_LT(grown, 1024) << "kB over " << kRounds << " rounds";
#endif
}

}  // namespace
}  // namespace plotvane
