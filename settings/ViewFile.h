#pragma once
// View settings files (".ctv"): the settings block of SettingsBlock.h alone.
//
// Reading takes items one after another: an item is a line, and a comma also
// ends one; blanks around an item are ignored; a double-quoted item is taken
// as it stands, commas included, up to its closing quote or the line end; an
// unquoted item that is a number becomes the text of that number ("1.50" gives
// "1.5", " 1 " gives "1"), any other item is taken unchanged. Items 1..11 are
// required; items 12..14 are taken while the file has more, so an eleven-line
// file keeps the current fill mode. Blank lines at the end of the file count as
// its end.
//
// After reading, whether it went through or stopped part way, sq is normalised:
// a number becomes the text of its value, anything else (such as "inf") becomes
// empty, no limit. A half-read file can therefore never leave "inf" in sq,
// which would exclude every triangle.

#include <string>
#include <string_view>

#include "common/Failure.h"
#include "settings/DrawSettings.h"

namespace plotvane {

enum class ViewReadStatus {
  Ok,
  CannotOpen,  // the file could not be opened or read; the settings are unchanged
  BadContent,  // fewer than eleven items, or a switch or option item rejected;
               // the items before it have been applied
};

// Writes the fourteen lines to path, under exactly that name, through a safe
// replace. Returns the failure, none on success.
WriteOutcome WriteViewFile(const std::string& path, const DrawSettings& settings);

// Reads a settings block from text (UTF-8) into settings.
ViewReadStatus ReadViewText(std::string_view text, DrawSettings& settings);

// Reads the view file at path (UTF-8 or CP932) into settings.
ViewReadStatus ReadViewFile(const std::string& path, DrawSettings& settings);

}  // namespace plotvane
