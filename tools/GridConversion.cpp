// The grid conversion: see GridConversion.h.
//
// The grid is cut into blocks of about kBlockPoints points in file order:
// bands of whole columns, or, when one column is longer than a block, pieces
// of a column. Blocks are answered by the grid scan (GridScan.h) and formatted
// on two threads and written in order on this one (common/OrderedPipeline.h).
// Only this thread reports progress, asks for cancellation (the desktop's
// callback runs window events) and touches the writer, once per block.

#include "tools/GridConversion.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <vector>

#include "common/OrderedPipeline.h"
#include "common/SafeFile.h"
#include "common/TwoThreads.h"
#include "settings/NumberText.h"
#include "tools/GridScan.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

// Grid points per block: progress and cancellation are checked after each,
// and each thread keeps one block's answers and text.
constexpr std::int64_t kBlockPoints = 8192;
// Bands listed at a time, which bounds the lists however many columns a grid has.
constexpr std::int64_t kBandsPerRun = 4096;
// FormatSingle and FormatGridCoordinate write at most this many characters.
constexpr std::size_t kTextRoom = kGridCoordinateRoom;
// A line: three texts, two TABs and CR LF, with room to copy the last text's
// whole slot.
constexpr std::size_t kLineRoom = 4 * kTextRoom;

// One block's lines, answers and text, in a buffer the pipeline reuses.
struct BlockWork {
  GridLines columns, rows;
  BlockAnswers answers;
  std::vector<char> rowTexts;  // kTextRoom bytes per row
  std::vector<std::uint8_t> rowLengths;
  std::vector<char> text;  // grows to the largest block's room, never shrinks
  std::size_t length = 0;  // of the block's lines at the start of text
  std::int64_t points = 0;
};

// The grid in file order, cut into blocks.
struct Layout {
  std::int64_t countX = 0, countY = 0;
  std::int64_t columnsPerBand = 1, rowsPerBlock = 1;

  Layout(std::int64_t x, std::int64_t y) : countX(x), countY(y) {
    if (countY > 0) columnsPerBand = std::max<std::int64_t>(1, kBlockPoints / countY);
    rowsPerBlock = std::clamp<std::int64_t>(countY, 1, kBlockPoints);
  }
  std::int64_t bands() const { return (countX + columnsPerBand - 1) / columnsPerBand; }
  std::int64_t blocksPerBand() const { return (countY + rowsPerBlock - 1) / rowsPerBlock; }
};

// Grid indices (1-based, half-open) of one block.
struct Block {
  std::int64_t band = 0;
  std::int64_t column0 = 1, column1 = 1, row0 = 1, row1 = 1;
  std::int64_t points() const { return (column1 - column0) * (row1 - row0); }
};

Block BlockAt(const Layout& layout, std::int64_t band, std::int64_t piece) {
  Block b;
  b.band = band;
  b.column0 = 1 + band * layout.columnsPerBand;
  b.column1 = std::min(layout.countX + 1, b.column0 + layout.columnsPerBand);
  b.row0 = 1 + piece * layout.rowsPerBlock;
  b.row1 = std::min(layout.countY + 1, b.row0 + layout.rowsPerBlock);
  return b;
}

// What every block of one conversion shares, read-only while blocks run.
struct Conversion {
  const Document& document;
  const GridParameters& grid;
  const GridTriangles& triangles;

  GridCoordinateValue x(std::int64_t i) const { return GridCoordinate(grid.originX, grid.intervalX, i); }
  GridCoordinateValue y(std::int64_t j) const { return GridCoordinate(grid.originY, grid.intervalY, j); }
  double xn(std::int64_t i) const { return NormalisePoint(document.range, x(i).value, 0.0).xn; }
  double yn(std::int64_t j) const { return NormalisePoint(document.range, 0.0, y(j).value).yn; }
};

void ConvertBlock(const Conversion& c, const GridBands& bands, std::int64_t runFirst, const Block& block,
                  BlockWork& w) {
  w.columns.clear();
  for (std::int64_t i = block.column0; i < block.column1; ++i) w.columns.push_back(c.xn(i));
  w.rows.clear();
  for (std::int64_t j = block.row0; j < block.row1; ++j) w.rows.push_back(c.yn(j));
  ScanBlock(c.triangles, bands, static_cast<std::int32_t>(block.band - runFirst), w.columns, w.rows, w.answers);

  // Each Y text serves every column of the block, each X text all its rows.
  // Texts are copied as whole kTextRoom slots and the cursor advanced by
  // their length, which the room per line allows.
  const std::size_t rowCount = w.rows.size();
  w.rowTexts.resize(rowCount * kTextRoom);
  w.rowLengths.resize(rowCount);
  for (std::size_t r = 0; r < rowCount; ++r) {
    const GridCoordinateValue y = c.y(block.row0 + static_cast<std::int64_t>(r));
    w.rowLengths[r] = static_cast<std::uint8_t>(FormatGridCoordinate(y, &w.rowTexts[r * kTextRoom]));
  }
  const std::size_t room = w.columns.size() * rowCount * kLineRoom;
  if (w.text.size() < room) w.text.resize(room);
  char* out = w.text.data();
  std::array<char, kTextRoom> x{};
  for (std::size_t col = 0; col < w.columns.size(); ++col) {
    const auto xLength = FormatGridCoordinate(c.x(block.column0 + static_cast<std::int64_t>(col)), x.data());
    for (std::size_t r = 0; r < rowCount; ++r) {
      const std::size_t p = col * rowCount + r;
      if (w.answers.owner[p] == BlockAnswers::kNone) continue;
      const MeshValue value = AnswerOf(c.document.range, w.answers.found[p]);
      if (!value.hasValue()) continue;
      std::memcpy(out, x.data(), kTextRoom);
      out += xLength;
      *out++ = '\t';
      std::memcpy(out, &w.rowTexts[r * kTextRoom], kTextRoom);
      out += w.rowLengths[r];
      *out++ = '\t';
      out += FormatSingle(value.z, out);
      *out++ = '\r';
      *out++ = '\n';
    }
  }
  w.length = static_cast<std::size_t>(out - w.text.data());
  w.points = block.points();
}

