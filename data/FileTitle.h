#pragma once
// The names a loaded file goes by: its name without the folder (shown in the
// window caption) and its title, the name without its extension (proposed as
// the name of every file saved from it).

#include <string>
#include <string_view>

namespace plotvane {

// The text after the last "/" (the whole text when there is none).
std::string FileNameOf(std::string_view path);

// The name with everything from its last "." on removed; the whole name when
// it has no ".". "site.north.txt" gives "site.north".
std::string FileTitleOf(std::string_view fileName);

// A command-line path with one leading and one trailing double quotation mark
// removed, if present; quotation marks inside stay.
std::string StripCommandLineQuotes(std::string_view text);

}  // namespace plotvane
