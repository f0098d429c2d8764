// Object records. See EmfObjects.h.

#include "render/emf/EmfObjects.h"

#include "render/gdi/TextMeasurer.h"

namespace plotvane::emf {
namespace {

constexpr std::uint32_t DIB_RGB_COLORS = 0;
constexpr std::uint32_t kBitmapInfoSize = 40 + 2 * 4;  // header and two colours
constexpr std::uint32_t kPatternBitsSize = 8 * 4;      // eight rows padded to 4 bytes
constexpr std::size_t kFaceUnits = 32;

std::uint64_t PatternKey(const gdi::MonoPattern& pattern) {
  std::uint64_t key = 0;
  for (const std::uint8_t row : pattern) key = (key << 8) | row;
  return key;
}

}  // namespace

std::uint32_t EmfObjects::create(Emr type) {
  const std::uint32_t index = m_next++;
  m_out.begin(type);
  m_out.u32(index);
  return index;
}

std::uint32_t EmfObjects::pen(const gdi::LOGPEN& pen, std::int32_t width) {
  const auto key = std::make_tuple(static_cast<int>(pen.style), width, pen.colour);
  if (const auto found = m_pens.find(key); found != m_pens.end()) return found->second;
  const std::uint32_t index = create(Emr::EMR_CREATEPEN);
  m_out.u32(static_cast<std::uint32_t>(pen.style));
  m_out.i32(width);
  m_out.i32(0);
  m_out.u32(pen.colour);
  m_out.end();
  m_pens.emplace(key, index);
  return index;
}

std::uint32_t EmfObjects::brush(const gdi::LOGBRUSH& brush) {
  const bool pattern = brush.style == gdi::BrushStyle::BS_PATTERN;
  const auto key = std::make_tuple(static_cast<int>(brush.style), pattern ? 0u : brush.colour,
                                   pattern ? PatternKey(brush.pattern) : 0u);
  if (const auto found = m_brushes.find(key); found != m_brushes.end()) return found->second;
  std::uint32_t index = 0;
  if (pattern) {
    index = create(Emr::EMR_CREATEDIBPATTERNBRUSHPT);
    writePattern(brush.pattern);
  } else {
    index = create(Emr::EMR_CREATEBRUSHINDIRECT);
    m_out.u32(0);  // BS_SOLID
    m_out.u32(brush.colour);
    m_out.u32(0);
  }
  m_out.end();
  m_brushes.emplace(key, index);
  return index;
}

// A 1-bit device-independent bitmap whose colour 0 is black and colour 1
// white. Our patterns mark black with 1, so each row is inverted; with 0 as
// black the brush also comes out right in players that paint monochrome
// patterns in the text colour (black) and the background colour (white).
// Bitmap rows run bottom-up.
void EmfObjects::writePattern(const gdi::MonoPattern& pattern) {
  const std::uint32_t fixed = 32;  // type, size, index, usage and four offsets/sizes
  m_out.u32(DIB_RGB_COLORS);
  m_out.u32(fixed);
  m_out.u32(kBitmapInfoSize);
  m_out.u32(fixed + kBitmapInfoSize);
  m_out.u32(kPatternBitsSize);
  m_out.u32(40);  // BITMAPINFOHEADER
  m_out.i32(8);
  m_out.i32(8);
  m_out.u16(1);
  m_out.u16(1);
  m_out.u32(0);  // BI_RGB
  m_out.u32(kPatternBitsSize);
  m_out.i32(0);
  m_out.i32(0);
  m_out.u32(2);
  m_out.u32(0);
  m_out.u32(0x00000000);  // colour 0: black
  m_out.u32(0x00FFFFFF);  // colour 1: white
  for (int row = 7; row >= 0; --row) {
    m_out.u8(static_cast<std::uint8_t>(~pattern[static_cast<std::size_t>(row)]));
    m_out.u8(0);
    m_out.u8(0);
    m_out.u8(0);
  }
}

std::uint32_t EmfObjects::font(const gdi::LOGFONT& font) {
  for (const auto& [known, index] : m_fonts) {
    if (known == font) return index;
  }
  const std::uint32_t index = create(Emr::EMR_EXTCREATEFONTINDIRECTW);
  m_out.i32(font.height);
  m_out.i32(font.width);
  m_out.i32(font.escapement);
  m_out.i32(font.orientation);
  m_out.i32(font.weight);
  m_out.u8(font.italic ? 1 : 0);
  m_out.u8(font.underline ? 1 : 0);
  m_out.u8(font.strikeOut ? 1 : 0);
  m_out.u8(font.charSet);
  m_out.u8(font.outPrecision);
  m_out.u8(font.clipPrecision);
  m_out.u8(font.quality);
  m_out.u8(font.pitchAndFamily);
  std::u16string face = gdi::ToUtf16(font.faceName);
  if (face.size() > kFaceUnits - 1) face.resize(kFaceUnits - 1);  // room for the terminator
  m_out.utf16(face, kFaceUnits);
  m_out.end();
  m_fonts.emplace_back(font, index);
  return index;
}

void EmfObjects::deleteAll() {
  for (const std::uint32_t stock : {kStockBlackPen, kStockWhiteBrush, kStockSystemFont}) {
    m_out.begin(Emr::EMR_SELECTOBJECT);
    m_out.u32(stock);
    m_out.end();
  }
  for (std::uint32_t index = 1; index < m_next; ++index) {
    m_out.begin(Emr::EMR_DELETEOBJECT);
    m_out.u32(index);
    m_out.end();
  }
}

}  // namespace plotvane::emf
