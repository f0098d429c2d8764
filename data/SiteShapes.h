#pragma once
// The shapes a site file gives: boundary rings and breaklines, read from
// text, GeoJSON, DXF or SIMA parcels (data/SiteFileReader.h) and used by the
// boundary mask and the constrained mesh.
//
// Coordinates are in the data file's own units and map order: x east (to the
// right), y north (up), as dataX and dataY are.

#include <cmath>
#include <string>
#include <vector>

namespace plotvane {

struct SiteVertex {
  double x = 0.0;
  double y = 0.0;
  // NaN when the file gives no height here: a breakline vertex then takes
  // the surface's value at (x, y).
  double z = std::nan("");

  bool hasZ() const { return !std::isnan(z); }
};

// One ring or polyline, as the file lists it. A ring's last vertex is not
// a repeat of its first.
struct SiteShape {
  std::vector<SiteVertex> vertices;
  bool closed = false;  // a ring (polygon edge, closed polyline), not an open line
  std::string where;    // where the file has it, for messages ("3 行目", "feature 2")
};

struct SiteShapes {
  std::vector<SiteShape> shapes;
};

}  // namespace plotvane
