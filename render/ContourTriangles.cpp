// The map drawing, pass by pass. See ContourTriangles.h.

#include "render/ContourTriangles.h"

#include <algorithm>
#include <array>
#include <cassert>

#include "levels/TriangleBands.h"
#include "render/Patterns.h"

namespace plotvane {
namespace {

using gdi::POINT;
using Quad = std::array<POINT, 4>;

constexpr gdi::COLORREF kWhite = gdi::RGB(255, 255, 255);
constexpr gdi::COLORREF kBlack = gdi::RGB(0, 0, 0);
constexpr std::int32_t kLineWidth = 20;
// Index contours: 0.5 mm, two and a half times the other lines.
constexpr std::int32_t kIndexLineWidth = 50;

constexpr std::array<Quad, 1> kBackground{
    {{POINT{-10000, -10000}, POINT{20000, -10000}, POINT{20000, 20000}, POINT{-10000, 20000}}}};
constexpr std::array<Quad, 4> kMargins{{
    {POINT{-10000, -10000}, POINT{20000, -10000}, POINT{20000, 0}, POINT{-10000, 0}},        // below the map
    {POINT{-10000, 10000}, POINT{20000, 10000}, POINT{20000, 20000}, POINT{-10000, 20000}},  // above
    {POINT{-10000, -10000}, POINT{0, -10000}, POINT{0, 20000}, POINT{-10000, 20000}},        // left
    {POINT{10000, -10000}, POINT{20000, -10000}, POINT{20000, 20000}, POINT{10000, 20000}},  // right
}};

// Fills the polygons in white without outline, with a pen and a brush made
// for them and deleted afterwards (both stay in effect until replaced).
void FillWhite(gdi::DeviceContext& hdc, std::span<const Quad> polygons) {
  const gdi::HPEN pen = gdi::CreatePen(gdi::PenStyle::PS_NULL, 0, kWhite);
  const gdi::HBRUSH brush = gdi::CreateSolidBrush(kWhite);
  hdc.SelectObject(pen);
  hdc.SelectObject(brush);
  for (const Quad& polygon : polygons) hdc.Polygon(polygon);
  gdi::DeleteObject(brush);
  gdi::DeleteObject(pen);
}

// The progress of one pass: from base to base + span over the triangles.
class PassProgress {
 public:
  PassProgress(ProgressSink& sink, TriangleIndex nt, double base, double span)
      : m_sink(sink), m_nt(nt), m_every(std::max<TriangleIndex>(1, nt / 20)), m_base(base), m_span(span) {}

  void after(TriangleIndex i) {
    if (i % m_every != 0) return;
    // The bar's value is a single-precision number.
    m_sink.update(static_cast<float>(static_cast<double>(i) / m_nt * m_span + m_base));
  }

