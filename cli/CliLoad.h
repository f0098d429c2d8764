#pragma once
// Loading the data file named on the command line, exactly as opening it in
// the program does, and applying the settings options.

#include <optional>
#include <ostream>

#include "cli/CliArguments.h"
#include "data/Document.h"
#include "load/OpenDataFile.h"

namespace plotvane::cli {

// Loads args.positional[0] into doc with --skip-lines, --skip-prefixes,
// --columns and --x-north (data/DataFileReader.h LoadOptions).
// Returns an exit status when the command cannot go on (usage error, a file
// that cannot be opened: message on err); nullopt otherwise, with the load's
// outcome in status (which may still be a failure).
std::optional<int> LoadDataFile(const Arguments& args, Document& doc, LoadStatus& status, std::ostream& err);

// Applies --view (read as "設定の読込" reads it), then --sq, then the survey
// options (CliSurveyOptions.h). Returns an exit status on a usage error,
// nullopt otherwise.
std::optional<int> ApplySettingsOptions(const Arguments& args, Document& doc, std::ostream& err);

// LoadDataFile, then ApplySettingsOptions, for the commands that need a mesh:
// a load that ends without one is an exit status (1) with its message on err.
std::optional<int> LoadMeshed(const Arguments& args, Document& doc, std::ostream& err);

// Reads a number argument; nullopt (with a message on err) when not numeric.
std::optional<double> NumberArgument(const std::string& text, const char* what, std::ostream& err);

}  // namespace plotvane::cli
