#pragma once
// The second line of an error message: what exactly went wrong, in Japanese,
// with the file, the line or the value concerned.
//
// The first line of a message box stays the program's fixed message
// (common/Messages.h), which callers and tests compare; these texts are
// shown beneath it, and plotvane-cli prints them on standard error. The
// operating system's reasons appear here in Japanese too (SystemErrorText),
// never as the C library's English texts.

#include <cstdint>
#include <string>
#include <string_view>

#include "common/FileBytes.h"

namespace plotvane::details {

// The reason for an errno value, as one sentence.
std::string SystemErrorText(int error);

// Why a file read failed, as one sentence.
std::string FileReadErrorText(const FileReadError& error);

// "「path」を読み込めません。" and the reason.
std::string CannotReadText(std::string_view path, const FileReadError& error);

// A point field that is not a number: physical line `line` (1-based), column
// 1..3 (X, Y, Z), and the field's text (shortened when long).
std::string InvalidFieldText(std::int64_t line, int column, std::string_view text);

// The same for a field that has a name of its own (a survey record's "H",
// "点番号"): physical line `line`, the field's name and its text.
std::string InvalidNamedFieldText(std::int64_t line, std::string_view name, std::string_view text);

// A column whose values lie too far apart to compute with.
std::string RangeOverflowText(int column);

// Every point has the same value `value` in column 1..3.
std::string NoRangeText(int column, std::string_view value);

// More accepted lines than a load takes: physical line `line` would be one
// beyond the limit.
std::string TooManyLinesText(std::int64_t line);

// An accepted line of more fields than a load takes.
std::string TooManyFieldsText(std::int64_t line);

// The file has no data line (a header alone, or nothing).
std::string NoPointsText();

// The name is not that of a data file.
std::string UnknownKindText();

// Two points at the same place: where each is ("12 行目", "3 点目") and the
// place's X and Y as texts.
std::string DuplicatePlaceText(std::string_view first, std::string_view second, std::string_view x, std::string_view y);

// A load that merged points of the same place, keeping the first's Z or the mean.
std::string MergedDuplicatesText(std::int64_t removed, bool mean);

// A data file's bytes are not text (a picture or a program renamed, say).
std::string NotTextText();

}  // namespace plotvane::details
