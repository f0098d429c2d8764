#pragma once
// Contours carried from the data's coordinate system to WGS 84 longitude and
// latitude (in that order), as GeoJSON (RFC 7946) and KML require, by PROJ
// through OGR's coordinate transformation.
//
// Every point is transformed; the lines keep their points, closure and
// order. The plane rectangular and UTM projections are conformal and keep
// the sense of a ring, so outer rings stay counter-clockwise.

#include <memory>

#include "common/Failure.h"
#include "contours/ContourFeed.h"
#include "contours/CoordinateSystem.h"

class OGRCoordinateTransformation;

namespace plotvane {

// Another feed's contours, each level and band transformed as it passes. The
// feed stops at the first point PROJ cannot transform.
class Wgs84Contours : public ContourFeed {
 public:
  Wgs84Contours(const ContourFeed& source, CoordinateSystem system);
  ~Wgs84Contours() override;

  // No transformation, or a point that failed in a walk so far.
  const WriteOutcome& failure() const { return m_failure; }

  void eachLevel(const LevelVisitor& visit) const override;
  void eachBand(const BandVisitor& visit) const override;

 private:
  template <typename Apply>
  bool transformed(Apply&& apply) const;

  const ContourFeed& m_source;
  std::unique_ptr<OGRCoordinateTransformation> m_transformation;
  mutable WriteOutcome m_failure;
};

}  // namespace plotvane
