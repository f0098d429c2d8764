#include "mesh/ExactMesh.h"

#include <array>

#include "mesh/BuildMesh.h"
#include "mesh/ExactPredicates.h"
#include "mesh/MeshSteps.h"

namespace plotvane {
namespace {

using Slot = std::int32_t;  // a triangle of the table
constexpr Slot kNoTriangle = -1;

// A triangle, clockwise, with the triangle beyond each of its edges:
// across[k] lies beyond the edge from v[k] to v[k + 1] (kNoTriangle outside
// the super-triangle).
struct Triangle {
  std::array<std::int32_t, 3> v{};
  std::array<Slot, 3> across{kNoTriangle, kNoTriangle, kNoTriangle};
  PointIndex cavity = 0;  // the point whose cavity holds it
  PointIndex spared = 0;  // the point whose circle test left it
  bool alive = true;
};

// An edge of the rim of a cavity, as its removed triangle listed it, with
// the triangle that stays beyond it.
struct RimEdge {
  std::int32_t a, b;
  Slot beyond;
};

class ExactMesher {
 public:
  ExactMesher(const MeshPointTable& points, PointIndex nv);
  MeshFault insertAll(ProgressSink& progress);
  TriangleIndex collect(std::vector<std::int32_t>& ipt) const;

 private:
  ExactPoint at(std::int32_t v) const { return {m_points.x[v], m_points.y[v]}; }
  // True when point i lies strictly beyond edge k of t (on its left).
  bool beyond(Slot t, int k, PointIndex i) const;
  bool circleHolds(Slot t, PointIndex i) const;
  Slot locate(PointIndex i) const;
  void findCavity(PointIndex i, Slot start);
  void fillCavity(PointIndex i);
  Slot newTriangle(std::int32_t a, std::int32_t b, std::int32_t c);

