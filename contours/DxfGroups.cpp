// The shared sections of the DXF drawings. See DxfGroups.h.

#include "contours/DxfGroups.h"

namespace plotvane {

void AppendDxfHeader(std::string& text, const DxfExtents& extents) {
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "HEADER");
  DxfGroup(text, 9, "$ACADVER");
  DxfGroup(text, 1, "AC1009");
  DxfGroup(text, 9, "$EXTMIN");
  for (int i = 0; i < 3; ++i) DxfGroup(text, 10 * (i + 1), extents.min[i]);
  DxfGroup(text, 9, "$EXTMAX");
  for (int i = 0; i < 3; ++i) DxfGroup(text, 10 * (i + 1), extents.max[i]);
  DxfGroup(text, 0, "ENDSEC");
}

void AppendDxfTables(std::string& text, const std::vector<std::string>& layers) {
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "TABLES");
  DxfGroup(text, 0, "TABLE");
  DxfGroup(text, 2, "LTYPE");
  DxfGroup(text, 70, "1");
  DxfGroup(text, 0, "LTYPE");
  DxfGroup(text, 2, "CONTINUOUS");
  DxfGroup(text, 70, "0");
  DxfGroup(text, 3, "Solid line");
  DxfGroup(text, 72, "65");
  DxfGroup(text, 73, "0");
  DxfGroup(text, 40, "0.0");
  DxfGroup(text, 0, "ENDTAB");
  DxfGroup(text, 0, "TABLE");
  DxfGroup(text, 2, "LAYER");
  DxfGroup(text, 70, std::to_string(layers.size()));
  for (const std::string& layer : layers) {
    DxfGroup(text, 0, "LAYER");
    DxfGroup(text, 2, layer);
    DxfGroup(text, 70, "0");
    DxfGroup(text, 62, "7");
    DxfGroup(text, 6, "CONTINUOUS");
  }
  DxfGroup(text, 0, "ENDTAB");
  DxfGroup(text, 0, "ENDSEC");
}

}  // namespace plotvane