 private:
  ProgressSink& m_sink;
  TriangleIndex m_nt;
  TriangleIndex m_every;
  double m_base;
  double m_span;
};

// The piece as a polygon of the picture.
Quad ToQuad(const BandPiece& piece) {
  return {POINT{piece[0].x, piece[0].y}, POINT{piece[1].x, piece[1].y}, POINT{piece[2].x, piece[2].y},
          POINT{piece[3].x, piece[3].y}};
}

std::array<gdi::PointF, 4> ToExactQuad(const ExactPiece& piece) {
  return {gdi::PointF{piece[0].x, piece[0].y}, gdi::PointF{piece[1].x, piece[1].y}, gdi::PointF{piece[2].x, piece[2].y},
          gdi::PointF{piece[3].x, piece[3].y}};
}

SortedTriangle TriangleAt(const MapPoints& points, const std::vector<std::int32_t>& ipt, TriangleIndex i) {
  std::int32_t ia = ipt[3 * i - 2];
  std::int32_t ib = ipt[3 * i - 1];
  std::int32_t ic = ipt[3 * i];
  SortByLevel(ia, ib, ic, points.normZ);
  auto vertex = [&](std::int32_t v) { return MapVertex{points.mapX[v], points.mapY[v], points.normZ[v]}; };
  return SortedTriangle{vertex(ia), vertex(ib), vertex(ic)};
}

LevelSteps StepsOf(std::int32_t count, const TriangleDrawing& drawing) {
  return drawing.levelLines.empty() ? LevelSteps(count) : LevelSteps(drawing.levelLines);
}

void FillPass(gdi::DeviceContext& hdc, const MapPoints& points, const Mesh& mesh, std::int32_t bandCount,
              const TriangleDrawing& drawing, const LevelStyles& styles, std::int32_t& LevelCount, ProgressSink& sink) {
  LevelCount = bandCount;
  const LevelSteps steps = StepsOf(bandCount, drawing);
  const auto& patterns = PatternBrushes();
  const auto fill = [&](const BandPiece& piece, const ExactPiece* exact, std::int32_t k) {
    if (drawing.patternFill) {
      hdc.SelectObject(patterns[static_cast<std::size_t>(PatternOfBand(k, bandCount))]);
    } else {
      const LevelStyle& style = styles.forLevel(k, LevelCount);
      hdc.SelectObject(style.pen);
      hdc.SelectObject(style.brush);
    }
    if (exact != nullptr) {
      hdc.Polygon(ToQuad(piece), ToExactQuad(*exact));
    } else {
      hdc.Polygon(ToQuad(piece));
    }
  };
  PassProgress progress(sink, mesh.nt, 0.0, 60.0);
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (!drawing.skips(mesh.hh[i])) {
      const SortedTriangle t = TriangleAt(points, mesh.ipt, i);
      if (drawing.exactPieces) {
        ForEachBandPiece(
            t, steps, [&](const BandPiece& piece, const ExactPiece& exact, std::int32_t k) { fill(piece, &exact, k); });
      } else {
        ForEachBandPiece(t, steps, [&](const BandPiece& piece, std::int32_t k) { fill(piece, nullptr, k); });
      }
    }
    progress.after(i);
  }
}

// P to Q and back with the pen in effect.
void DrawSegment(gdi::DeviceContext& hdc, MapPoint P, MapPoint Q) {
  hdc.MoveToEx(P.x, P.y);
  hdc.LineTo(Q.x, Q.y);
  hdc.LineTo(P.x, P.y);
}

void LinePass(gdi::DeviceContext& hdc, const MapPoints& points, const Mesh& mesh, std::int32_t lineCount,
              std::int32_t bandCount, const TriangleDrawing& drawing, const LevelStyles& styles,
              std::int32_t& LevelCount, ProgressSink& sink) {
  LevelCount = lineCount;
  const LevelSteps steps = StepsOf(lineCount, drawing);
  PassProgress progress(sink, mesh.nt, 60.0, 40.0);
  for (TriangleIndex i = 1; i <= mesh.nt; ++i) {
    if (drawing.skips(mesh.hh[i])) {
      progress.after(i);
      continue;
    }
    const SortedTriangle t = TriangleAt(points, mesh.ipt, i);
    if (drawing.contourLines) {
      ForEachLevelSegment(t, steps, [&](MapPoint P, MapPoint Q, std::int32_t k) {
        const gdi::HPEN pen =
            gdi::CreatePen(gdi::PenStyle::PS_SOLID, drawing.isIndex(k) ? kIndexLineWidth : kLineWidth, kBlack);
        hdc.SelectObject(pen);
        DrawSegment(hdc, P, Q);
        gdi::DeleteObject(pen);
      });
    } else if (lineCount == bandCount) {
      // Each band boundary is drawn over in the colour of the band below it.
      ForEachLevelSegment(t, steps, [&](MapPoint P, MapPoint Q, std::int32_t k) {
        const LevelStyle& style = styles.forLevel(k - 1, LevelCount);
        if (drawing.isIndex(k)) {
          const gdi::HPEN pen = gdi::CreatePen(gdi::PenStyle::PS_SOLID, kIndexLineWidth, style.colour);
          hdc.SelectObject(pen);
          hdc.SelectObject(style.brush);
          DrawSegment(hdc, P, Q);
          hdc.SelectObject(style.pen);
          gdi::DeleteObject(pen);
          return;
        }
        hdc.SelectObject(style.pen);
        hdc.SelectObject(style.brush);
        DrawSegment(hdc, P, Q);
      });
    }
    const gdi::HPEN pen = gdi::CreatePen(gdi::PenStyle::PS_SOLID, kLineWidth, kBlack);
    hdc.SelectObject(pen);
    if (drawing.triangleEdges) {
      hdc.MoveToEx(t.A.x, t.A.y);
      hdc.LineTo(t.B.x, t.B.y);
      hdc.LineTo(t.C.x, t.C.y);
      hdc.LineTo(t.A.x, t.A.y);
    }
    gdi::DeleteObject(pen);
    progress.after(i);
  }
}

}  // namespace

void DrawContourTriangles(gdi::DeviceContext& hdc, const MapPoints& points, const Mesh& mesh, std::int32_t lineCount,
                          std::int32_t bandCount, const TriangleDrawing& drawing, const LevelStyles& styles,
                          std::int32_t& LevelCount, ProgressSink& progress) {
  assert(lineCount >= 1 && bandCount >= 1 && "the counts come from SettingsForDrawing");
  assert(mesh.ipt.size() >= static_cast<std::size_t>(3 * mesh.nt + 1) &&
         mesh.hh.size() > static_cast<std::size_t>(mesh.nt) && "three vertices and one distortion per triangle");
  FillWhite(hdc, kBackground);
  if (!drawing.clip.empty()) hdc.SelectClipPolygon(drawing.clip);
  FillPass(hdc, points, mesh, bandCount, drawing, styles, LevelCount, progress);
  LinePass(hdc, points, mesh, lineCount, bandCount, drawing, styles, LevelCount, progress);
  if (!drawing.clip.empty()) hdc.SelectClipNone();
  FillWhite(hdc, kMargins);
}

}  // namespace plotvane
