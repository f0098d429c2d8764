#pragma once
// True scale: the map square shows equal spans of X and Y.
//
// The map stretches its X window and its Y window over the same square, so a
// site that is not square is drawn distorted. EqualAspect widens the
// narrower window about its centre until both spans are equal: one metre is
// then the same length on the page across and up. A window that runs
// backwards (X2 < X1, a mirrored map) keeps its direction. Windows whose
// spans are already equal, or where either span is zero or not finite, are
// left as they are (the dialog's checks replace a zero span by the data's
// extent before this runs).

#include "settings/DrawParameters.h"

namespace plotvane {

// The window with the narrower span widened to the wider one.
MapWindow EqualAspect(const MapWindow& window);

// Validates a copy of settings against range (ValidateDrawSettings, as OK
// does) and writes the equal-aspect window of its X1, X2, Y1, Y2 back into
// the four texts of settings; every other field stays as it is.
void ApplyEqualAspect(DrawSettings& settings, const DataRange& range);

}  // namespace plotvane
