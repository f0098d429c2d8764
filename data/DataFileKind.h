#pragma once
// Which reader a data file's name calls for.
//
// The name decides, never the content: a text data file and a contour file
// look alike, and a survey file is refused for its name before it is opened.
// The endings of text files are compared case-sensitively (".TXT" has always
// been refused and stays so); the survey formats come from instruments and
// Windows programs that write their names in capitals as often as not, so
// ".SIM", ".LAS" and ".XML" count as their lower-case selves.

#include <string_view>

namespace plotvane {

enum class DataFileKind {
  Text,     // ".txt", ".csv", ".xyz", ".dat": a header line, then X, Y, Z per line
  Contour,  // ".ctr": the program's own contour file
  Sima,     // ".sim": SIMA survey records (data/SimaReader.h)
  Las,      // ".las": a LAS point cloud (data/LasReader.h)
  Laz,      // ".laz": a compressed LAS point cloud, refused with a word on converting it
  LandXml,  // ".xml": a LandXML surface or survey points (data/LandXmlReader.h)
  Other,    // none of these: the read leaves everything as it was
};

DataFileKind KindOfDataFile(std::string_view name);

}  // namespace plotvane
