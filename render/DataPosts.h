#pragma once
// Data posts: a small black marker on every data point that lies in the map
// square, and on request each point's Z or name beside it, drawn into the
// map picture (map units, 0.01 mm, y upward; ContourMap.h) over the bands and
// lines, so every output of the page shows them.
//
// A point (x, y) of the file sits at map ([10000 (x - X1) / (X2 - X1)],
// [10000 (y - Y1) / (Y2 - Y1)]) of the window the page is drawn with, [v]
// rounded halves to even. The marker is an octagon kPostRadius across its
// corners. A label is written in the page font at the page's label size (9
// points), its box to the right of the marker, vertically centred on the
// point, or to the left where that does not fit; a label whose box would
// leave the map square or overlap a label already placed (or a contour
// label) is dropped. Points
// are taken in file order, so the same data gives the same labels.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "data/Document.h"
#include "render/gdi/DeviceContext.h"
#include "settings/DrawParameters.h"
#include "settings/PostOptions.h"

namespace plotvane {

inline constexpr std::int32_t kPostRadius = 50;        // 0.5 mm
inline constexpr std::int32_t kPostLabelHeight = 318;  // 9 points, the page's label font
inline constexpr std::int32_t kPostLabelGap = 40;      // between the marker and its label

// A label's box in map units: left, bottom, right, top.
struct PostBox {
  std::int32_t left = 0, bottom = 0, right = 0, top = 0;
  bool operator==(const PostBox&) const = default;
};

// The map position of every point of doc (1-based like dataX; element 0
// unused), nullopt for a point outside the map square.
std::vector<std::optional<gdi::POINT>> PostPositions(const PointSet& points, const MapWindow& window);

// Where the labels go: for each position (in order) the box of its label, or
// nullopt when it has none (no position, no room). size(i) gives the width
// and height of label i's text in map units; no label overlaps a box of
// keepClear (what lies on the map already, the contour labels).
std::vector<std::optional<PostBox>> PlacePostLabels(const std::vector<std::optional<gdi::POINT>>& positions,
                                                    const std::function<gdi::SIZE(std::size_t)>& size,
                                                    const std::vector<PostBox>& keepClear = {});

// Draws the posts of doc into map for the page's parameters and options,
// their labels clear of keepClear.
void DrawDataPosts(gdi::DeviceContext& map, const Document& doc, const DrawParameters& parameters,
                   const PostOptions& options, const std::vector<PostBox>& keepClear = {});

}  // namespace plotvane
