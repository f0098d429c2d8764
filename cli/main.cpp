// plotvane-cli: the headless front end. Loads a data file as the desktop
// program does and prints what it found, the mesh, a value, or writes a grid
// or the page.

#include <iostream>
#include <string>
#include <string_view>

#include "cli/CliArguments.h"
#include "cli/CliCommands.h"
#include "cli/ContoursCommand.h"
#include "cli/RenderCommand.h"
#include "common/AllocatorTuning.h"

namespace {

constexpr const char* kUsage =
    "usage: plotvane-cli COMMAND FILE [arguments]\n"
    "  info FILE [--skip-lines N] [--skip-prefixes TEXT]\n"
    "  mesh FILE [--skip-lines N] [--skip-prefixes TEXT]\n"
    "  value FILE X Y [--view VIEW.ctv] [--sq LIMIT]\n"
    "  grid FILE X0 DX NX Y0 DY NY -o OUT[.asc]|- [--view VIEW.ctv] [--sq LIMIT]\n"
    "  contours FILE -o OUT.geojson|.dxf|.csv [--view VIEW.ctv] [--sq LIMIT] [--bands]\n"
    "  render FILE -o OUT.png|.bmp|.svg|.pdf|.emf [--view VIEW.ctv] [--sq LIMIT] [--dpi N]\n"
    "         [--labels [--label-every M]]\n"
    "  render FILE -o - --format png|bmp|svg|pdf|emf [same options]\n"
    "  every command: [--interval D [--base B]] [--equal-aspect] [--columns X,Y,Z] [--x-north]\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace plotvane::cli;
  plotvane::TuneAllocator();
  std::ios::sync_with_stdio(false);
  if (argc == 2 && std::string_view(argv[1]) == "--help") {
    std::cout << kUsage << "  --help | --version\n";
    return kExitOk;
  }
  if (argc == 2 && std::string_view(argv[1]) == "--version") {
    std::cout << "plotvane-cli " << PLOTVANE_VERSION << '\n';
    return kExitOk;
  }
  std::string error;
  const auto args = ParseArguments(argc, argv, error);
  if (!args) {
    std::cerr << "plotvane-cli: " << error << '\n' << kUsage;
    return kExitUsage;
  }
  int status = kExitUsage;
  if (args->command == "info") {
    status = RunInfo(*args, std::cout, std::cerr);
  } else if (args->command == "mesh") {
    status = RunMesh(*args, std::cout, std::cerr);
  } else if (args->command == "value") {
    status = RunValue(*args, std::cout, std::cerr);
  } else if (args->command == "grid") {
    status = RunGrid(*args, std::cout, std::cerr);
  } else if (args->command == "contours") {
    status = RunContours(*args, std::cout, std::cerr);
  } else if (args->command == "render") {
    status = RunRender(*args, std::cout, std::cerr);
  } else {
    std::cerr << kUsage;
  }
  std::cout.flush();
  return status;
}
