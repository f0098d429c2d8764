// The shared sections of the DXF drawings. See DxfGroups.h.

#include "contours/DxfGroups.h"

#include <algorithm>

namespace plotvane {
namespace {

// Handles before the entities: the tables, their records, the blocks and the
// two dictionaries (handles 1 to 25), and one per layer: the entities'
// handles start after them.
constexpr std::uint64_t kFixedHandles = 26;

std::string Hex(std::uint64_t value) {
  char text[24];
  std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
  return text;
}

void Block(std::string& text, std::string_view name, std::string_view owner, std::string_view begin,
           std::string_view end, bool paper) {
  DxfGroup(text, 0, "BLOCK");
  DxfGroup(text, 5, begin);
  DxfGroup(text, 330, owner);
  DxfGroup(text, 100, "AcDbEntity");
  if (paper) DxfGroup(text, 67, "1");
  DxfGroup(text, 8, "0");
  DxfGroup(text, 100, "AcDbBlockBegin");
  DxfGroup(text, 2, name);
  DxfGroup(text, 70, "0");
  DxfGroup(text, 10, "0.0");
  DxfGroup(text, 20, "0.0");
  DxfGroup(text, 30, "0.0");
  DxfGroup(text, 3, name);
  DxfGroup(text, 1, "");
  DxfGroup(text, 0, "ENDBLK");
  DxfGroup(text, 5, end);
  DxfGroup(text, 330, owner);
  DxfGroup(text, 100, "AcDbEntity");
  if (paper) DxfGroup(text, 67, "1");
  DxfGroup(text, 8, "0");
  DxfGroup(text, 100, "AcDbBlockEnd");
}

}  // namespace

std::string DxfDrawing::handle() { return Hex(m_next++); }

void DxfDrawing::symbolTable(std::string& text, std::string_view name, std::string_view owner, std::size_t entries) {
  DxfGroup(text, 0, "TABLE");
  DxfGroup(text, 2, name);
  DxfGroup(text, 5, owner);
  DxfGroup(text, 330, "0");
  DxfGroup(text, 100, "AcDbSymbolTable");
  DxfGroup(text, 70, std::to_string(entries));
}

void DxfDrawing::tableRecord(std::string& text, std::string_view type, std::string_view table,
                             std::string_view subclass, std::string_view name, int handleCode) {
  DxfGroup(text, 0, type);
  DxfGroup(text, handleCode, handle());
  DxfGroup(text, 330, table);
  DxfGroup(text, 100, "AcDbSymbolTableRecord");
  DxfGroup(text, 100, subclass);
  DxfGroup(text, 2, name);
  DxfGroup(text, 70, "0");
}

DxfDrawing::DxfDrawing(std::string& text, const DxfExtents& extents, const std::vector<DxfLayer>& layers,
                       std::uint64_t entityCount) {
  const std::uint64_t firstEntity = kFixedHandles + layers.size();
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "HEADER");
  DxfGroup(text, 9, "$ACADVER");
  DxfGroup(text, 1, "AC1015");
  DxfGroup(text, 9, "$HANDSEED");
  DxfGroup(text, 5, Hex(firstEntity + entityCount));
  DxfGroup(text, 9, "$INSUNITS");
  DxfGroup(text, 70, "6");  // metres
  DxfGroup(text, 9, "$MEASUREMENT");
  DxfGroup(text, 70, "1");  // metric
  DxfGroup(text, 9, "$EXTMIN");
  for (int i = 0; i < 3; ++i) DxfGroup(text, 10 * (i + 1), extents.min[i]);
  DxfGroup(text, 9, "$EXTMAX");
  for (int i = 0; i < 3; ++i) DxfGroup(text, 10 * (i + 1), extents.max[i]);
  DxfGroup(text, 0, "ENDSEC");
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "CLASSES");
  DxfGroup(text, 0, "ENDSEC");

  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "TABLES");
  std::string table = handle();
  symbolTable(text, "VPORT", table, 1);
  tableRecord(text, "VPORT", table, "AcDbViewportTableRecord", "*Active");
  // The whole drawing in view when it opens.
  const double width = std::max(extents.max[0] - extents.min[0], 1.0);
  const double height = std::max(extents.max[1] - extents.min[1], 1.0);
  DxfGroup(text, 12, (extents.min[0] + extents.max[0]) / 2);
  DxfGroup(text, 22, (extents.min[1] + extents.max[1]) / 2);
  DxfGroup(text, 40, height * 1.1);
  DxfGroup(text, 41, width / height);
  DxfGroup(text, 0, "ENDTAB");

  table = handle();
  symbolTable(text, "LTYPE", table, 3);
  for (const char* name : {"ByBlock", "ByLayer", "Continuous"}) {
    tableRecord(text, "LTYPE", table, "AcDbLinetypeTableRecord", name);
    DxfGroup(text, 3, std::string_view(name) == "Continuous" ? "Solid line" : "");
    DxfGroup(text, 72, "65");
    DxfGroup(text, 73, "0");
    DxfGroup(text, 40, "0.0");
  }
  DxfGroup(text, 0, "ENDTAB");

  table = handle();
  symbolTable(text, "LAYER", table, layers.size() + 1);
  tableRecord(text, "LAYER", table, "AcDbLayerTableRecord", "0");
  DxfGroup(text, 62, "7");
  DxfGroup(text, 6, "Continuous");
  for (const DxfLayer& layer : layers) {
    tableRecord(text, "LAYER", table, "AcDbLayerTableRecord", layer.name);
    DxfGroup(text, 62, std::to_string(layer.colour));
    DxfGroup(text, 6, "Continuous");
    DxfGroup(text, 370, std::to_string(layer.lineWeight));
  }
  DxfGroup(text, 0, "ENDTAB");

  table = handle();
  symbolTable(text, "STYLE", table, 1);
  tableRecord(text, "STYLE", table, "AcDbTextStyleTableRecord", "Standard");
  DxfGroup(text, 40, "0.0");
  DxfGroup(text, 41, "1.0");
  DxfGroup(text, 50, "0.0");
  DxfGroup(text, 71, "0");
  DxfGroup(text, 42, "2.5");
  DxfGroup(text, 3, "txt");
  DxfGroup(text, 4, "");
  DxfGroup(text, 0, "ENDTAB");

  for (const char* empty : {"VIEW", "UCS"}) {
    symbolTable(text, empty, handle(), 0);
    DxfGroup(text, 0, "ENDTAB");
  }

  table = handle();
  symbolTable(text, "APPID", table, 1);
  tableRecord(text, "APPID", table, "AcDbRegAppTableRecord", "ACAD");
  DxfGroup(text, 0, "ENDTAB");

  table = handle();
  symbolTable(text, "DIMSTYLE", table, 1);
  DxfGroup(text, 100, "AcDbDimStyleTable");
  tableRecord(text, "DIMSTYLE", table, "AcDbDimStyleTableRecord", "Standard", 105);
  DxfGroup(text, 0, "ENDTAB");

  table = handle();
  symbolTable(text, "BLOCK_RECORD", table, 2);
  m_modelSpace = Hex(m_next);
  tableRecord(text, "BLOCK_RECORD", table, "AcDbBlockTableRecord", "*Model_Space");
  const std::string paperSpace = Hex(m_next);
  tableRecord(text, "BLOCK_RECORD", table, "AcDbBlockTableRecord", "*Paper_Space");
  DxfGroup(text, 0, "ENDTAB");
  DxfGroup(text, 0, "ENDSEC");

  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "BLOCKS");
  const std::string modelBegin = handle(), modelEnd = handle();
  Block(text, "*Model_Space", m_modelSpace, modelBegin, modelEnd, false);
  const std::string paperBegin = handle(), paperEnd = handle();
  Block(text, "*Paper_Space", paperSpace, paperBegin, paperEnd, true);
  DxfGroup(text, 0, "ENDSEC");
  m_dictionary = handle();
  m_groups = handle();

  m_next = firstEntity;
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "ENTITIES");
}

