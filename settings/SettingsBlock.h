#pragma once
// The fourteen-line settings block: the whole of a view file (".ctv") and the
// head of every contour file (".ctr").
//
//   line  1..8   X1, X2, Y1, Y2, Z1, Z2, n, sq as text; an empty sq is
//                written "inf" so that the line is never blank
//   line  9..11  ContourLines, TriangleEdges, ContinuousColour: a blank, the
//                digit 0 or 1, a blank
//   line 12..14  "True" or "False": FillColour, FillGrey, FillPattern selected
//
// There is no header or version mark: a line's position is its meaning. Files
// are UTF-8 (plain ASCII in practice) with CR LF line ends.
//
// Reading a block back (from a contour file or a view file) puts lines 1..8
// into the texts unchecked, takes lines 9..11 as whole numbers that must be 0
// or 1, and lines 12..14 as truth values ("True"/"False" in any case, or a
// number: 0 false, anything else true). The option lines apply in order through
// the option rule, so the last "True" wins and "True" on line 14 turns
// continuous colouring off. A "False" changes nothing: the three options form
// one group and one of them is always selected, so deselecting one alone has
// no state to go to.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/DrawSettings.h"

namespace plotvane {

inline constexpr int kSettingsTextLines = 8;     // lines 1..8
inline constexpr int kSettingsSwitchLines = 11;  // lines 9..11 end here; the older contour layout stops here
inline constexpr int kSettingsBlockLines = 14;

// The fourteen lines, without line ends.
std::vector<std::string> SettingsBlockLines(const DrawSettings& settings);
// The fourteen lines, each ended by CR LF.
std::string SettingsBlockText(const DrawSettings& settings);

// A switch line's value: a number that rounds (halves to even) to 0 or 1.
std::optional<int> SwitchValue(std::string_view text);
// An option line's value: "True"/"False" in any case, or a number (0 is false),
// blanks around allowed.
std::optional<bool> TruthValue(std::string_view text);

// Puts texts[0..] into the settings as block lines 1, 2, ... (at most 14), in
// order, stopping at the first switch or option value that is rejected (false);
// lines before it keep their new values. Either way, continuous colouring ends
// off if the pattern mode is selected afterwards.
bool ApplySettingsLines(DrawSettings& settings, std::span<const std::string_view> texts);

}  // namespace plotvane
