#pragma once
// The figures of a volume computation as text: the "name: value" lines of
// the command line, and the report file both programs save.
//
// The report is comma-separated UTF-8 with a byte order mark (so that
// spreadsheet programs read Japanese file names right), rows ending in CR LF:
// a header row
//   file,against,plane,method,cell,cut,fill,net,area,cut area,fill area
// and one row of values. against is the second file (empty against a plane),
// plane the plane's height (empty against a file), method "tin" or "grid",
// cell the grid's cell side (empty for tin). A field holding a comma, a
// double quote or a line break is quoted, its quotes doubled. Numbers are the
// shortest text that reads back to the same double.

#include <string>
#include <utility>
#include <vector>

#include "common/Failure.h"
#include "tools/Volume.h"

namespace plotvane {

struct VolumeInputs {
  std::string file;
  std::string against;  // empty against a plane
  std::optional<double> plane;
  VolumeRequest request;
};

// The figures in the order they are shown: cut, fill, net, area, cut area,
// fill area, each with its name.
std::vector<std::pair<std::string, double>> VolumeFigureRows(const VolumeFigures& figures);

// The shortest decimal text that reads back to value.
std::string RoundTripText(double value);

// The report's text, byte order mark included.
std::string VolumeReportText(const VolumeInputs& inputs, const VolumeFigures& figures);

// Writes the report through the safe writer.
WriteOutcome WriteVolumeReport(const std::string& path, const VolumeInputs& inputs, const VolumeFigures& figures);

}  // namespace plotvane
