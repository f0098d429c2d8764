#pragma once
// Explicit levels: the contour levels typed one by one ("10,12.5,15,20"),
// for the surveyor whose drawing rules name the levels rather than a count.
// The page draws its lines at exactly these values and its bands between
// them (render/ExplicitLevels.h); below the first and from the last up the
// below-range and above-range styles apply. A choice for one run or one
// command, like the contour labels: no view or contour file keeps it.
//
// The text is numbers separated by commas (blanks around them allowed), each
// read by the program's number rule (ParseNumber), at least two, strictly
// rising, with at most kMaxLevels bands between them.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace plotvane {

// The levels of text, or what is wrong with it (a sentence for the user).
std::variant<std::vector<double>, std::string> ParseLevelList(std::string_view text);

// The levels written back as the text ParseLevelList reads ("10,12.5,15").
std::string LevelListText(const std::vector<double>& levels);

}  // namespace plotvane
