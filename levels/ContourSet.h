#pragma once
// The contours of a mesh as data: level lines as polylines and, on request,
// the bands between them as polygons with holes, all in data coordinates.
//
// - A ContourLine is a maximal chain of crossing points of one level: it ends
//   at the border of the drawn mesh (the mesh's hull or a triangle left out by
//   the distortion limit) or where more than two pieces of the level meet (a
//   saddle lying exactly on the level). A closed line is a ring: its last
//   point is joined to its first, which is not repeated. No line has two equal
//   consecutive points, and a ring has at least three points.
// - As a rule a line runs with the higher ground on its right; where pieces
//   met at a vertex on the level the direction is that of its first piece.
// - A band k lies between levels k and k + 1. Its polygons follow the
//   right-hand rule of GeoJSON: outer rings counter-clockwise, holes
//   clockwise; rings are open (first point not repeated) and simple, and the
//   polygons valid in OGC's simple features (BandPolygons.h).
// - Level values are decimal: Z1 + k (Z2 - Z1) / n to 15 significant digits
//   (110.4, not 110.39999999999999), as the program writes every number.
// - Levels and bands are listed by ascending k; a level or band appears only
//   when it has at least one line or polygon.

#include <cstdint>
#include <optional>
#include <vector>

namespace plotvane {

struct ContourPoint {
  double x = 0.0, y = 0.0;
  bool operator==(const ContourPoint&) const = default;
};

using ContourRing = std::vector<ContourPoint>;

struct ContourLine {
  bool closed = false;
  std::vector<ContourPoint> points;
};

struct ContourLevel {
  std::int32_t index = 0;  // k
  double value = 0.0;      // Z1 + k (Z2 - Z1) / n
  std::vector<ContourLine> lines;
  // Whether the level is an index contour, when the export was asked to
  // mark them (MarkIndexLevel, EveryNthLevel.h).
  std::optional<bool> indexLine;
};

struct BandPolygon {
  ContourRing outer;
  std::vector<ContourRing> holes;
};

struct ContourBand {
  std::int32_t index = 0;  // k: between levels k and k + 1
  double lower = 0.0, upper = 0.0;
  std::vector<BandPolygon> polygons;
  // The band's fill colour on the page, 0xRRGGBB, when the export was asked
  // to carry it (contours/BandColours.h).
  std::optional<std::uint32_t> colour;
};

struct ContourSet {
  std::vector<ContourLevel> levels;
  std::vector<ContourBand> bands;  // empty unless asked for
};

}  // namespace plotvane
