// The grid conversion: see GridConversion.h. One line is formatted into a
// stack buffer per grid point with a value; the writer buffers the lines, so a
// million points cost no allocation each.

#include "tools/GridConversion.h"

#include <array>

#include "common/SafeFile.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

// How many grid points pass between progress updates and cancellation checks.
constexpr std::int64_t kCheckInterval = 4096;

// "X TAB Y TAB Z CR LF" into out; returns its length.
std::size_t FormatLine(float x, float y, float z, char* out) {
  std::size_t n = static_cast<std::size_t>(FormatSingle(x, out));
  out[n++] = '\t';
  n += static_cast<std::size_t>(FormatSingle(y, out + n));
  out[n++] = '\t';
  n += static_cast<std::size_t>(FormatSingle(z, out + n));
  out[n++] = '\r';
  out[n++] = '\n';
  return n;
}

}  // namespace

float GridCoordinate(float origin, float interval, std::int64_t k) {
  return static_cast<float>(static_cast<double>(origin) + static_cast<double>(k - 1) * interval);
}

GridConversionResult ConvertToGrid(const Document& document, const GridParameters& grid, const std::string& path,
                                   ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  SafeFileWriter writer(path);
  if (!writer.open()) return {writer.error()};
  GridConversionResult result = ConvertToGrid(document, grid, writer, progress, cancelRequested);
  if (result.cancelled) return result;
  if (!writer.commit()) return {writer.error()};
  return {};
}

GridConversionResult ConvertToGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                                   ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  const PointSet& points = document.points;
  writer.write(points.labelX + '\t' + points.labelY + '\t' + points.labelZ + "\r\n");

  // sq cannot change while the conversion runs, so it is read once.
  const DistortionLimit limit = ReadDistortionLimit(document.settings.sq);
  // A count of 0 or less on either axis leaves no grid point at all.
  const bool empty = grid.countX <= 0 || grid.countY <= 0;
  const std::int64_t countX = empty ? 0 : grid.countX;
  const std::int64_t countY = empty ? 0 : grid.countY;
  const double total = static_cast<double>(countX) * static_cast<double>(countY);
  std::array<char, 64> line{};
  std::int64_t done = 0;
  progress.prepare(kGridProgressLabel);
  for (std::int64_t i = 1; i <= countX; ++i) {
    const float xg = GridCoordinate(grid.originX, grid.intervalX, i);
    for (std::int64_t j = 1; j <= countY; ++j) {
      const float yg = GridCoordinate(grid.originY, grid.intervalY, j);
      const MeshValue value = MeshValueAt(document.mesh, document.range, limit, xg, yg);
      if (value.hasValue()) writer.write({line.data(), FormatLine(xg, yg, value.z, line.data())});
      if (++done % kCheckInterval != 0) continue;
      if (cancelRequested && cancelRequested()) {
        progress.close();
        return {std::string(kGridCancelled), true};
      }
      progress.update(100.0 * static_cast<double>(done) / total);
    }
  }
  progress.close();
  return {};
}

}  // namespace plotvane
