// The ESRI ASCII grid. See AsciiGrid.h.

#include "contours/AsciiGrid.h"

#include <array>
#include <cstdint>

#include "common/SafeFile.h"
#include "contours/ChunkedText.h"
#include "contours/ExactNumber.h"
#include "contours/FileExtension.h"
#include "contours/GridRaster.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

constexpr std::int64_t kCheckInterval = 4096;
constexpr const char* kAsciiGrid = "an ESRI ASCII grid";

void HeaderLine(std::string& text, std::string_view name, double value) {
  text += name;
  text += ' ';
  AppendExact(text, value);
  text += "\r\n";
}

void AppendHeader(std::string& text, const RasterAxis& x, const RasterAxis& y, double noData) {
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

WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, const std::string& path,
                                ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  if (WriteOutcome refusal = RasterRefusal(grid, kAsciiGrid)) return refusal;
  SafeFileWriter writer(path);
  if (!writer.open()) return writer.failure();
  if (WriteOutcome failure = ConvertToAsciiGrid(document, grid, writer, progress, cancelRequested)) return failure;
  if (!writer.commit()) return writer.failure();
  return std::nullopt;
}

WriteOutcome ConvertToAsciiGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                                ProgressSink& progress, const std::function<bool()>& cancelRequested) {
  if (WriteOutcome refusal = RasterRefusal(grid, kAsciiGrid)) return refusal;
  const auto [x, y] = RasterOf(grid);
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
      const double yg = y.centre(row);
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
