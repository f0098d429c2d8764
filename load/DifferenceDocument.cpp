// The difference map: see DifferenceDocument.h.

#include "load/DifferenceDocument.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "load/OpenDataFile.h"
#include "settings/NumberText.h"
#include "tools/DifferenceOverlay.h"

namespace plotvane {
namespace {

// value rounded down (up: upward) to three significant digits of scale, as
// a text without float noise: the colour scale's ends of a difference are
// read by people, and its range comes out of the overlay's arithmetic.
std::string RoundedEnd(double value, double scale, bool upward) {
  const int decimals = std::max(0, 2 - static_cast<int>(std::floor(std::log10(scale))));
  const double unit = std::pow(10.0, decimals);
  const double rounded = (upward ? std::ceil(value * unit) : std::floor(value * unit)) / unit;
  char text[64];
  std::snprintf(text, sizeof text, "%.*f", decimals, rounded);
  return NumberText(*ParseNumber(text));
}

std::optional<Failure> Fail(Document& out, std::string message) {
  out.mesh.clearTriangles();
  out.points = PointSet{};
  out.errMsg = message;
  return Failure{FailureKind::LoadFailed, std::move(message), {}};
}

}  // namespace

std::optional<Failure> MakeDifferenceDocument(const Document& surface, const Document& reference, Document& out) {
  const double originX = surface.range.xMin, originY = surface.range.yMin;
  const DifferenceOverlay overlay =
      OverlayDifference(VolumeSurfaceOf(surface), VolumeSurfaceOf(reference), originX, originY);
  if (overlay.corners.empty()) return Fail(out, "二つの面は重なっていません。");

  out.settings = DefaultDrawSettings();
  out.errMsg.clear();
  out.errDetail.clear();
  out.fileTitle = surface.fileTitle + " - " + reference.fileTitle;
  out.survey = SurveyData{};
  out.survey.coordinateSystem = surface.survey.coordinateSystem;
  PointSet& p = out.points;
  p = PointSet{};
  p.labelX = surface.points.labelX;
  p.labelY = surface.points.labelY;
  p.labelZ = surface.points.labelZ.empty() ? std::string() : "Δ" + surface.points.labelZ;
  p.nn = static_cast<PointIndex>(overlay.x.size());
  for (std::size_t k = 0; k < overlay.x.size(); ++k) {
    p.dataX.push_back(overlay.x[k] + originX);
    p.dataY.push_back(overlay.y[k] + originY);
    p.dataZ.push_back(overlay.d[k]);
  }
  // The faces of a surface are clockwise and 1-based; the overlay's are
  // counter-clockwise from 0.
  std::vector<std::int32_t>& faces = out.survey.faces;
  faces.reserve(overlay.corners.size());
  for (std::size_t k = 0; k < overlay.corners.size(); k += 3) {
    faces.insert(faces.end(), {overlay.corners[k] + 1, overlay.corners[k + 2] + 1, overlay.corners[k + 1] + 1});
  }
  const auto [lowest, highest] = std::minmax_element(overlay.d.begin(), overlay.d.end());
  if (*lowest == *highest) {
    return Fail(out, "差分がどこでも " + NumberText(*lowest) + " で、等高線を引けません。");
  }
  // The window of the two files' common range, in their own figures; the
  // levels over the difference, rounded outward.
  DrawSettings& w = out.settings;
  w.X1 = NumberText(std::max(surface.range.xMin, reference.range.xMin));
  w.X2 = NumberText(std::min(surface.range.xMax, reference.range.xMax));
  w.Y1 = NumberText(std::max(surface.range.yMin, reference.range.yMin));
  w.Y2 = NumberText(std::min(surface.range.yMax, reference.range.yMax));
  const double scale = std::max(std::fabs(*lowest), std::fabs(*highest));
  w.Z1 = RoundedEnd(*lowest, scale, false);
  w.Z2 = RoundedEnd(*highest, scale, true);
  if (MeshLoadedPoints(out, NullProgress()) != LoadStatus::Meshed) return Fail(out, out.errMsg);
  return std::nullopt;
}

void ReplaceSurface(Document& doc, Document&& from) {
  doc.points = std::move(from.points);
  doc.range = from.range;
  doc.mesh = std::move(from.mesh);
  doc.errMsg = std::move(from.errMsg);
  doc.errDetail = std::move(from.errDetail);
  doc.fileTitle = std::move(from.fileTitle);
  doc.survey = std::move(from.survey);
  doc.settings = std::move(from.settings);
}

}  // namespace plotvane