  const MeshPointTable& m_points;
  PointIndex m_nv;
  std::vector<Triangle> m_triangles;
  std::vector<Slot> m_free;
  std::vector<Slot> m_cavity;
  std::vector<RimEdge> m_rim;
  std::vector<Slot> m_made;        // the triangles fillCavity is making
  std::vector<Slot> m_startingAt;  // by point: the new triangle whose rim edge starts there
  Slot m_last = 0;                 // a live triangle made lately, where the search for the next point starts
};

ExactMesher::ExactMesher(const MeshPointTable& points, PointIndex nv)
    : m_points(points), m_nv(nv), m_startingAt(static_cast<std::size_t>(nv) + 4, kNoTriangle) {
  m_triangles.reserve(2 * static_cast<std::size_t>(nv) + 16);
  m_last = newTriangle(nv + 1, nv + 2, nv + 3);
}

Slot ExactMesher::newTriangle(std::int32_t a, std::int32_t b, std::int32_t c) {
  Triangle t;
  t.v = {a, b, c};
  if (m_free.empty()) {
    m_triangles.push_back(t);
    return static_cast<Slot>(m_triangles.size() - 1);
  }
  const Slot s = m_free.back();
  m_free.pop_back();
  m_triangles[static_cast<std::size_t>(s)] = t;
  return s;
}

bool ExactMesher::beyond(Slot t, int k, PointIndex i) const {
  const Triangle& tri = m_triangles[static_cast<std::size_t>(t)];
  return OrientationSign(at(tri.v[k]), at(tri.v[(k + 1) % 3]), at(i)) > 0;
}

bool ExactMesher::circleHolds(Slot t, PointIndex i) const {
  const Triangle& tri = m_triangles[static_cast<std::size_t>(t)];
  // v0, v2, v1 turn counterclockwise.
  return InCircleSign(at(tri.v[0]), at(tri.v[2]), at(tri.v[1]), at(i)) > 0;
}

// Walks from the last triangle made towards point i, crossing an edge that
// has i beyond it, until none has: that triangle holds i. The edge tried
// first rotates, which keeps the walk from circling. A Delaunay
// triangulation cannot trap such a walk, but should it ever take longer than
// there are triangles, every triangle is tried in turn instead.
Slot ExactMesher::locate(PointIndex i) const {
  Slot t = m_last;
  const std::size_t limit = m_triangles.size() + 3;
  for (std::size_t step = 0; step < limit; ++step) {
    Slot next = kNoTriangle;
    for (int n = 0; n < 3 && next == kNoTriangle; ++n) {
      const int k = static_cast<int>((step + static_cast<std::size_t>(n)) % 3);
      if (beyond(t, k, i)) next = m_triangles[static_cast<std::size_t>(t)].across[static_cast<std::size_t>(k)];
    }
    if (next == kNoTriangle) return t;
    t = next;
  }
  for (Slot s = 0; s < static_cast<Slot>(m_triangles.size()); ++s) {
    if (m_triangles[static_cast<std::size_t>(s)].alive && !beyond(s, 0, i) && !beyond(s, 1, i) && !beyond(s, 2, i)) {
      return s;
    }
  }
  return m_last;  // every point lies inside the super-triangle: not reached
}

// The triangles whose circle holds point i strictly, found from the one that
// holds the point through their neighbours, and the rim around them.
void ExactMesher::findCavity(PointIndex i, Slot start) {
  m_cavity.assign(1, start);
  m_rim.clear();
  m_triangles[static_cast<std::size_t>(start)].cavity = i;
  for (std::size_t n = 0; n < m_cavity.size(); ++n) {
    const Slot t = m_cavity[n];
    for (int k = 0; k < 3; ++k) {
      const Triangle& tri = m_triangles[static_cast<std::size_t>(t)];
      const Slot u = tri.across[static_cast<std::size_t>(k)];
      if (u != kNoTriangle) {
        Triangle& other = m_triangles[static_cast<std::size_t>(u)];
        if (other.cavity == i) continue;
        if (other.spared != i) {
          if (circleHolds(u, i)) {
            other.cavity = i;
            m_cavity.push_back(u);
            continue;
          }
          other.spared = i;
        }
      }
      m_rim.push_back({tri.v[static_cast<std::size_t>(k)], tri.v[static_cast<std::size_t>((k + 1) % 3)], u});
    }
  }
}

// Joins point i to every rim edge and links the new triangles to each other
// and to the triangles beyond the rim.
void ExactMesher::fillCavity(PointIndex i) {
  for (const Slot t : m_cavity) {
    m_triangles[static_cast<std::size_t>(t)].alive = false;
    m_free.push_back(t);
  }
  m_made.clear();
  for (const RimEdge& e : m_rim) {
    const Slot s = newTriangle(e.a, e.b, i);
    m_triangles[static_cast<std::size_t>(s)].across[0] = e.beyond;
    if (e.beyond != kNoTriangle) {
      Triangle& other = m_triangles[static_cast<std::size_t>(e.beyond)];
      for (std::size_t k = 0; k < 3; ++k) {
        if (other.v[k] == e.b && other.v[(k + 1) % 3] == e.a) other.across[k] = s;
      }
    }
    m_startingAt[static_cast<std::size_t>(e.a)] = s;
    m_made.push_back(s);
  }
  for (const Slot s : m_made) {
    Triangle& t = m_triangles[static_cast<std::size_t>(s)];
    const Slot next = m_startingAt[static_cast<std::size_t>(t.v[1])];
    t.across[1] = next;
    m_triangles[static_cast<std::size_t>(next)].across[2] = s;
  }
  m_last = m_made.back();
}

// Insertions between two questions to the progress sink whether to stop.
constexpr PointIndex kCancelCheckInterval = 64;

MeshFault ExactMesher::insertAll(ProgressSink& progress) {
  const PointIndex step = ProgressStep(m_nv);
  for (PointIndex i = 1; i <= m_nv; ++i) {
    findCavity(i, locate(i));
    fillCavity(i);
    if (i % step == 0) progress.update(10.0 + 90.0 * i / m_nv);
    if (i % kCancelCheckInterval == 0 && progress.cancelled()) return MeshFault::Cancelled;
  }
  return MeshFault::None;
}

TriangleIndex ExactMesher::collect(std::vector<std::int32_t>& ipt) const {
  ipt.assign(1, 0);
  for (const Triangle& t : m_triangles) {
    if (!t.alive || t.v[0] > m_nv || t.v[1] > m_nv || t.v[2] > m_nv) continue;
    ipt.insert(ipt.end(), t.v.begin(), t.v.end());
  }
  return static_cast<TriangleIndex>(ipt.size() / 3);
}

}  // namespace

BuildMeshResult BuildMeshExact(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                               ProgressSink& progress) {
  PlaceSuperTriangle(points, nv);
  ExactMesher mesher(points, nv);
  if (const MeshFault f = mesher.insertAll(progress); f != MeshFault::None) return {0, f};
  return {mesher.collect(ipt), MeshFault::None};
}

}  // namespace plotvane
