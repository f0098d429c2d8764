// The ESRI ASCII grid. See AsciiGrid.h.

#include "contours/AsciiGrid.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "common/SafeFile.h"
#include "contours/ChunkedText.h"
#include "contours/ExactNumber.h"
#include "contours/FileExtension.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

constexpr std::int64_t kCheckInterval = 4096;
constexpr double kNoData = -9999.0;

// Interpolated values lie within the data's Z range, so a whole number below
// it (by at least 1, and by a margin that survives single precision) is
// never a value.
double NoDataValue(const DataRange& range) {
  if (range.zMin > kNoData + 1 || range.zMax < kNoData - 1) return kNoData;
  return std::floor(range.zMin - std::max(1.0, std::fabs(range.zMin)));
}

// One axis of the grid in the order of the file: k-th written line -> grid index.
struct Axis {
  float origin, interval;
  std::int64_t count;
  bool reversed;  // written from the last grid line to the first

  std::int64_t gridIndex(std::int64_t written) const { return reversed ? count - written + 1 : written; }
  float centre(std::int64_t written) const { return GridCoordinate(origin, interval, gridIndex(written)); }
  double cell() const { return std::fabs(static_cast<double>(interval)); }
  // The low edge of the lowest cell.
  double lowEdge() const {
    const float lowest = GridCoordinate(origin, interval, interval > 0 ? 1 : count);
    return static_cast<double>(lowest) - cell() / 2;
  }
};

void HeaderLine(std::string& text, std::string_view name, double value) {
  text += name;
  text += ' ';
  AppendExact(text, value);
  text += "\r\n";
}

void AppendHeader(std::string& text, const Axis& x, const Axis& y, double noData) {
  text += "ncols " + std::to_string(x.count) + "\r\n";
  text += "nrows " + std::to_string(y.count) + "\r\n";
  HeaderLine(text, "xllcorner", x.lowEdge());
  HeaderLine(text, "yllcorner", y.lowEdge());
  if (x.cell() == y.cell()) {
    HeaderLine(text, "cellsize", x.cell());
  } else {
    HeaderLine(text, "dx", x.cell());
    HeaderLine(text, "dy", y.cell());
  }
  HeaderLine(text, "NODATA_value", noData);
}

}  // namespace

bool IsAsciiGridName(std::string_view path) { return HasExtension(path, ".asc"); }

namespace {

// Why the grid cannot be written as an ESRI ASCII grid; empty when it can.
WriteOutcome AsciiGridRefusal(const GridParameters& grid) {
  const auto refusal = [](const char* why) { return Failure{FailureKind::Usage, why, {}}; };
  if (grid.countX <= 0 || grid.countY <= 0) return refusal("an ESRI ASCII grid needs at least one column and one row");
  if (grid.intervalX == 0 || grid.intervalY == 0) return refusal("an ESRI ASCII grid needs intervals other than 0");
  return std::nullopt;
}

}  // namespace

WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, const std::string& path,
                                ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  if (WriteOutcome refusal = AsciiGridRefusal(grid)) return refusal;
  SafeFileWriter writer(path);
  if (!writer.open()) return writer.failure();
  if (WriteOutcome failure = ConvertToAsciiGrid(document, grid, writer, progress, cancelRequested)) return failure;
  if (!writer.commit()) return writer.failure();
  return std::nullopt;
}

WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                                ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  if (WriteOutcome refusal = AsciiGridRefusal(grid)) return refusal;
  // Columns west to east, rows north to south.
  const Axis x{grid.originX, grid.intervalX, grid.countX, grid.intervalX < 0};
  const Axis y{grid.originY, grid.intervalY, grid.countY, grid.intervalY > 0};
  const DistortionLimit limit = ReadDistortionLimit(document.settings);
  const double noData = NoDataValue(document.range);
  std::string noDataText;
  AppendExact(noDataText, noData);
  {
    ChunkedText out(writer);
    AppendHeader(out.text(), x, y, noData);
    const double total = static_cast<double>(x.count) * static_cast<double>(y.count);
    std::array<char, 32> value{};
    std::int64_t done = 0;
    progress.prepare(kGridProgressLabel);
    for (std::int64_t row = 1; row <= y.count; ++row) {
      const float yg = y.centre(row);
      for (std::int64_t column = 1; column <= x.count; ++column) {
        const MeshValue v = MeshValueAt(document.mesh, document.range, limit, x.centre(column), yg);
        if (column > 1) out.text() += ' ';
        if (v.hasValue()) {
          out.text().append(value.data(), static_cast<std::size_t>(FormatSingle(v.z, value.data())));
        } else {
          out.text() += noDataText;
        }
        out.spill();
        if (++done % kCheckInterval != 0) continue;
        if (cancelRequested && cancelRequested()) {
          progress.close();
          return GridCancelled();
        }
        progress.update(100.0 * static_cast<double>(done) / total);
      }
      out.text() += "\r\n";
    }
    progress.close();
  }
  return std::nullopt;
}

}  // namespace plotvane
