#pragma once
// Contour labels on the page: the level values written along the joined
// contour lines (PolylineJoin.h, the lines of the contour export) at the places
// LabelPlacement.h chooses, upright, in the page font at 8 points, each on
// its own white box that breaks the line under the text. They are drawn into
// the map picture, so the screen, the page file and every image, SVG, PDF
// and EMF show the same labels.

#include <vector>

#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"
#include "settings/LabelOptions.h"

namespace plotvane {

// The height of the label text in map units (0.01 mm): 8 points.
inline constexpr int kLabelFontHeight = 282;

// Draws the labels of doc's contour lines into map (the map picture,
// MM_HIMETRIC) for settings (SettingsForDrawing's) and options.every.
// Returns where they went: each label's box, turned as drawn, enclosed in an
// upright rectangle (left, top, right, bottom; y upward, top the larger), for
// what is drawn over them later to keep clear of.
std::vector<gdi::RECT> DrawContourLabels(gdi::DeviceContext& map, const Document& doc, const DrawParameters& parameters,
                                         const LabelOptions& options);

}  // namespace plotvane
