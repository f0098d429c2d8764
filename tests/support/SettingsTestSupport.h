#pragma once
// Drawing settings in tests: a builder that changes named texts of a base,
// and a printer so that a failed whole-struct comparison shows every field.

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "settings/DrawSettings.h"

namespace plotvane {

// GoogleTest finds this by argument-dependent lookup.
void PrintTo(const DrawSettings& s, std::ostream* out);

namespace test {

using TextField = std::string DrawSettings::*;

// base with some of its texts replaced.
DrawSettings WithTexts(DrawSettings base, std::initializer_list<std::pair<TextField, std::string>> changes);

// The fourteen values at once: texts X1..sq, then the switches and the mode.
DrawSettings Settings(const char* x1, const char* x2, const char* y1, const char* y2, const char* z1, const char* z2,
                      const char* n, const char* sq, int contourLines = 1, int triangleEdges = 0,
                      int continuousColour = 0, FillMode fillMode = FillMode::FillColour);

// Settings whose only text is the distortion limit sq.
DrawSettings WithLimit(std::string sq);

}  // namespace test
}  // namespace plotvane
