#pragma once
// The pieces of an ASCII DXF drawing of release 2000 (AC1015) that every DXF
// the program writes shares: group codes right-aligned in three columns and
// lines ending in CR LF; the HEADER with the drawing's extents and metres as
// its units; the tables CAD programs insist on (the line types, the layers
// with their colours and line weights, the text and dimension styles, the
// model and paper space blocks); every object with its handle and owner; and
// the OBJECTS section's root dictionary.

#include <cstdint>
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

struct DxfLayer {
  std::string name;
  int colour = 7;       // AutoCAD colour index, 1..255
  int lineWeight = 25;  // hundredths of a millimetre
};

// Writes a drawing's groups in order, numbering every object it writes.
class DxfDrawing {
 public:
  // HEADER to BLOCKS, then opens ENTITIES. entityCount is how many entities
  // will follow, so that the header can give the next free handle.
  DxfDrawing(std::string& text, const DxfExtents& extents, const std::vector<DxfLayer>& layers,
             std::uint64_t entityCount);

  // The groups every entity starts with: its type, handle, owner (the model
  // space) and layer, then its own subclass marker.
  void beginEntity(std::string& text, std::string_view type, std::string_view layer, std::string_view subclass);

  // Closes ENTITIES, writes OBJECTS and the end of the file.
  void finish(std::string& text);

 private:
  std::string handle();
  void symbolTable(std::string& text, std::string_view name, std::string_view owner, std::size_t entries);
  void tableRecord(std::string& text, std::string_view type, std::string_view table, std::string_view subclass,
                   std::string_view name, int handleCode = 5);

  std::uint64_t m_next = 1;
  std::string m_modelSpace;
  std::string m_dictionary;
  std::string m_groups;
};

}  // namespace plotvane
