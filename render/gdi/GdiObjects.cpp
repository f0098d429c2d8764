// The process-wide object table. See GdiObjects.h.
//
// Slots hold a description and a generation; a handle is the slot number in
// the low 20 bits and the slot's generation in the high 12. Freed slots go on
// a free list, so the table stays as small as the most objects alive at once
// (the renderer creates and deletes a pen per contour segment, millions per
// map, but holds only a few thousand at a time).

#include "render/gdi/GdiObjects.h"

#include <variant>
#include <vector>

namespace plotvane::gdi {
namespace {

constexpr std::uint32_t kSlotBits = 20;
constexpr std::uint32_t kSlotMask = (1u << kSlotBits) - 1;
constexpr std::uint32_t kGenerationMask = (1u << (32 - kSlotBits)) - 1;

using Description = std::variant<std::monostate, LOGPEN, LOGBRUSH, LOGFONT>;

struct Slot {
  Description description;
  std::uint32_t generation = 0;
  bool stock = false;
};

class ObjectTable {
 public:
  ObjectTable() {
    m_slots.resize(1);  // slot 0 is never used, so no handle is 0
    m_stock[static_cast<int>(StockObject::WHITE_BRUSH)] =
        add(LOGBRUSH{BrushStyle::BS_SOLID, RGB(255, 255, 255), {}}, true);
    m_stock[static_cast<int>(StockObject::BLACK_PEN)] = add(LOGPEN{PenStyle::PS_SOLID, 0, RGB(0, 0, 0)}, true);
    m_stock[static_cast<int>(StockObject::NULL_PEN)] = add(LOGPEN{PenStyle::PS_NULL, 0, RGB(0, 0, 0)}, true);
    LOGFONT system;
    system.weight = 700;
    system.faceName = "System";
    m_stock[static_cast<int>(StockObject::SYSTEM_FONT)] = add(system, true);
  }

  HGDIOBJ add(Description description, bool stock = false) {
    std::uint32_t index;
    if (!m_free.empty()) {
      index = m_free.back();
      m_free.pop_back();
    } else {
      if (m_slots.size() > kSlotMask || m_live >= kMaxLiveObjects) return {};
      index = static_cast<std::uint32_t>(m_slots.size());
      m_slots.emplace_back();
    }
    Slot& slot = m_slots[index];
    slot.description = std::move(description);
    slot.stock = stock;
    if (!stock) ++m_live;
    return HGDIOBJ{index | (slot.generation << kSlotBits)};
  }

  const Slot* find(HGDIOBJ handle) const {
    const std::uint32_t index = handle.value & kSlotMask;
    if (index == 0 || index >= m_slots.size()) return nullptr;
    const Slot& slot = m_slots[index];
    if (slot.generation != (handle.value >> kSlotBits)) return nullptr;
    if (std::holds_alternative<std::monostate>(slot.description)) return nullptr;
    return &slot;
  }

  bool remove(HGDIOBJ handle) {
    const Slot* found = find(handle);
    if (found == nullptr) return false;
    if (found->stock) return true;
    const std::uint32_t index = handle.value & kSlotMask;
    Slot& slot = m_slots[index];
    slot.description = std::monostate{};
    // A generation that wraps to the value of a still-held stale handle would
    // take 4096 reuses of this very slot; that stale handle then names the
    // new object, as it would in the system this layer stands in for.
    slot.generation = (slot.generation + 1) & kGenerationMask;
    m_free.push_back(index);
    --m_live;
    return true;
  }

  HGDIOBJ stock(StockObject which) const { return m_stock[static_cast<int>(which)]; }
  std::int32_t live() const { return m_live; }

 private:
  std::vector<Slot> m_slots;
  std::vector<std::uint32_t> m_free;
  HGDIOBJ m_stock[4];
  std::int32_t m_live = 0;
};

ObjectTable& Table() {
  static ObjectTable table;
  return table;
}

template <typename Handle>
Handle As(HGDIOBJ handle) {
  Handle typed;
  typed.value = handle.value;
  return typed;
}

template <typename T>
const T* Describe(HGDIOBJ handle) {
  const Slot* slot = Table().find(handle);
  return slot == nullptr ? nullptr : std::get_if<T>(&slot->description);
}

std::uint8_t Byte(int value) { return static_cast<std::uint8_t>(value & 0xFF); }

}  // namespace

HPEN CreatePen(PenStyle style, int width, COLORREF colour) {
  return As<HPEN>(Table().add(LOGPEN{style, width, colour}));
}

HBRUSH CreateSolidBrush(COLORREF colour) { return As<HBRUSH>(Table().add(LOGBRUSH{BrushStyle::BS_SOLID, colour, {}})); }

HBRUSH CreatePatternBrush(const MonoPattern& pattern) {
  return As<HBRUSH>(Table().add(LOGBRUSH{BrushStyle::BS_PATTERN, 0, pattern}));
}

HFONT CreateFontA(int height, int width, int escapement, int orientation, int weight, bool italic, bool underline,
                  bool strikeOut, int charSet, int outPrecision, int clipPrecision, int quality, int pitchAndFamily,
                  std::string_view faceName) {
  LOGFONT font;
  font.height = height;
  font.width = width;
  font.escapement = escapement;
  font.orientation = orientation;
  font.weight = weight;
  font.italic = italic;
  font.underline = underline;
  font.strikeOut = strikeOut;
  font.charSet = Byte(charSet);
  font.outPrecision = Byte(outPrecision);
  font.clipPrecision = Byte(clipPrecision);
  font.quality = Byte(quality);
  font.pitchAndFamily = Byte(pitchAndFamily);
  font.faceName = std::string(faceName);
  return As<HFONT>(Table().add(std::move(font)));
}

bool DeleteObject(HGDIOBJ object) { return Table().remove(object); }

HGDIOBJ GetStockObject(StockObject which) { return Table().stock(which); }

ObjectKind GetObjectKind(HGDIOBJ object) {
  const Slot* slot = Table().find(object);
  if (slot == nullptr) return ObjectKind::None;
  return static_cast<ObjectKind>(slot->description.index());
}

const LOGPEN* GetPenDescription(HGDIOBJ object) { return Describe<LOGPEN>(object); }
const LOGBRUSH* GetBrushDescription(HGDIOBJ object) { return Describe<LOGBRUSH>(object); }
const LOGFONT* GetFontDescription(HGDIOBJ object) { return Describe<LOGFONT>(object); }

std::int32_t LiveObjectCount() { return Table().live(); }

}  // namespace plotvane::gdi
