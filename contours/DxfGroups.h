#pragma once
// The pieces of an ASCII DXF drawing of release 12 (AC1009) that every DXF
// the program writes shares: group codes right-aligned in three columns and
// lines ending in CR LF, the HEADER with the drawing's extents, and the
// TABLES with the CONTINUOUS line type and the drawing's layers.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "contours/ExactNumber.h"

namespace plotvane {

inline void DxfGroup(std::string& text, int code, std::string_view value) {
  char head[8];
  std::snprintf(head, sizeof head, "%3d\r\n", code);
  text += head;
  text += value;
  text += "\r\n";
}

inline void DxfGroup(std::string& text, int code, double value) { DxfGroup(text, code, ExactText(value)); }

// The extents of the drawing's vertices (X, Y, Z); all 0 for an empty drawing.
struct DxfExtents {
  double min[3] = {0, 0, 0};
  double max[3] = {0, 0, 0};
  bool any = false;

  void add(const double (&v)[3]) {
    for (int i = 0; i < 3; ++i) {
      min[i] = any && min[i] < v[i] ? min[i] : v[i];
      max[i] = any && max[i] > v[i] ? max[i] : v[i];
    }
    any = true;
  }
};

void AppendDxfHeader(std::string& text, const DxfExtents& extents);
void AppendDxfTables(std::string& text, const std::vector<std::string>& layers);

}  // namespace plotvane
