// The command table of plotvane-cli. See RunCli.h.

#include "cli/RunCli.h"

#include <array>
#include <string_view>

#include "cli/CliCommands.h"
#include "cli/ContoursCommand.h"
#include "cli/ExitStatus.h"
#include "cli/RenderCommand.h"
#include "cli/TinCommand.h"
#include "cli/VolumeCommand.h"

namespace plotvane::cli {
namespace {

struct Command {
  std::string_view name;
  std::string_view synopsis;
  std::string_view purpose;
  int (*run)(const Words& words, std::ostream& out, std::ostream& err);
};

constexpr std::array<Command, 8> kCommands{{
    {"info", "info FILE", "what loading FILE found, and its settings", RunInfo},
    {"mesh", "mesh FILE", "info, then the mesh's points and triangles", RunMesh},
    {"value", "value FILE X Y", "the surface's value at X, Y", RunValue},
    {"grid", "grid FILE X0 DX NX Y0 DY NY -o OUT[.asc|.tif]|-", "the surface on a regular grid", RunGrid},
    {"contours", "contours FILE -o OUT.geojson|.gpkg|.shp|.kml|.dxf|.csv", "contour lines (and bands) as data",
     RunContours},
    {"tin", "tin FILE -o OUT.xml|.dxf", "the mesh as a TIN surface (LandXML, DXF 3DFACE)", RunTin},
    {"render", "render FILE -o OUT.png|.bmp|.svg|.pdf|.emf", "the page as a picture", RunRender},
    {"volume", "volume FILE (--plane H | --against FILE2) [--method tin|grid]", "cut and fill volumes", RunVolume},
}};

void PrintUsage(std::ostream& out) {
  out << "usage: plotvane-cli COMMAND FILE [arguments]\n";
  for (const Command& c : kCommands) out << "  " << c.synopsis << "\n      " << c.purpose << '\n';
  out << "  COMMAND --help\n      the command's arguments and options\n"
         "  --help | --version\n";
}

}  // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() == 1 && args[0] == "--help") {
    PrintUsage(out);
    return kExitOk;
  }
  if (args.size() == 1 && args[0] == "--version") {
    out << "plotvane-cli " << PLOTVANE_VERSION << '\n';
    return kExitOk;
  }
  for (const Command& c : kCommands) {
    if (!args.empty() && args[0] == c.name) return c.run(Words(args.begin() + 1, args.end()), out, err);
  }
  err << "plotvane-cli: " << (args.empty() ? std::string("a command is needed") : "unknown command: " + args[0])
      << '\n';
  PrintUsage(err);
  return kExitUsage;
}

}  // namespace plotvane::cli
