// Data posts. See DataPosts.h.

#include "render/DataPosts.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "data/BoundaryMask.h"
#include "render/gdi/GdiObjects.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

constexpr std::int32_t kMapSide = 10000;
// The label boxes placed so far, by cells of the map square, so that a
// candidate is checked against its neighbours only.
constexpr std::int32_t kCellSide = 500;
constexpr std::int32_t kCells = kMapSide / kCellSide;

class BoxGrid {
 public:
  bool overlapsAny(const PostBox& box) const {
    bool hit = false;
    forCells(box, [&](std::size_t cell) {
      for (const std::size_t i : m_cells[cell]) hit = hit || Overlap(m_boxes[i], box);
    });
    return hit;
  }
  void add(const PostBox& box) {
    m_boxes.push_back(box);
    forCells(box, [&](std::size_t cell) { m_cells[cell].push_back(m_boxes.size() - 1); });
  }

 private:
  static bool Overlap(const PostBox& a, const PostBox& b) {
    return a.left < b.right && b.left < a.right && a.bottom < b.top && b.bottom < a.top;
  }
  template <typename Visit>
  static void forCells(const PostBox& box, Visit visit) {
    const auto cell = [](std::int32_t v) { return std::clamp(v / kCellSide, 0, kCells - 1); };
    for (std::int32_t cy = cell(box.bottom); cy <= cell(box.top); ++cy) {
      for (std::int32_t cx = cell(box.left); cx <= cell(box.right); ++cx)
        visit(static_cast<std::size_t>(cy * kCells + cx));
    }
  }

  std::vector<PostBox> m_boxes;
  std::array<std::vector<std::size_t>, kCells * kCells> m_cells;
};

bool InsideMap(const PostBox& b) { return b.left >= 0 && b.bottom >= 0 && b.right <= kMapSide && b.top <= kMapSide; }

// The value as the colour scale writes Z1 and Z2: 7 significant digits.
std::string ZText(double value) {
  const auto single = ToSingle(value);
  return single ? SingleText(*single) : NumberText(value);
}

std::string LabelText(const PointSet& points, std::size_t i, PostLabel label) {
  if (label == PostLabel::Name && points.names.size() == points.dataX.size()) return points.names[i];
  return ZText(points.dataZ[i]);
}

void DrawMarker(gdi::DeviceContext& map, const gdi::POINT& p) {
  // An octagon: corners at the radius, every 45 degrees from the right.
  constexpr std::int32_t d = kPostRadius * 7071 / 10000;  // r / sqrt(2)
  const std::array<gdi::POINT, 8> corners{gdi::POINT{p.x + kPostRadius, p.y}, gdi::POINT{p.x + d, p.y + d},
                                          gdi::POINT{p.x, p.y + kPostRadius}, gdi::POINT{p.x - d, p.y + d},
                                          gdi::POINT{p.x - kPostRadius, p.y}, gdi::POINT{p.x - d, p.y - d},
                                          gdi::POINT{p.x, p.y - kPostRadius}, gdi::POINT{p.x + d, p.y - d}};
  map.Polygon(corners);
}

}  // namespace

std::vector<std::optional<gdi::POINT>> PostPositions(const PointSet& points, const MapWindow& window) {
  std::vector<std::optional<gdi::POINT>> positions(points.dataX.size());
  for (std::size_t i = 1; i < positions.size(); ++i) {
    const auto mx = RoundHalfEven(kMapSide * (points.dataX[i] - window.x1) / (window.x2 - window.x1));
    const auto my = RoundHalfEven(kMapSide * (points.dataY[i] - window.y1) / (window.y2 - window.y1));
    if (mx && my && *mx >= 0 && *mx <= kMapSide && *my >= 0 && *my <= kMapSide) positions[i] = gdi::POINT{*mx, *my};
  }
  return positions;
}

std::vector<std::optional<PostBox>> PlacePostLabels(const std::vector<std::optional<gdi::POINT>>& positions,
                                                    const std::function<gdi::SIZE(std::size_t)>& size,
                                                    const std::vector<PostBox>& keepClear) {
  std::vector<std::optional<PostBox>> boxes(positions.size());
  BoxGrid placed;
  for (const PostBox& box : keepClear) placed.add(box);
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (!positions[i]) continue;
    const gdi::POINT p = *positions[i];
    const gdi::SIZE s = size(i);
    const std::int32_t bottom = p.y - s.cy / 2;
    const std::int32_t offset = kPostRadius + kPostLabelGap;
    for (const PostBox box : {PostBox{p.x + offset, bottom, p.x + offset + s.cx, bottom + s.cy},
                              PostBox{p.x - offset - s.cx, bottom, p.x - offset, bottom + s.cy}}) {
      if (!InsideMap(box) || placed.overlapsAny(box)) continue;
      placed.add(box);
      boxes[i] = box;
      break;
    }
  }
  return boxes;
}

void DrawDataPosts(gdi::DeviceContext& map, const Document& doc, const DrawParameters& parameters,
                   const PostOptions& options, const std::vector<PostBox>& keepClear) {
  std::vector<std::optional<gdi::POINT>> positions = PostPositions(doc.points, parameters.window);
  // A point beyond the site boundary lies where the map shows nothing.
  // (normalised as the look-up normalises, tools/MeshValueAt.h)
  const DataRange& r = doc.range;
  for (std::size_t i = 1; i < positions.size() && doc.mesh.boundary; ++i) {
    const double xn = (doc.points.dataX[i] - r.xMin) / (r.xMax - r.xMin) * 100.0;
    const double yn = (doc.points.dataY[i] - r.yMin) / (r.yMax - r.yMin) * 100.0;
    if (!doc.mesh.boundary->contains(xn, yn)) positions[i].reset();
  }
  const gdi::HPEN pen = gdi::CreatePen(gdi::PenStyle::PS_NULL, 0, gdi::RGB(0, 0, 0));
  const gdi::HBRUSH brush = gdi::CreateSolidBrush(gdi::RGB(0, 0, 0));
  gdi::HGDIOBJ previousPen = map.SelectObject(pen);
  gdi::HGDIOBJ previousBrush = map.SelectObject(brush);
  for (const auto& p : positions) {
    if (p) DrawMarker(map, *p);
  }
  map.SelectObject(previousPen);
  map.SelectObject(previousBrush);
  gdi::DeleteObject(brush);
  gdi::DeleteObject(pen);
  if (options.label == PostLabel::None) return;

  const gdi::HFONT font = gdi::CreateFontA(kPostLabelHeight, 0, 0, 0, gdi::FW_DONTCARE, false, false, false,
                                           gdi::DEFAULT_CHARSET, 0, 0, 0, 0, gdi::kPageFontFace);
  gdi::HGDIOBJ previousFont = map.SelectObject(font);
  std::vector<std::string> texts(positions.size());
  for (std::size_t i = 1; i < texts.size(); ++i) {
    if (positions[i]) texts[i] = LabelText(doc.points, i, options.label);
  }
  const auto boxes = PlacePostLabels(
      positions,
      [&](std::size_t i) {
        gdi::SIZE extent;
        map.GetTextExtentPoint32A(texts[i], &extent);
        return extent;
      },
      keepClear);
  for (std::size_t i = 1; i < boxes.size(); ++i) {
    // TextOutA places the text's top-left corner.
    if (boxes[i]) map.TextOutA(boxes[i]->left, boxes[i]->top, texts[i]);
  }
  map.SelectObject(previousFont);
  gdi::DeleteObject(font);
}

}  // namespace plotvane
