#pragma once
// Numbers in PDF content, written fast: a map of many pieces writes
// hundreds of millions of them, so no printf on the way.

#include <cstdint>
#include <string>

#include "render/gdi/GdiTypes.h"

namespace plotvane::pdf {

void AppendInteger(std::string& out, std::int64_t value);
// A factor to six decimals, trailing zeros dropped (PDF numbers have no
// exponent).
void AppendFactor(std::string& out, double value);
// The colour's three components as 0..1 with three decimals, each followed
// by a space: three decimals take every 8-bit component back to itself.
void AppendColour(std::string& out, gdi::COLORREF colour);

}  // namespace plotvane::pdf
