#pragma once
// What the site-file readers share: the failure of a file whose content is
// not usable, and the closing of a shape whose last vertex repeats its first.

#include <string>
#include <string_view>

#include "common/Failure.h"
#include "data/SiteShapes.h"

namespace plotvane {

inline constexpr std::string_view kSiteFileUnusable = "境界・ブレークラインのファイルが正しくありません。";

// LoadFailed with the fixed message and "「name」 where: what" beneath it.
Failure SiteFileFailure(std::string_view name, std::string_view where, std::string_view what);

// Makes a shape whose last vertex repeats the first (in x and y) a ring, the
// repeat dropped. A shape that is already a ring loses a repeat as well.
void CloseIfRepeated(SiteShape& shape);

// A field's text for a message: its first 40 bytes at most, cut between
// UTF-8 characters, so a damaged file's megabyte-long field stays readable.
std::string ShownText(std::string_view text);

}  // namespace plotvane
