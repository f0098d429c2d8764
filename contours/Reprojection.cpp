// Reprojection of contours to WGS 84. See Reprojection.h.

#include "contours/Reprojection.h"

#include <cpl_error.h>
#include <ogr_spatialref.h>

#include <vector>

#include "contours/GdalSession.h"

namespace plotvane {
namespace {

Failure CannotTransform(const std::string& why) {
  return Failure{FailureKind::WriteFailed, "座標系を WGS 84 に変換できません。", why};
}

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

Wgs84Contours::Wgs84Contours(const ContourFeed& source, CoordinateSystem system) : m_source(source) {
  const GdalErrorScope scope;
  const SpatialReference from = SpatialReferenceOf(system);
  const SpatialReference to = SpatialReferenceOf({kWgs84Epsg});
  if (!from || !to) {
    m_failure = CannotTransform("EPSG:" + std::to_string(system.epsg));
    return;
  }
  m_transformation.reset(OGRCreateCoordinateTransformation(from.get(), to.get()));
  if (!m_transformation) m_failure = CannotTransform(scope.lastError());
}

Wgs84Contours::~Wgs84Contours() = default;

// Runs apply (which transforms, false on failure) without touching the error
// state of the file being written meanwhile; records a failure.
template <typename Apply>
bool Wgs84Contours::transformed(Apply&& apply) const {
  if (m_failure) return false;
  const CPLErrorStateBackuper writersErrors;
  const GdalErrorScope scope;
  if (apply()) return true;
  m_failure = CannotTransform(scope.lastError());
  return false;
}

void Wgs84Contours::eachLevel(const LevelVisitor& visit) const {
  m_source.eachLevel([&](const ContourLevel& level) {
    ContourLevel moved = level;
    const bool ok = transformed([&] {
      bool all = true;
      for (ContourLine& line : moved.lines) all = all && TransformPoints(*m_transformation, line.points);
      return all;
    });
    return ok && visit(moved);
  });
}

void Wgs84Contours::eachBand(const BandVisitor& visit) const {
  m_source.eachBand([&](const ContourBand& band) {
    ContourBand moved = band;
    const bool ok = transformed([&] {
      bool all = true;
      for (BandPolygon& polygon : moved.polygons) {
        all = all && TransformPoints(*m_transformation, polygon.outer);
        for (ContourRing& hole : polygon.holes) all = all && TransformPoints(*m_transformation, hole);
      }
      return all;
    });
    return ok && visit(moved);
  });
}

}  // namespace plotvane
