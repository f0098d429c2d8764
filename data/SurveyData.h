#pragma once
// What a survey file (SIMA, LAS, LandXML) gives beyond the points: the
// parcels, the coordinate system, a surface's own triangles and a note on
// what the load kept. Text and contour files leave all of it empty.
//
// Coordinates here are in map order, as the points are: east first (dataX),
// then north (dataY), whatever order the file writes them in.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace plotvane {

// One corner of a parcel: the point it names, where that point lies.
struct ParcelVertex {
  std::string number;  // the point's number in the file
  std::string name;    // the point's name (may be empty)
  double east = 0.0;
  double north = 0.0;
};

// A polygon through named points, in the file's order; the last corner is not
// repeated. Kept for the readers of site boundaries; the mesh ignores it.
struct Parcel {
  std::string number;
  std::string name;
  std::vector<ParcelVertex> vertices;
};

struct SurveyData {
  std::vector<Parcel> parcels;
  // The attributes of the file's coordinate-system element, in file order
  // (name, value), for outputs that state the system; empty when none.
  std::vector<std::pair<std::string, std::string>> coordinateSystem;
  // A surface's own triangles: faces[3k-3..3k-1] are the points (1..nn) of
  // triangle k, clockwise with east to the right and north up. Empty: the
  // points are joined by the Delaunay mesh as usual.
  std::vector<std::int32_t> faces;
  // One sentence on what the load read, left out and kept; empty for text
  // and contour files.
  std::string loadNote;
};

}  // namespace plotvane
