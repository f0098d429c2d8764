// A slow save for the signal tests: writes COUNT blocks of 64 KiB to PATH
// through the safe writer, a millisecond apart, so that a test can end it at
// any moment of the write. Once the temporary file exists it writes one byte
// to standard output, which the test waits for before it picks its moment.
//
//   slow_safe_writer PATH COUNT [--ignore-hangup]
//
// --ignore-hangup starts with SIGHUP ignored, as nohup does.

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/SafeFile.h"

int main(int argc, char** argv) {
  if (argc < 3) return 2;
  if (argc > 3 && std::string_view(argv[3]) == "--ignore-hangup") std::signal(SIGHUP, SIG_IGN);
  plotvane::SafeFileWriter writer(argv[1]);
  if (!writer.open()) return 1;
  if (::write(STDOUT_FILENO, "o", 1) != 1) return 1;
  const std::string block(std::size_t{1} << 16, 'x');
  for (long i = std::atol(argv[2]); i > 0; --i) {
    writer.write(block);
    ::usleep(1000);
  }
  return writer.commit() ? 0 : 1;
}
