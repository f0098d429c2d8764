// The characters of the page's texts. See PdfTextLayer.h.

#include "render/pdf/PdfTextLayer.h"

namespace plotvane::pdf {
namespace {

void AppendHex16(std::string& out, std::uint32_t unit) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  for (int shift = 12; shift >= 0; shift -= 4) out += kDigits[(unit >> shift) & 0xF];
}

// A CMap may map at most 100 ranges in one block, and a range may not
// cross a multiple of 256: 256 ranges of 256 codes map every code to itself.
std::string IdentityToUnicode() {
  std::string cmap =
      "/CIDInit /ProcSet findresource begin 12 dict begin begincmap\n"
      "/CIDSystemInfo <</Registry (Adobe) /Ordering (UCS) /Supplement 0>> def\n"
      "/CMapName /Adobe-Identity-UCS def /CMapType 2 def\n"
      "1 begincodespacerange <0000> <FFFF> endcodespacerange\n";
  for (std::uint32_t block = 0; block < 256; block += 64) {
    cmap += "64 beginbfrange\n";
    for (std::uint32_t high = block; high < block + 64; ++high) {
      std::string first, last;
      AppendHex16(first, high << 8);
      AppendHex16(last, (high << 8) | 0xFF);
      cmap += '<' + first + "> <" + last + "> <" + first + ">\n";
    }
    cmap += "endbfrange\n";
  }
  cmap += "endcmap CMapName currentdict /CMap defineresource pop end end\n";
  return cmap;
}

}  // namespace

std::u32string CodePoints(std::string_view utf8) {
  std::u32string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
    std::uint32_t code = length == 1 ? lead : length == 2 ? (lead & 0x1F) : length == 3 ? (lead & 0x0F) : (lead & 0x07);
    bool valid = length != 0 && i + static_cast<std::size_t>(length) <= utf8.size();
    for (int k = 1; valid && k < length; ++k) {
      const auto next = static_cast<unsigned char>(utf8[i + static_cast<std::size_t>(k)]);
      valid = (next & 0xC0) == 0x80;
      code = (code << 6) | (next & 0x3F);
    }
    if (!valid || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
      text += U'\uFFFD';
      i += 1;
    } else {
      text += static_cast<char32_t>(code);
      i += static_cast<std::size_t>(length);
    }
  }
  return text;
}

void AppendActualText(std::string& out, const std::u32string& text) {
  out += "<FEFF";
  for (const char32_t c : text) {
    if (c >= 0x10000) {
      AppendHex16(out, 0xD800 + ((c - 0x10000) >> 10));
      AppendHex16(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      AppendHex16(out, c);
    }
  }
  out += '>';
}

void AppendTextCodes(std::string& out, const std::u32string& text) {
  out += '<';
  for (const char32_t c : text) AppendHex16(out, c >= 0x10000 ? 0xFFFD : c);
  out += '>';
}

void WriteTextFont(PdfFile& file, int font) {
  const int descendant = file.reserve(), descriptor = file.reserve(), toUnicode = file.reserve();
  file.begin(font);
  file.write("<</Type /Font /Subtype /Type0 /BaseFont /PlotvaneText /Encoding /Identity-H /DescendantFonts [" +
             std::to_string(descendant) + " 0 R] /ToUnicode " + std::to_string(toUnicode) + " 0 R>>");
  file.end();
  file.begin(descendant);
  file.write(
      "<</Type /Font /Subtype /CIDFontType2 /BaseFont /PlotvaneText /CIDSystemInfo <</Registry (Adobe) "
      "/Ordering (Identity) /Supplement 0>> /FontDescriptor " +
      std::to_string(descriptor) + " 0 R /DW 1000 /CIDToGIDMap /Identity>>");
  file.end();
  file.begin(descriptor);
  file.write(
      "<</Type /FontDescriptor /FontName /PlotvaneText /Flags 4 /FontBBox [0 0 1000 1000] /ItalicAngle 0 "
      "/Ascent 1000 /Descent 0 /CapHeight 1000 /StemV 80>>");
  file.end();
  file.writeStream(toUnicode, "", IdentityToUnicode());
}

}  // namespace plotvane::pdf
