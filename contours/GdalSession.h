#pragma once
// The program's use of GDAL and OGR in one place: the drivers registered once,
// GDAL's own messages kept off the terminal and turned into the program's
// failures, and the spatial references of our coordinate systems.
//
// GDAL reports problems through a process-wide handler that prints them. A
// GdalErrorScope silences it for one piece of work and keeps the last
// message, which the writers give as the detail of their failure.

#include <memory>
#include <string>

#include "contours/CoordinateSystem.h"

class OGRSpatialReference;

namespace plotvane {

// Registers GDAL's drivers; calling it again does nothing.
void UseGdal();

class GdalErrorScope {
 public:
  GdalErrorScope();
  ~GdalErrorScope();
  GdalErrorScope(const GdalErrorScope&) = delete;
  GdalErrorScope& operator=(const GdalErrorScope&) = delete;

  // GDAL's last error message in this scope; empty when none.
  std::string lastError() const;
};

struct SpatialReferenceRelease {
  void operator()(OGRSpatialReference* reference) const;
};
using SpatialReference = std::unique_ptr<OGRSpatialReference, SpatialReferenceRelease>;

// The reference of a chosen system with x east (or longitude) and y north;
// null when PROJ does not know the code.
SpatialReference SpatialReferenceOf(CoordinateSystem system);

}  // namespace plotvane
