// plotvane-cli: the headless front end. Loads a data file as the desktop
// program does and prints what it found, the mesh, a value, or writes a grid,
// the contours or the page.

#include <iostream>
#include <string>
#include <vector>

#include "cli/RunCli.h"
#include "common/AllocatorTuning.h"

int main(int argc, char** argv) {
  plotvane::TuneAllocator();
  std::ios::sync_with_stdio(false);
  const int status = plotvane::cli::RunCli(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
  std::cout.flush();
  return status;
}
