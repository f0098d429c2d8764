#pragma once
// The characters of the page's texts, for copying and searching.
//
// The texts are drawn as glyph outlines, which carry no characters; each
// text therefore also gets:
// - a marked-content span whose ActualText is the text (UTF-16BE), which
//   readers that honour it copy in place of what the span draws;
// - the same characters drawn invisibly (text render mode 3), stretched over
//   the text, in a font of one em per character whose codes are the
//   characters' UTF-16 units (Identity-H) and map back to them (ToUnicode),
//   for readers that only take characters from text operators. Being never
//   painted, the font needs no glyphs and none is embedded.

#include <string>
#include <string_view>

#include "render/pdf/PdfFile.h"

namespace plotvane::pdf {

// The text's code points; a byte that is not UTF-8 becomes U+FFFD.
std::u32string CodePoints(std::string_view utf8);

// "<FEFF...>": the text as ActualText takes it.
void AppendActualText(std::string& out, const std::u32string& text);

// "<...>": the invisible font's codes of the text, one per character
// (characters beyond 16 bits as U+FFFD).
void AppendTextCodes(std::string& out, const std::u32string& text);

// Writes the invisible characters' font as object `font`, with the objects
// it refers to.
void WriteTextFont(PdfFile& file, int font);

}  // namespace plotvane::pdf
