#pragma once
// Turning the bytes of a text file into the program's own text, UTF-8.
//
// Data and settings files come from two worlds: files written by this program
// and most current editors are UTF-8, files from Japanese Windows machines are
// in code page 932 (Shift_JIS with the Microsoft extensions). Plain ASCII
// reads the same either way. Bytes that are not valid UTF-8 are CP932. Valid
// UTF-8 is not proof, though: two half-width katakana in CP932 (bytes A1..DF)
// often form a valid two-byte UTF-8 sequence ("ﾃｽ", C3 BD, is "ý"). So the
// choice weighs what each reading would give:
// - a byte-order mark, or any sequence of three or four bytes (every kana and
//   kanji in UTF-8 is one), means UTF-8: CP932 text forms such a sequence
//   only by rare chance;
// - two-byte sequences of U+0080..U+00BF alone (the signs °, ±, ², µ that
//   units use) keep UTF-8, as does anything CP932 cannot decode cleanly;
// - a two-byte sequence with an ASCII letter beside it is a letter of a
//   Latin word ("Höhe", "Grösse") and keeps UTF-8: half-width katakana stand
//   as words of their own;
// - other two-byte sequences (Latin letters and beyond) without any longer
//   one are read as CP932, since Japanese data files hold half-width katakana
//   far more often than accented Latin letters standing alone.

#include <string>
#include <string_view>

namespace plotvane {

// Drops a leading UTF-8 byte-order mark, then returns the bytes unchanged when
// they read as UTF-8 (IsUtf8Text, or any valid UTF-8 after a mark); otherwise
// converts them from CP932 with the C library's iconv.
// A byte that does not convert becomes U+FFFD and decoding carries on with the
// next byte, so line ends and separators after a damaged character survive.
std::string DecodeToUtf8(std::string_view bytes);
// The same, giving the bytes' own buffer back when they are kept unchanged: a
// data file of megabytes is not copied.
std::string DecodeToUtf8(std::string&& bytes);

// True when the bytes are well-formed UTF-8 (no overlong forms, no
// surrogates, nothing above U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// True when bytes without a byte-order mark are taken as UTF-8 by the rule
// above; false means they are decoded as CP932.
bool IsUtf8Text(std::string_view bytes);

}  // namespace plotvane
