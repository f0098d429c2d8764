#pragma once
// The commands of plotvane-cli that need no graphics: info, mesh, value and
// grid. Each reads the words after its name by its own option table (see
// `plotvane-cli COMMAND --help`) before it opens any file, and returns the
// process exit status (ExitStatus.h).

#include <ostream>
#include <string>
#include <vector>

namespace plotvane::cli {

using Words = std::vector<std::string>;

int RunInfo(const Words& words, std::ostream& out, std::ostream& err);
int RunMesh(const Words& words, std::ostream& out, std::ostream& err);
int RunValue(const Words& words, std::ostream& out, std::ostream& err);
int RunGrid(const Words& words, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli
