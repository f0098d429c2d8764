#pragma once
// A triangle mesh that can be changed in place: triangles with their
// neighbours, point location by walking, insertion of a point, edge flips
// and the Lawson flips that make it locally Delaunay, every decision by the
// exact tests. Constrained edges (with the line that owns them) are never
// flipped. The working table of InsertConstraints.
//
// Triangle t (0-based) is corner[t] = (a, b, c), clockwise; neighbour[t][i]
// is the triangle across its edge i, from corner i to corner i+1 (mod 3), or
// kNone on the outline.

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "common/Index.h"
#include "mesh/ExactPredicates.h"

namespace plotvane {

class FlipMesh {
 public:
  static constexpr TriangleIndex kNone = -1;

  struct Location {
    enum class Kind { Inside, OnEdge, AtVertex, Outside };
    Kind kind = Kind::Outside;
    TriangleIndex triangle = kNone;
    int corner = 0;  // OnEdge: the edge's index; AtVertex: the corner's
  };

  // points: 1..nv (index 0 unused); ipt: nt clockwise triangles, 1-based.
  FlipMesh(std::vector<ExactPoint> points, TriangleIndex nt, const std::vector<std::int32_t>& ipt);

  PointIndex pointCount() const { return static_cast<PointIndex>(m_points.size()) - 1; }
  const ExactPoint& point(PointIndex p) const { return m_points[static_cast<std::size_t>(p)]; }
  TriangleIndex triangleCount() const { return static_cast<TriangleIndex>(m_corner.size()); }
  const std::array<PointIndex, 3>& corners(TriangleIndex t) const { return m_corner[static_cast<std::size_t>(t)]; }
  TriangleIndex neighbour(TriangleIndex t, int edge) const { return m_neighbour[static_cast<std::size_t>(t)][edge]; }

  // Walks from the triangle of the last location; a walk that reaches the
  // outline or goes on too long ends in a scan of every triangle.
  Location locate(ExactPoint p);

  // Adds p at a location inside or on an edge and flips the edges around it
  // until they are locally Delaunay. Returns the new point's number.
  PointIndex insert(ExactPoint p, const Location& at);

  // Flips edge i of t: (a, b, c) and its neighbour (b, a, d) become
  // (c, a, d) and (d, b, c) in the same two slots.
  void flip(TriangleIndex t, int edge);

  // True when the neighbour's far corner lies strictly inside t's circle.
  bool violatesDelaunay(TriangleIndex t, int edge) const;

  // Flips every unconstrained edge that is not locally Delaunay until none is.
  void restoreDelaunay();

  // Every triangle at point p as (triangle, corner of p), in turn around it.
  std::vector<std::pair<TriangleIndex, int>> star(PointIndex p) const;
  // The triangle and edge index of the edge from a to b; kNone when absent.
  std::pair<TriangleIndex, int> findEdge(PointIndex a, PointIndex b) const;

  // The line owning the edge between a and b (either way), or -1.
  std::int32_t ownerOf(PointIndex a, PointIndex b) const;
  void constrain(PointIndex a, PointIndex b, std::int32_t line);

  // Writes the triangles back as clockwise 1-based corner triples.
  void writeTriangles(TriangleIndex& nt, std::vector<std::int32_t>& ipt) const;

  int orientation(PointIndex a, PointIndex b, PointIndex c) const {
    return OrientationSign(point(a), point(b), point(c));
  }

 private:
  static std::uint64_t edgeKey(PointIndex a, PointIndex b);
  void setCorners(TriangleIndex t, PointIndex a, PointIndex b, PointIndex c);
  void replaceNeighbour(TriangleIndex t, TriangleIndex from, TriangleIndex to);
  int edgeFrom(TriangleIndex t, PointIndex a) const;  // the index of t's corner a
  Location classify(TriangleIndex t, ExactPoint p, int& outsideEdge) const;
  void legalizeAround(PointIndex p, std::vector<TriangleIndex> stack);
  TriangleIndex addTriangle();

  std::vector<ExactPoint> m_points;
  std::vector<std::array<PointIndex, 3>> m_corner;
  std::vector<std::array<TriangleIndex, 3>> m_neighbour;
  std::vector<TriangleIndex> m_triangleOf;  // per point, one triangle that has it
  std::unordered_map<std::uint64_t, std::int32_t> m_owner;
  TriangleIndex m_lastFound = 0;
  std::uint32_t m_turn = 0;  // varies the edge a walk leaves by, so it cannot cycle
};

}  // namespace plotvane
