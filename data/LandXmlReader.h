#pragma once
// Reading a LandXML 1.2 file (".xml"): a surface with its own triangles, or
// the file's survey points.
//
// What is read (element names without any namespace prefix):
// - Surfaces/Surface/Definition: Pnts/P (attribute id, text "N E Z", north
//   first) and Faces/F (text: three point ids). The surface read is the
//   first in the file, or the one whose name attribute is
//   LoadOptions::surface. Its faces become the mesh as they are, in
//   doc.survey.faces: a designed surface keeps its triangles, whether or not
//   they are a Delaunay mesh. Each face is turned clockwise (east right,
//   north up), as the program's meshes are. A face marked invisible (i="1")
//   is no part of the surface and is left out; so are points that no face
//   uses. The note names the surface and its counts.
// - Without any surface: CgPoints/CgPoint (text "N E Z"), meshed as usual;
//   a point without Z is left out and counted.
// - The first CoordinateSystem element: its attributes, in file order, into
//   doc.survey.coordinateSystem (the Japanese profile states the datum and
//   the plane rectangular zone there).
// The columns are named "Y(東)", "X(北)" and "Z".
//
// Refused, with the line: XML that is not well-formed; a P without id or
// with an id given twice; a coordinate that is not a number, or not three;
// a face that does not name three points, or names one the surface lacks; a
// surface name the file does not have (the message lists those it has). More
// than 99 999 points or 200 000 faces is the unexpected failure. The parser
// is the C library expat, fed a piece at a time: the file is never held
// whole, and expat's own guard stops entity expansion attacks.

#include <string>
#include <vector>

#include "common/ByteSource.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

ReadStatus ReadLandXml(ByteSource& source, const LoadOptions& options, Document& doc);

// The names of the file's surfaces in file order ("" for one without a name),
// for asking which to load: those before a fault in the XML or the file,
// which the load itself then reports.
std::vector<std::string> LandXmlSurfaceNames(ByteSource& source);

}  // namespace plotvane
