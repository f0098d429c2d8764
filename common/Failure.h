#pragma once
// What every load and every writer reports when it does not succeed: what
// kind of failure it was, the user's message, and where the core knows more
// than the message says, a detail line (the line and field of bad data, the
// limit that was passed).
//
// Success is the absence of a failure: a writer returns
// std::optional<Failure>, empty when the file was written. The front ends
// decide what a kind means to their user: the desktop program shows message
// and detail in a message box, the command-line program maps the kind to its
// exit status (cli/ExitStatus.h).

#include <optional>
#include <string>

namespace plotvane {

enum class FailureKind {
  Usage,        // the command asked for something the program does not do
  CannotOpen,   // an input file cannot be opened or read
  NotDataFile,  // an input file's name is not that of a data file
  LoadFailed,   // the data did not load into a mesh
  WriteFailed,  // an output could not be written; the old file is intact
  Cancelled,    // the user stopped the work; nothing to report
};

struct Failure {
  FailureKind kind = FailureKind::WriteFailed;
  std::string message;
  std::string detail;  // empty when the message says it all

  // The message, and the detail on a line of its own beneath it.
  std::string text() const { return detail.empty() ? message : message + '\n' + detail; }
};

using WriteOutcome = std::optional<Failure>;

// A writer's failure from its user's message; no failure for an empty one.
inline WriteOutcome WriteFailureOf(std::string message) {
  if (message.empty()) return std::nullopt;
  return Failure{FailureKind::WriteFailed, std::move(message), {}};
}

}  // namespace plotvane
