#pragma once
// The page: colour scale, contour map and title composed into one recorded
// picture, which the screen, the page file, image files and the printer all
// play.
//
// Geometry, in 0.01 mm with y upward from the page's bottom-left corner:
// - the page is 15795 x 12620 (157.95 x 126.20 mm), shown at 597 x 477
//   pixels (96 per inch);
// - the map square is recorded in its own picture, 0..10000 on both axes,
//   and played one to one onto page x 2300..12300, y 1535..11535: a map point
//   (mx, my) lands at page (2300 + mx, 1535 + my), and at screen pixel
//   (round((2300 + mx) x 597 / 15795), round((12620 - 1535 - my) x 477 / 12620));
// - the title is recorded in reference-device pixels (y downward) over a
//   frame that covers the whole page.
//
// The composition draws the scale first (that run builds the level styles
// the map needs; the map's white margins paint over it), then plays the map
// and the title into the page, then draws the scale again on top.
//
// Everything is drawn from SettingsForDrawing(doc.settings, doc.range)
// (RenderSettings.h), never from the raw settings: values read from a file
// that the dialog would have refused cannot make the page fail or half-draw.

#include <functional>

#include "common/Progress.h"
#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/EnhMetaFile.h"
#include "render/gdi/GdiTypes.h"
#include "settings/DrawParameters.h"

namespace plotvane {

// Frames given to CreateEnhMetaFileA (left, top, right, bottom in 0.01 mm)
// and the rectangles the parts are played at on the page (y upward, so "top"
// is the larger y).
inline constexpr gdi::RECT kPageFrame{0, -12620, 15795, 0};
inline constexpr gdi::RECT kMapFrame{0, -10000, 10000, 0};
inline constexpr gdi::RECT kMapOnPage{2300, 11535, 12300, 1535};
inline constexpr gdi::RECT kTitleFrame{0, 0, 15795, 12620};
inline constexpr gdi::RECT kTitleOnPage{0, 12620, 15795, 0};

// The page on the screen: pixels at 96 per inch.
inline constexpr int kPageScreenWidth = 597;
inline constexpr int kPageScreenHeight = 477;

// Composes the page of the document. A null picture when doc.errMsg is not
// empty (nothing is drawn after a failed load). With no data set (nn = 0)
// the map square is plain white; scale and title are drawn as usual.
// Reports progress through the drawing of the map ("描画中です。").
//
// overlay, when given, draws into the map picture after the map, with the
// parameters the map was drawn from: what it draws lies over the bands and
// lines and under the margins' neighbours (the title and the scale).
using MapOverlay = std::function<void(gdi::DeviceContext& map, const DrawParameters& parameters)>;
gdi::EnhMetaFile ComposePage(Document& doc, ProgressSink& progress, const MapOverlay& overlay = {});

}  // namespace plotvane
