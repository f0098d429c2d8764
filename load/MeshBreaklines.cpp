#include "load/MeshBreaklines.h"

#include <map>
#include <utility>

#include "common/Messages.h"
#include "load/BreaklineCrossings.h"
#include "mesh/InsertConstraints.h"

namespace plotvane {
namespace {

std::string FileText(const Document& doc) {
  const std::string& file = doc.meshOptions.breaklineFile;
  return file.empty() ? std::string("ブレークライン") : file;
}

std::string ShapeText(const SiteShapes& lines, std::int32_t line) {
  const SiteShape& shape = lines.shapes[static_cast<std::size_t>(line)];
  return shape.where.empty() ? std::to_string(line + 1) + " 本目の線" : shape.where;
}

// lines: as inserted, split at their crossings (a vertex's number counts
// the crossings before it on its line).
std::string RefusalText(const Document& doc, const SiteShapes& lines, const ConstraintOutcome& outcome) {
  const std::string place = FileText(doc) + ": " + ShapeText(lines, outcome.line);
  const std::string vertex = std::to_string(outcome.vertex + 1);
  switch (outcome.status) {
    case ConstraintOutcome::Status::VertexOutside:
      return place + " の " + vertex + " 番目の頂点がデータの範囲 (メッシュ) の外にあります。";
    case ConstraintOutcome::Status::SegmentOutside:
      return place + " の " + vertex + " 番目の頂点からの線分がメッシュの外を通ります。";
    case ConstraintOutcome::Status::LinesCross:
      return place + " の " + vertex + " 番目の頂点からの線分が " + ShapeText(lines, outcome.otherLine) +
             " と交差しています。";
    case ConstraintOutcome::Status::SegmentStuck:
      return place + " の " + vertex + " 番目の頂点からの線分をメッシュの辺にできません。";
    case ConstraintOutcome::Status::Done: break;
  }
  return place;
}

const SiteVertex& VertexOf(const SiteShapes& lines, LineVertex at) {
  return lines.shapes[static_cast<std::size_t>(at.line)].vertices[static_cast<std::size_t>(at.vertex)];
}

}  // namespace

void WidenByBreaklineHeights(const SiteShapes& breaklines, DataRange& r) {
  for (const SiteShape& shape : breaklines.shapes) {
    for (const SiteVertex& v : shape.vertices) {
      if (!v.hasZ()) continue;
      if (r.zMin > v.z) r.zMin = v.z;
      if (r.zMax < v.z) r.zMax = v.z;
    }
  }
}

void RefuseBreaklinesOnFaces(Document& doc) {
  doc.errMsg = messages::kBadBreaklines;
  doc.errDetail = FileText(doc) + ": このファイルは自身の三角形を持つため、ブレークラインでメッシュを作り直せません。";
}

bool InsertBreaklines(Document& doc) {
  const DataRange& r = doc.range;
  // Lines that cross meet at a vertex of both instead.
  SiteShapes shapes = doc.meshOptions.breaklines;
  const std::int64_t crossings = SplitAtCrossings(shapes);
  // Normalised exactly as the points are (OpenDataFile), so that a vertex on
  // a point's X, Y lands on its mesh point bit for bit.
  const double spanX = MeshSpanX(r), spanY = MeshSpanY(r), spanZ = r.zMax - r.zMin;
  std::vector<ConstraintLine> lines(shapes.shapes.size());
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const SiteShape& shape = shapes.shapes[l];
    lines[l].closed = shape.closed;
    for (const SiteVertex& v : shape.vertices) {
      lines[l].x.push_back((v.x - r.xMin) * 100.0 / spanX);
      lines[l].y.push_back((v.y - r.yMin) * 100.0 / spanY);
      lines[l].z.push_back(v.hasZ() ? (v.z - r.zMin) * 100.0 / spanZ : v.z);
    }
  }
  Mesh& m = doc.mesh;
  PointSet& p = doc.points;
  PointIndex nv = p.nn;
  const ConstraintOutcome outcome = InsertConstraints(lines, m.meshX, m.meshY, m.meshZ, nv, m.nt, m.ipt);
  m.locator.reset();
  if (outcome.status != ConstraintOutcome::Status::Done) {
    doc.errMsg = messages::kBadBreaklines;
    doc.errDetail = RefusalText(doc, shapes, outcome);
    return false;
  }
  // The new points keep the file's coordinates; a height the surface gave
  // is turned back into data units as the page turns every height.
  for (std::size_t k = 0; k < outcome.added.size(); ++k) {
    const SiteVertex& v = VertexOf(shapes, outcome.added[k]);
    const double zn = m.meshZ[static_cast<std::size_t>(p.nn) + 1 + k];
    p.dataX.push_back(v.x);
    p.dataY.push_back(v.y);
    p.dataZ.push_back(v.hasZ() ? v.z : r.zMin + (r.zMax - r.zMin) * zn / 100);
    if (!p.names.empty()) p.names.emplace_back();
    if (!p.lines.empty()) p.lines.push_back(0);
  }
  if (!outcome.replaced.empty()) {
    std::map<std::pair<double, double>, PointIndex> pointAt;
    for (PointIndex i = 1; i <= p.nn; ++i) pointAt.emplace(std::pair{p.dataX[i], p.dataY[i]}, i);
    for (const ReplacedHeight& replaced : outcome.replaced) {
      const SiteVertex& v = VertexOf(shapes, replaced.by);
      const auto found = pointAt.find({v.x, v.y});
      if (found != pointAt.end()) p.dataZ[static_cast<std::size_t>(found->second)] = v.z;
    }
  }
  p.nn = nv;
  std::string& note = doc.survey.loadNote;
  if (!note.empty()) note += ' ';
  note += "ブレークライン: 点を " + std::to_string(outcome.added.size()) + " 個加え、" +
          std::to_string(outcome.replaced.size()) + " 個の点の Z を置き換えました。";
  if (crossings > 0) note += "線の交差 " + std::to_string(crossings) + " 箇所に頂点を置きました。";
  return true;
}

}  // namespace plotvane
