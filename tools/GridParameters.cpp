// Reading the grid parameters: see GridParameters.h.

#include "tools/GridParameters.h"

#include <optional>

#include "settings/NumberText.h"

namespace plotvane {
namespace {

// The message names the box as the window labels it: column, then row.
GridParametersRead TooLarge(std::string_view axis, std::string_view row) {
  return {GridParametersRead::Status::TooLarge, {}, std::string(axis) + " の" + std::string(row) + "が大きすぎます。"};
}

// Whether every coordinate origin + (k - 1) * interval, k = 1..count, fits in
// single precision. The coordinates run monotonically, so the two ends decide.
bool GridFits(double origin, double interval, std::int32_t count) {
  if (count <= 0) return true;
  return ToSingle(origin + static_cast<double>(count - 1) * interval).has_value();
}

}  // namespace

GridParametersRead ReadGridParameters(const GridTexts& texts) {
  const auto ox = ParseNumber(texts.originX), dx = ParseNumber(texts.intervalX), nx = ParseNumber(texts.countX);
  const auto oy = ParseNumber(texts.originY), dy = ParseNumber(texts.intervalY), ny = ParseNumber(texts.countY);
  if (!ox || !dx || !nx || !oy || !dy || !ny) return {};

  // Checked in the order the conversion reads them: origins, intervals, counts.
  if (!ToSingle(*ox)) return TooLarge("X", "起点");
  if (!ToSingle(*oy)) return TooLarge("Y", "起点");
  if (!ToSingle(*dx)) return TooLarge("X", "間隔");
  if (!ToSingle(*dy)) return TooLarge("Y", "間隔");
  const auto countX = RoundHalfEven(*nx);
  if (!countX) return TooLarge("X", "点数");
  const auto countY = RoundHalfEven(*ny);
  if (!countY) return TooLarge("Y", "点数");
  if (!GridFits(*ox, *dx, *countX)) return TooLarge("X", "格子点");
  if (!GridFits(*oy, *dy, *countY)) return TooLarge("Y", "格子点");

  return {GridParametersRead::Status::Ready, {*ox, *dx, *countX, *oy, *dy, *countY}, {}};
}

}  // namespace plotvane
