#pragma once
// Text inside SVG: any recorded string made safe for XML.
//
// Recorded texts come from data files (column names) and may hold bytes that
// are not UTF-8 or characters XML forbids. Each is written as what a reader
// can take: an invalid byte becomes U+FFFD, a control character other than a
// tab a space, and the five markup characters their entities, so no text can
// end an element or an attribute early.

#include <string>
#include <string_view>

#include "render/gdi/GdiTypes.h"

namespace plotvane::svg {

void AppendXmlText(std::string& out, std::string_view utf8);

// "#rrggbb".
void AppendColour(std::string& out, gdi::COLORREF colour);

}  // namespace plotvane::svg
