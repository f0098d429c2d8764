#pragma once
// The mesh as a surface for civil-engineering and CAD programs: the triangles
// the page draws (those the distortion limit admits) over the points in the
// data's own units, written as a LandXML 1.2 TIN surface or as DXF 3DFACE
// entities.
//
// Points keep their mesh numbers; a point that no admitted triangle uses is
// left out. A point's coordinates are mapped back from the mesh's
// percentages of the data range (as the page maps them) and written with at
// most 15 significant digits (NumberText.h), which drops the last bits that
// the mapping adds (4100010.1, not 4100010.1000000001). Faces list their
// points clockwise seen from above, as the mesh does.
//
// LandXML (UTF-8): Units metric (metres), with a coordinate system a
// CoordinateSystem element (its EPSG code and name; for Japan's plane
// rectangular zones also J-LandXML's horizontalDatum "JGD2011" and
// horizontalCoordinateSystemName "9(X,Y)"), then one Surface named by the
// data file's title: Pnts of P id="n" holding "N E Z" (north first, as
// surveys list them) and Faces of F holding three point ids.
//
// DXF (release 2000, as DxfWriter.h): one layer "TIN"; every triangle a 3DFACE
// whose fourth corner repeats the third.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "common/Failure.h"
#include "contours/CoordinateSystem.h"
#include "data/Document.h"

namespace plotvane {

struct TinSurface {
  struct Point {
    std::int32_t id;
    double x, y, z;
  };
  std::vector<Point> points;                       // ascending id
  std::vector<std::array<std::int32_t, 3>> faces;  // point ids, clockwise
};

// The admitted triangles of doc's mesh. doc must be drawable.
TinSurface TinSurfaceOf(const Document& doc);

enum class TinFormat { LandXml, Dxf };

// ".xml" -> LandXml, ".dxf" -> Dxf (any letter case); nullopt otherwise.
std::optional<TinFormat> TinFormatOf(const std::string& path);

// Writes the surface through the safe writer; name is the Surface's name.
WriteOutcome WriteTinSurface(const TinSurface& tin, const std::string& path, TinFormat format, const std::string& name,
                             CoordinateSystem system);

}  // namespace plotvane
