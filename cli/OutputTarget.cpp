// The output of the writing commands. See OutputTarget.h.

#include "cli/OutputTarget.h"

#include <unistd.h>

#include "cli/ExitStatus.h"

namespace plotvane::cli {
namespace {

// How messages name standard output.
constexpr const char* kStandardOutputName = "標準出力";

}  // namespace

std::unique_ptr<SafeFileWriter> OpenOutput(const std::string& output) {
  auto file = output == kStandardOutput ? std::make_unique<SafeFileWriter>(STDOUT_FILENO, kStandardOutputName)
                                        : std::make_unique<SafeFileWriter>(output);
  file->open();
  return file;
}

int FinishOutput(SafeFileWriter& file, std::ostream& err) {
  if (file.commit()) return kExitOk;
  err << "plotvane-cli: " << file.error() << '\n';
  return kExitWriteFailed;
}

}  // namespace plotvane::cli
