#pragma once
// The page printed at a true scale: the map at 1:N on a sheet of paper, for
// surveyors who measure on the print with a ruler.
//
// The data's X and Y are taken as metres, and the map as drawn with equal
// spans across and up (settings/EqualAspect.h), so one window span fills the
// map square's side: at 1:N the side is span x 1000 / N mm (100 m at 1:500
// is 200 mm). The whole page, colour scale, brackets and titles beside the
// map, is played onto the sheet enlarged or reduced by the factor that gives
// the square that side; its text grows or shrinks with it, so the page looks
// as on the screen, only larger or smaller.
//
// Geometry, in 0.01 mm with y upward from the sheet's bottom-left corner:
// the sheet (A4 210 x 297 mm or A3 297 x 420 mm, turned on request) keeps
// kSheetMargin clear on every side; within it the page and below it a strip
// kNoteStrip high, both enlarged by the page's factor, are centred. The
// strip holds the scale note ("1:500"), centred under the map square in the
// page font at 9 points times the factor, as large as the axis names beside
// it. A page that does not fit is refused, with the largest scale (the
// smallest whole N) at which it would.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"

namespace plotvane {

struct Paper {
  std::string_view name;
  std::int32_t width = 0, height = 0;  // 0.01 mm, upright
};

inline constexpr std::array<Paper, 2> kPapers{{{"A4", 21000, 29700}, {"A3", 29700, 42000}}};
inline constexpr std::int32_t kSheetMargin = 1000;  // 10 mm
inline constexpr std::int32_t kNoteStrip = 636;     // two lines of 9 points, before enlarging

// The paper of a name in kPapers ("A4", "A3"); nullopt for any other.
std::optional<Paper> PaperNamed(std::string_view name);

struct TrueScale {
  double denominator = 0.0;  // N of 1:N, > 0
  Paper paper;
  bool landscape = false;
};

struct TrueScaleLayout {
  std::int32_t sheetWidth = 0, sheetHeight = 0;
  double factor = 1.0;    // page size on the sheet / natural page size
  gdi::RECT pageOnSheet;  // left, top, right, bottom (top the larger y)
  gdi::POINT noteCentre;  // the middle of the scale note
};

// The layout of a page whose map window spans `span` metres at `scale`; when
// the page does not fit, the smallest whole N at which it does.
std::variant<TrueScaleLayout, std::int64_t> LayOutTrueScale(double span, const TrueScale& scale);

// The text of the scale note: "1:" and N with at most 15 significant digits.
std::string ScaleNote(double denominator);

// The sheet: page played at layout.pageOnSheet and the note under it.
gdi::EnhMetaFile ComposeTrueScaleSheet(const gdi::EnhMetaFile& page, const TrueScaleLayout& layout,
                                       const std::string& note);

}  // namespace plotvane
