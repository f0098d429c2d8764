#pragma once
// The contour file (".ctr"): the loaded points together with the drawing
// settings, so that loading it again restores both.
//
//   the fourteen-line settings block (settings/SettingsBlock.h); an empty
//   text, and line 1 when it holds a comma or a space, end in a tab, so that
//   each line reads back as written (see ContourFileWriter.cpp)
//   an empty line
//   labelX TAB labelY TAB labelZ
//   dataX(i) TAB dataY(i) TAB dataZ(i)   for i = 1..nn
//
// The points are written as read (file order, file units), not the sorted and
// normalised mesh, each number with up to 15 significant digits. Every line
// ends with CR LF; the text is UTF-8.

#include <string>

#include "common/Failure.h"

#include "data/Document.h"

namespace plotvane {

// The whole text of the contour file for these settings and points.
std::string ContourFileText(const DrawSettings& settings, const PointSet& points);

// Writes ContourFileText to path, under exactly that name (no extension is
// added), replacing an existing file only once the new one is complete.
// Returns the failure, none on success.
WriteOutcome WriteContourFile(const std::string& path, const DrawSettings& settings, const PointSet& points);

}  // namespace plotvane
