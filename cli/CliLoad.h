#pragma once
// The options every command that loads a data file takes, and loading the
// file with them exactly as opening it in the program does.
//
//   FILE [--skip-lines N] [--skip-prefixes TEXT] [--columns X,Y,Z] [--x-north]
//        [--las-class LIST] [--thin CELL] [--surface NAME]
//        [--interval D [--base B]] [--equal-aspect] [--isotropic] [--breaklines FILE]
//        [--boundary FILE]
// and, for the commands that draw or look up values,
//   [--view VIEW.ctv] [--sq LIMIT]
//
// The settings are applied after the load in a fixed order: --view (read as
// "設定の読込" reads it), then --sq, then the interval, then the aspect, so
// that the interval decides Z1, Z2 and n whatever a view file said and the
// aspect works on the window in force. The boundary (cli/BoundaryOption.h)
// comes last, on the finished mesh.

#include <optional>
#include <ostream>
#include <string>

#include "cli/OptionTable.h"
#include "data/DataFileReader.h"
#include "data/Document.h"
#include "load/OpenDataFile.h"

namespace plotvane::cli {

struct LoadArguments {
  std::string file;
  SkipOptions skip;
  LoadOptions columns;
  std::optional<double> interval;
  std::optional<double> base;
  bool equalAspect = false;
  bool isotropic = false;
  std::string breaklines;  // empty: none
  // FILE2 of --difference: the surface is FILE's minus FILE2's.
  std::optional<std::string> difference;
  std::optional<std::string> boundary;
};

struct ViewArguments {
  std::optional<std::string> view;
  // Given: a limit, or an empty text for "no limit".
  std::optional<std::string> sq;
};

// Adds FILE and the load options to a command's table.
void AddLoadOptions(CLI::App& table, LoadArguments& load);
// Adds the options of the survey formats: --las-class, --thin, --surface.
void AddSurveyFileOptions(CLI::App& table, LoadArguments& load);
// Adds --difference, for the commands that draw or look up the surface.
void AddDifferenceOption(CLI::App& table, LoadArguments& load);
// Adds --view and --sq.
void AddViewOptions(CLI::App& table, ViewArguments& view);

// Loads load.file into doc. Returns the failure that ends the command (a
// file that cannot be opened or is not a data file; its message printed on
// err), nullopt otherwise, with the load's outcome in status (which may still
// be a failure).
std::optional<int> LoadDataFile(const LoadArguments& load, Document& doc, LoadStatus& status, std::ostream& err);

// Applies the interval, the aspect and the boundary to a meshed load. Returns an exit
// status on an interval that does not fit the data (a usage error) or a
// boundary that cannot be used.
std::optional<int> ApplySurveyOptions(const LoadArguments& load, Document& doc, std::ostream& err);

// LoadDataFile (and with --difference the second file and the difference),
// then --view, --sq and the survey options, for the commands
// that need a mesh: a load that ends without one is an exit status (1) with
// its message on err.
std::optional<int> LoadMeshed(const LoadArguments& load, const ViewArguments& view, Document& doc, std::ostream& err);

}  // namespace plotvane::cli