// The span of normalised X over each band of a run.
void BandSpans(const Conversion& c, const Layout& layout, std::int64_t first, std::int64_t count,
               std::vector<double>& low, std::vector<double>& high) {
  low.clear();
  high.clear();
  for (std::int64_t b = first; b < first + count; ++b) {
    const Block block = BlockAt(layout, b, 0);
    const double a = c.xn(block.column0), z = c.xn(block.column1 - 1);
    low.push_back(std::min(a, z));
    high.push_back(std::max(a, z));
  }
}

}  // namespace

GridCoordinateValue GridCoordinate(double origin, double interval, std::int64_t k) {
  const double exact = origin + static_cast<double>(k - 1) * interval;
  const float single = static_cast<float>(exact);
  char text[kGridCoordinateRoom];
  const int length = FormatSingle(single, text);
  if (ParseNumber({text, static_cast<std::size_t>(length)}) == ParseNumber(NumberText(exact))) {
    return {static_cast<double>(single), true};
  }
  return {exact, false};
}

int FormatGridCoordinate(const GridCoordinateValue& coordinate, char* out) {
  if (coordinate.single) return FormatSingle(static_cast<float>(coordinate.value), out);
  const std::string text = NumberText(coordinate.value);
  text.copy(out, kGridCoordinateRoom);
  return static_cast<int>(text.size());
}

WriteOutcome ConvertToGrid(const Document& document, const GridParameters& grid, const std::string& path,
                           ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  SafeFileWriter writer(path);
  if (!writer.open()) return writer.failure();
  if (WriteOutcome cancelled = ConvertToGrid(document, grid, writer, progress, cancelRequested)) return cancelled;
  if (!writer.commit()) return writer.failure();
  return std::nullopt;
}

WriteOutcome ConvertToGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                           ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  const PointSet& points = document.points;
  writer.write(points.labelX + '\t' + points.labelY + '\t' + points.labelZ + "\r\n");

  // A count of 0 or less on either axis leaves no grid point at all.
  const bool empty = grid.countX <= 0 || grid.countY <= 0;
  const Layout layout(empty ? 0 : grid.countX, empty ? 0 : grid.countY);
  const double total = static_cast<double>(layout.countX) * static_cast<double>(layout.countY);
  progress.prepare(kGridProgressLabel);

  // sq cannot change while the conversion runs, so it is read once. Extents
  // that leave no valid normalisation answer nothing, as MeshValueAt does.
  const bool answerable = !empty && document.mesh.nt > 0 && NormalisePoint(document.range, 0.0, 0.0).valid;
  const TriangleIndex nt = answerable ? document.mesh.nt : 0;
  GridTriangles triangles(document.mesh, ReadDistortionLimit(document.settings), nt);
  const TriangleIndex split = nt < kBlockPoints ? nt : nt / 2;
  InParallel(split < nt ? 2 : 1,
             [&](int half) { half == 0 ? triangles.measure(1, split) : triangles.measure(split + 1, nt); });
  const Conversion conversion{document, grid, triangles};

  std::vector<double> low, high;
  std::int64_t done = 0;
  for (std::int64_t runFirst = 0; runFirst < layout.bands(); runFirst += kBandsPerRun) {
    const std::int64_t runBands = std::min(kBandsPerRun, layout.bands() - runFirst);
    BandSpans(conversion, layout, runFirst, runBands, low, high);
    const GridBands bands(triangles, low, high);
    const std::int64_t pieces = layout.blocksPerBand();
    const bool finished = RunOrderedPipeline<BlockWork>(
        runBands * pieces,
        [&](std::int64_t n, BlockWork& w) {
          ConvertBlock(conversion, bands, runFirst, BlockAt(layout, runFirst + n / pieces, n % pieces), w);
        },
        [&](std::int64_t, const BlockWork& w) {
          writer.write({w.text.data(), w.length});
          done += w.points;
          if (cancelRequested && cancelRequested()) return false;
          progress.update(100.0 * static_cast<double>(done) / total);
          return true;
        });
    if (!finished) {
      progress.close();
      return GridCancelled();
    }
  }
  progress.close();
  return std::nullopt;
}

}  // namespace plotvane
