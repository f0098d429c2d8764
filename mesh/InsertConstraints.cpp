#include "mesh/InsertConstraints.h"

#include <cmath>
#include <deque>
#include <utility>

#include "mesh/FlipMesh.h"

namespace plotvane {
namespace {

using Status = ConstraintOutcome::Status;

// The value of the mesh at a located place, interpolated in its triangle.
double SurfaceValue(const FlipMesh& mesh, const std::vector<double>& z, const FlipMesh::Location& at, ExactPoint p) {
  const auto& c = mesh.corners(at.triangle);
  if (at.kind == FlipMesh::Location::Kind::AtVertex) return z[static_cast<std::size_t>(c[at.corner])];
  const ExactPoint& a = mesh.point(c[0]);
  const ExactPoint& b = mesh.point(c[1]);
  const ExactPoint& d = mesh.point(c[2]);
  const double area = (b.x - a.x) * (d.y - a.y) - (b.y - a.y) * (d.x - a.x);
  const double wb = ((p.x - a.x) * (d.y - a.y) - (p.y - a.y) * (d.x - a.x)) / area;
  const double wd = ((b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x)) / area;
  return z[static_cast<std::size_t>(c[0])] * (1.0 - wb - wd) + z[static_cast<std::size_t>(c[1])] * wb +
         z[static_cast<std::size_t>(c[2])] * wd;
}

// Where a walk along a segment from a stopped: at its end, or at a point that
// lies on it; crossed lists the edges it crossed on the way.
struct SegmentWalk {
  PointIndex reached = 0;  // 0: the segment leaves the mesh
  std::int32_t crossedLine = -1;
  std::vector<std::pair<PointIndex, PointIndex>> crossed;
};

bool Ahead(const FlipMesh& mesh, PointIndex a, PointIndex b, PointIndex v) {
  const ExactPoint& pa = mesh.point(a);
  const ExactPoint& pb = mesh.point(b);
  const ExactPoint& pv = mesh.point(v);
  return (pb.x - pa.x) * (pv.x - pa.x) + (pb.y - pa.y) * (pv.y - pa.y) > 0;
}

// Walks from a towards b through the triangles the segment crosses. Each
// crossed edge is kept as (left, right) of the direction a to b.
SegmentWalk WalkSegment(const FlipMesh& mesh, PointIndex a, PointIndex b) {
  SegmentWalk walk;
  TriangleIndex t = FlipMesh::kNone;
  int edge = 0;
  for (const auto& [s, k] : mesh.star(a)) {
    const auto& c = mesh.corners(s);
    const PointIndex x = c[(k + 1) % 3], y = c[(k + 2) % 3];
    const int ox = mesh.orientation(a, b, x), oy = mesh.orientation(a, b, y);
    // A point on the segment (never beyond b: the edge to it would pass b).
    if (ox == 0 && Ahead(mesh, a, b, x)) return {x, -1, {}};
    if (oy == 0 && Ahead(mesh, a, b, y)) return {y, -1, {}};
    if (ox > 0 && oy < 0) {
      t = s;
      edge = (k + 1) % 3;
    }
  }
  while (t != FlipMesh::kNone) {
    const auto& c = mesh.corners(t);
    const PointIndex left = c[edge], right = c[(edge + 1) % 3];
    if (const std::int32_t line = mesh.ownerOf(left, right); line >= 0) return {0, line, {}};
    walk.crossed.emplace_back(left, right);
    const TriangleIndex u = mesh.neighbour(t, edge);
    if (u == FlipMesh::kNone) return walk;
    const auto& uc = mesh.corners(u);
    const int j = uc[0] == right ? 0 : uc[1] == right ? 1 : 2;  // u lists (right, left, d)
    const PointIndex d = uc[(j + 2) % 3];
    const int od = d == b ? 0 : mesh.orientation(a, b, d);
    if (od == 0) {
      walk.reached = d;
      return walk;
    }
    // Out through (d, right) when d is on the left, else through (left, d).
    t = u;
    edge = od > 0 ? (j + 2) % 3 : (j + 1) % 3;
  }
  return walk;
}

// Flips the crossed edges away until the edge from a to b exists: each edge
// whose two triangles make a convex quadrilateral is flipped, and its new
// diagonal waits again while it still crosses. One always can be while no
// point lies on the segment; a full round without a flip (which that rules
// out) ends the work rather than the program: false.
bool FlipAway(FlipMesh& mesh, PointIndex a, PointIndex b, std::vector<std::pair<PointIndex, PointIndex>> crossed) {
  std::deque<std::pair<PointIndex, PointIndex>> waiting(crossed.begin(), crossed.end());
  std::size_t withoutFlip = 0;
  while (!waiting.empty()) {
    if (withoutFlip > waiting.size()) return false;
    const auto [p, q] = waiting.front();
    waiting.pop_front();
    auto [t, i] = mesh.findEdge(p, q);
    if (t == FlipMesh::kNone) std::tie(t, i) = mesh.findEdge(q, p);
    const auto& c = mesh.corners(t);
    const PointIndex e0 = c[i], e1 = c[(i + 1) % 3], far = c[(i + 2) % 3];
    const TriangleIndex u = mesh.neighbour(t, i);
    const auto& uc = mesh.corners(u);
    const PointIndex d = uc[uc[0] == e1 ? 2 : uc[1] == e1 ? 0 : 1];
    if (mesh.orientation(far, d, e0) * mesh.orientation(far, d, e1) >= 0) {
      waiting.emplace_back(p, q);  // not convex yet
      ++withoutFlip;
      continue;
    }
    withoutFlip = 0;
    mesh.flip(t, i);
    if (mesh.orientation(a, b, far) * mesh.orientation(a, b, d) < 0) waiting.emplace_back(far, d);
  }
  return true;
}

}  // namespace

ConstraintOutcome InsertConstraints(const std::vector<ConstraintLine>& lines, std::vector<double>& x,
                                    std::vector<double>& y, std::vector<double>& z, PointIndex& nv, TriangleIndex& nt,
                                    std::vector<std::int32_t>& ipt) {
  ConstraintOutcome outcome;
  std::vector<ExactPoint> points(static_cast<std::size_t>(nv) + 1);
  for (PointIndex i = 1; i <= nv; ++i) points[static_cast<std::size_t>(i)] = {x[i], y[i]};
  FlipMesh mesh(std::move(points), nt, ipt);
  const PointIndex original = nv;

  // Heights first, on the mesh as it was; then the points.
  std::vector<std::vector<double>> heights(lines.size());
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const ConstraintLine& line = lines[l];
    heights[l] = line.z;
    for (std::size_t v = 0; v < line.x.size(); ++v) {
      const ExactPoint p{line.x[v], line.y[v]};
      const FlipMesh::Location at = mesh.locate(p);
      if (at.kind == FlipMesh::Location::Kind::Outside) {
        outcome.status = Status::VertexOutside;
        outcome.line = static_cast<std::int32_t>(l);
        outcome.vertex = static_cast<std::int32_t>(v);
        return outcome;
      }
      if (std::isnan(heights[l][v])) heights[l][v] = SurfaceValue(mesh, z, at, p);
    }
  }
  std::vector<std::vector<PointIndex>> pointOf(lines.size());
  for (std::size_t l = 0; l < lines.size(); ++l) {
    const ConstraintLine& line = lines[l];
    for (std::size_t v = 0; v < line.x.size(); ++v) {
      const ExactPoint p{line.x[v], line.y[v]};
      const FlipMesh::Location at = mesh.locate(p);
      PointIndex point = 0;
      if (at.kind == FlipMesh::Location::Kind::AtVertex) {
        point = mesh.corners(at.triangle)[at.corner];
        const bool given = !std::isnan(line.z[v]);
        if (given) z[static_cast<std::size_t>(point)] = line.z[v];
        if (given && point <= original) {
          outcome.replaced.push_back({point, {static_cast<std::int32_t>(l), static_cast<std::int32_t>(v)}});
        }
      } else {
        point = mesh.insert(p, at);
        x.push_back(p.x);
        y.push_back(p.y);
        z.push_back(heights[l][v]);
        outcome.added.push_back({static_cast<std::int32_t>(l), static_cast<std::int32_t>(v)});
      }
      pointOf[l].push_back(point);
    }
  }

