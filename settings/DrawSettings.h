#pragma once
// The fourteen drawing settings.
//
// The eight numeric fields are kept as text, exactly as the user typed them or
// a file gave them; consumers read their numbers through ReadDrawParameters
// (DrawParameters.h), and an empty sq means "no distortion limit". The three
// switches are 0 or 1. One fill mode is selected at a time, and selecting the
// pattern mode turns continuous colouring off (the dialog then disables its
// check box), so the two can never be on together.

#include <string>

namespace plotvane {

struct DataRange;

enum class FillMode { FillColour, FillGrey, FillPattern };

struct DrawSettings {
  std::string X1, X2;  // data X at the left and right edge of the map
  std::string Y1, Y2;  // data Y at the bottom and top edge
  std::string Z1, Z2;  // Z at the low and high end of the colour scale
  std::string n;       // number of bands, a whole number 2..512 after validation
  std::string sq;      // distortion upper limit, or empty for none
  int ContourLines = 1;
  int TriangleEdges = 0;
  int ContinuousColour = 0;
  FillMode fillMode = FillMode::FillColour;

  // Selects a fill mode as clicking its option button does: the pattern mode
  // clears ContinuousColour.
  void selectFillMode(FillMode mode);
  // Continuous colouring can be switched on only outside the pattern mode.
  bool continuousColourEnabled() const { return fillMode != FillMode::FillPattern; }

  bool operator==(const DrawSettings&) const = default;
};

// The state every data load starts from: empty texts, contour lines on,
// triangle edges and continuous colouring off, colour fill.
inline DrawSettings DefaultDrawSettings() { return DrawSettings{}; }

// The checks of the dialog's OK and Test buttons, applied in place: numbers are
// rewritten in their canonical text, non-numbers and unusable ranges fall back
// to the data extents, n is kept within 2..512 and sq is emptied unless it is a
// number. Nothing is reported; a bad entry is silently replaced.
void ValidateDrawSettings(DrawSettings& settings, const DataRange& range);

}  // namespace plotvane
