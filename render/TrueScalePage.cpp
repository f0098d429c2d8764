// The true-scale sheet. See TrueScalePage.h.

#include "render/TrueScalePage.h"

#include <algorithm>
#include <cmath>

#include "render/PageComposition.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

constexpr double kPageWidth = kPageFrame.right - kPageFrame.left;
constexpr double kPageHeight = kPageFrame.bottom - kPageFrame.top;
constexpr double kMapSide = kMapOnPage.right - kMapOnPage.left;
constexpr double kNoteHeight = 318;  // 9 points, the page's label font

std::int32_t Round(double v) { return RoundHalfEven(v).value_or(0); }

}  // namespace

std::optional<Paper> PaperNamed(std::string_view name) {
  for (const Paper& paper : kPapers) {
    if (paper.name == name) return paper;
  }
  return std::nullopt;
}

std::variant<TrueScaleLayout, std::int64_t> LayOutTrueScale(double span, const TrueScale& scale) {
  TrueScaleLayout layout;
  layout.sheetWidth = scale.landscape ? scale.paper.height : scale.paper.width;
  layout.sheetHeight = scale.landscape ? scale.paper.width : scale.paper.height;
  const double roomWidth = layout.sheetWidth - 2.0 * kSheetMargin;
  const double roomHeight = layout.sheetHeight - 2.0 * kSheetMargin;
  // span metres at 1:N are span x 100000 / N units of 0.01 mm.
  const double side = std::abs(span) * 100000.0 / scale.denominator;
  layout.factor = side / kMapSide;
  const double largest = std::min(roomWidth / kPageWidth, roomHeight / (kPageHeight + kNoteStrip));
  if (!(layout.factor <= largest)) {
    return static_cast<std::int64_t>(std::ceil(std::abs(span) * 100000.0 / (largest * kMapSide)));
  }
  const double width = kPageWidth * layout.factor;
  const double height = kPageHeight * layout.factor;
  const double strip = kNoteStrip * layout.factor;
  const double left = kSheetMargin + (roomWidth - width) / 2;
  const double bottom = kSheetMargin + strip + (roomHeight - height - strip) / 2;
  layout.pageOnSheet = gdi::RECT{Round(left), Round(bottom + height), Round(left + width), Round(bottom)};
  const double mapMiddle = (kMapOnPage.left + kMapOnPage.right) / 2.0;
  layout.noteCentre = gdi::POINT{Round(left + mapMiddle * layout.factor), Round(bottom - strip / 2)};
  return layout;
}

std::string ScaleNote(double denominator) { return "1:" + NumberText(denominator); }

gdi::EnhMetaFile ComposeTrueScaleSheet(const gdi::EnhMetaFile& page, const TrueScaleLayout& layout,
                                       const std::string& note) {
  gdi::DeviceContext sheet = gdi::CreateEnhMetaFileA(gdi::RECT{0, -layout.sheetHeight, layout.sheetWidth, 0});
  sheet.SetMapMode(gdi::MapMode::MM_HIMETRIC);
  sheet.PlayEnhMetaFile(page, layout.pageOnSheet);
  const gdi::HFONT font = gdi::CreateFontA(Round(kNoteHeight * layout.factor), 0, 0, 0, gdi::FW_DONTCARE, false, false,
                                           false, gdi::DEFAULT_CHARSET, 0, 0, 0, 0, gdi::kPageFontFace);
  const gdi::HGDIOBJ previous = sheet.SelectObject(font);
  gdi::SIZE extent;
  sheet.GetTextExtentPoint32A(note, &extent);
  // TextOutA places the text's top-left corner.
  sheet.TextOutA(layout.noteCentre.x - extent.cx / 2, layout.noteCentre.y + extent.cy / 2, note);
  sheet.SelectObject(previous);
  gdi::DeleteObject(font);
  return gdi::CloseEnhMetaFile(sheet);
}

}  // namespace plotvane
