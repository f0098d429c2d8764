#pragma once
// plotvane-cli volume: cut and fill of a surface against a level plane or a
// second surface.
//
//   volume FILE (--plane H | --against FILE2) [--method tin|grid] [--cell S]
//          [-o REPORT.csv] [load options] [--view VIEW.ctv] [--sq LIMIT]
//
// FILE2 is loaded with the same options as FILE. Prints cut, fill, net, area,
// cut area and fill area as "name: value" lines (tools/VolumeReport.h), and
// with -o writes them with the inputs as a CSV report. The grid's cell side is
// checked against FILE's range before FILE2 is loaded; surfaces without a
// common area end the command with kExitLoadFailed and no figures.

#include <ostream>

#include "cli/CliCommands.h"

namespace plotvane::cli {

int RunVolume(const Words& words, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli
