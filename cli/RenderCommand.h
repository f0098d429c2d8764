#pragma once
// plotvane-cli render: the page of a data file written as an image or a
// document.
//
//   render FILE -o OUT [load options] [--view VIEW.ctv] [--sq LIMIT] [--dpi N]
//          [--labels [--label-every M]]
//   render FILE -o - --format png|bmp|svg|pdf|emf [...]
//
// Loads FILE as the program opens it, applies the settings options, composes
// the page and writes OUT in the format its name selects
// (qtplay/PictureFormats.h): png or bmp (597 x 477 pixels at the default
// 96 dpi; --dpi N, 1..1200, renders the same page at N dots per inch), svg,
// pdf or emf; or writes it to standard output ("-o -") in the format
// --format names.
//
// Rendering needs a QGuiApplication. RunRender uses the one that exists, or
// makes one on Qt's offscreen platform for the call (so no display is
// needed) and installs the Qt text measurer while it lives.

#include <ostream>

#include "cli/CliCommands.h"

namespace plotvane::cli {

int RunRender(const Words& words, std::ostream& out, std::ostream& err);

}  // namespace plotvane::cli