  for (std::size_t l = 0; l < lines.size(); ++l) {
    const std::vector<PointIndex>& at = pointOf[l];
    const std::size_t segments = lines[l].closed && at.size() >= 3 ? at.size() : at.size() - (at.empty() ? 0 : 1);
    for (std::size_t s = 0; s < segments; ++s) {
      PointIndex from = at[s];
      const PointIndex to = at[(s + 1) % at.size()];
      while (from != to) {
        const auto [edgeTriangle, edgeIndex] = mesh.findEdge(from, to);
        const bool joined = edgeTriangle != FlipMesh::kNone || mesh.findEdge(to, from).first != FlipMesh::kNone;
        SegmentWalk walk = joined ? SegmentWalk{to, -1, {}} : WalkSegment(mesh, from, to);
        if (walk.reached == 0) {
          outcome.status = walk.crossedLine >= 0 ? Status::LinesCross : Status::SegmentOutside;
          outcome.line = static_cast<std::int32_t>(l);
          outcome.vertex = static_cast<std::int32_t>(s);
          outcome.otherLine = walk.crossedLine;
          return outcome;
        }
        if (!FlipAway(mesh, from, walk.reached, std::move(walk.crossed))) {
          outcome.status = Status::SegmentStuck;
          outcome.line = static_cast<std::int32_t>(l);
          outcome.vertex = static_cast<std::int32_t>(s);
          return outcome;
        }
        mesh.constrain(from, walk.reached, static_cast<std::int32_t>(l));
        from = walk.reached;
      }
    }
  }
  mesh.restoreDelaunay();
  nv = mesh.pointCount();
  mesh.writeTriangles(nt, ipt);
  return outcome;
}

}  // namespace plotvane