void DxfDrawing::beginEntity(std::string& text, std::string_view type, std::string_view layer,
                             std::string_view subclass) {
  DxfGroup(text, 0, type);
  DxfGroup(text, 5, handle());
  DxfGroup(text, 330, m_modelSpace);
  DxfGroup(text, 100, "AcDbEntity");
  DxfGroup(text, 8, layer);
  DxfGroup(text, 100, subclass);
}

void DxfDrawing::finish(std::string& text) {
  DxfGroup(text, 0, "ENDSEC");
  DxfGroup(text, 0, "SECTION");
  DxfGroup(text, 2, "OBJECTS");
  DxfGroup(text, 0, "DICTIONARY");
  DxfGroup(text, 5, m_dictionary);
  DxfGroup(text, 330, "0");
  DxfGroup(text, 100, "AcDbDictionary");
  DxfGroup(text, 281, "1");
  DxfGroup(text, 3, "ACAD_GROUP");
  DxfGroup(text, 350, m_groups);
  DxfGroup(text, 0, "DICTIONARY");
  DxfGroup(text, 5, m_groups);
  DxfGroup(text, 330, m_dictionary);
  DxfGroup(text, 100, "AcDbDictionary");
  DxfGroup(text, 281, "1");
  DxfGroup(text, 0, "ENDSEC");
  DxfGroup(text, 0, "EOF");
}

}  // namespace plotvane
