#pragma once
// The pens, brushes and fonts of a metafile being written.
//
// The played picture selects and deletes objects freely; the file needs each
// distinct description only once. EmfObjects creates an object record the
// first time a description is used and hands back its index in the file's
// object table; indices are never freed before the end, where deleteAll()
// releases them all. The table therefore holds as many entries as the page
// has distinct styles (a few hundred), whatever the number of selects.

#include <cstdint>
#include <map>
#include <tuple>
#include <vector>

#include "render/emf/EmfRecords.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane::emf {

class EmfObjects {
 public:
  explicit EmfObjects(RecordBuffer& out) : m_out(out) {}

  // The file's index of a pen of this style, width (file units) and colour.
  std::uint32_t pen(const gdi::LOGPEN& pen, std::int32_t width);
  std::uint32_t brush(const gdi::LOGBRUSH& brush);
  // The font with its height (and width) in file units.
  std::uint32_t font(const gdi::LOGFONT& font);

  // Selects the stock objects and deletes every created object.
  void deleteAll();
  // The object-table size the header announces: the highest index + 1.
  std::uint32_t handleCount() const { return m_next; }

 private:
  std::uint32_t create(Emr type);
  void writePattern(const gdi::MonoPattern& pattern);

  RecordBuffer& m_out;
  std::uint32_t m_next = 1;  // index 0 is reserved for the metafile itself
  std::map<std::tuple<int, std::int32_t, std::uint32_t>, std::uint32_t> m_pens;
  std::map<std::tuple<int, std::uint32_t, std::uint64_t>, std::uint32_t> m_brushes;
  std::vector<std::pair<gdi::LOGFONT, std::uint32_t>> m_fonts;
};

}  // namespace plotvane::emf
