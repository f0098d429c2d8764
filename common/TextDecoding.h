#pragma once
// Turning the bytes of a text file into the program's own text, UTF-8.
//
// Data and settings files come from two worlds: files written by this program
// and most current editors are UTF-8, files from Japanese Windows machines are
// in code page 932 (Shift_JIS with the Microsoft extensions). Bytes that are
// valid UTF-8 are taken as UTF-8; anything else is read as CP932. A file in
// CP932 that happens to be valid UTF-8 is practically impossible for real
// Japanese text, and plain ASCII reads the same either way.

#include <string>
#include <string_view>

namespace plotvane {

// Drops a leading UTF-8 byte-order mark, then returns the bytes unchanged when
// they are valid UTF-8 (no overlong forms, no surrogates, nothing above
// U+10FFFF); otherwise converts them from CP932 with the C library's iconv.
// A byte that does not convert becomes U+FFFD and decoding carries on with the
// next byte, so line ends and separators after a damaged character survive.
std::string DecodeToUtf8(std::string_view bytes);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

}  // namespace plotvane
