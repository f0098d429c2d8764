#pragma once
// --ramp NAME|FILE, shared by render and contours: one of the named ramps
// (render/ColourRamps.h) or a file of stops (render/RampFile.h). The name is
// looked up first, so a file called "viridis" is reached as "./viridis".

#include <optional>
#include <ostream>
#include <string>

#include "cli/OptionTable.h"
#include "settings/RampChoice.h"

namespace plotvane::cli {

// Adds --ramp to a command's table.
CLI::Option* AddRampOption(CLI::App& table, std::optional<std::string>& ramp);

// The ramp of --ramp's value (the program's own when not given), read before
// the data file is opened; an exit status when it names no ramp or its file
// is not one, with the problem on err.
std::optional<int> ResolveRamp(const std::optional<std::string>& text, RampChoice& ramp, std::ostream& err);

}  // namespace plotvane::cli
