// Reprojection of contours to WGS 84. See Reprojection.h.

#include "contours/Reprojection.h"

#include <ogr_spatialref.h>

#include <memory>
#include <vector>

#include "contours/GdalSession.h"

namespace plotvane {
namespace {

struct TransformationRelease {
  void operator()(OGRCoordinateTransformation* transformation) const {
    OGRCoordinateTransformation::DestroyCT(transformation);
  }
};

// Transforms the points in place; false when any of them fails.
bool TransformPoints(OGRCoordinateTransformation& transformation, std::vector<ContourPoint>& points) {
  std::vector<double> x(points.size()), y(points.size());
  for (std::size_t i = 0; i < points.size(); ++i) {
    x[i] = points[i].x;
    y[i] = points[i].y;
  }
  if (points.empty()) return true;
  if (!transformation.Transform(static_cast<int>(points.size()), x.data(), y.data())) return false;
  for (std::size_t i = 0; i < points.size(); ++i) points[i] = {x[i], y[i]};
  return true;
}

}  // namespace

ReprojectedContours ToWgs84(const ContourSet& contours, CoordinateSystem system) {
  const auto failure = [](const std::string& why) {
    return ReprojectedContours{{}, Failure{FailureKind::WriteFailed, "座標系を WGS 84 に変換できません。", why}};
  };
  const GdalErrorScope scope;
  const SpatialReference source = SpatialReferenceOf(system);
  const SpatialReference target = SpatialReferenceOf({kWgs84Epsg});
  if (!source || !target) return failure("EPSG:" + std::to_string(system.epsg));
  const std::unique_ptr<OGRCoordinateTransformation, TransformationRelease> transformation(
      OGRCreateCoordinateTransformation(source.get(), target.get()));
  if (!transformation) return failure(scope.lastError());
  ReprojectedContours result{contours, std::nullopt};
  bool ok = true;
  for (ContourLevel& level : result.contours.levels) {
    for (ContourLine& line : level.lines) ok = ok && TransformPoints(*transformation, line.points);
  }
  for (ContourBand& band : result.contours.bands) {
    for (BandPolygon& polygon : band.polygons) {
      ok = ok && TransformPoints(*transformation, polygon.outer);
      for (ContourRing& hole : polygon.holes) ok = ok && TransformPoints(*transformation, hole);
    }
  }
  if (!ok) return failure(scope.lastError());
  return result;
}

}  // namespace plotvane
