#pragma once
// The level lines as comma-separated values: a header row
// "level,line,vertex,x,y", then one row per vertex: the level's data value,
// the line's number within its level and the vertex's within its line (both
// from 1), and X, Y. A closed line ends with its first vertex again, so that
// a reader joining the rows sees the ring closed. Numbers in their shortest
// exact form (ExactNumber.h); UTF-8 (plain ASCII), rows ending in CR LF.

#include "common/SafeFile.h"
#include "contours/ContourFeed.h"

namespace plotvane {

void WriteCsv(const ContourFeed& contours, SafeFileWriter& out);

}  // namespace plotvane
