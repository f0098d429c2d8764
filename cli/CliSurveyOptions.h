#pragma once
// The survey options of every command that loads a file: the contour
// interval (--interval D [--base B]) and true scale (--equal-aspect), applied
// to the settings after --view and --sq, in that order, so that the interval
// decides Z1, Z2 and n whatever a view file said and the aspect works on the
// window in force.

#include <optional>
#include <ostream>

#include "cli/CliArguments.h"
#include "data/Document.h"

namespace plotvane::cli {

// Applies --interval/--base and then --equal-aspect to doc.settings against
// doc.range. An interval that is not a positive number, a --base without
// --interval, or an interval giving more than 512 bands is a usage error
// (exit status, message on err); the settings are then unchanged.
std::optional<int> ApplySurveyOptions(const Arguments& args, Document& doc, std::ostream& err);

}  // namespace plotvane::cli
