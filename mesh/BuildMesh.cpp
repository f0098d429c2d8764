// The fast triangulation. The plain scan, for point i, visits slots 1..ntri in
// order; a slot whose triangle is not complete and whose circle holds the
// point loses its triangle: the edges go to the cavity list, the last triangle
// moves into the slot and is examined next. Which triangles go depends only on
// their circles (a triangle is complete exactly when its circle lies left of
// the point, as points come in ascending X), so the set R of triangles to
// remove can be found from the index. The order of removal, and the slots the
// survivors end in, follow from the slot positions of R alone: walking R in
// ascending slot order, each removal pulls triangles from the end until one
// that is not in R lands in the freed slot. The table of slots, and the circle
// each slot holds (which a new level triangle inherits), are kept exactly as
// the plain scan keeps them.

#include "mesh/BuildMesh.h"

#include <algorithm>
#include <cmath>

#include "common/Capacity.h"
#include "mesh/CircleIndex.h"
#include "mesh/CircumCircle.h"
#include "mesh/ExactMesh.h"
#include "mesh/ExactPredicates.h"
#include "mesh/MeshSteps.h"
#include "mesh/MeshValidity.h"
#include "mesh/WholeHull.h"

namespace plotvane {
namespace {

using RecordId = std::int32_t;  // a triangle of the table; reused once its triangle is removed

struct Circle {
  double xc = 0, yc = 0, r = 0;
};

// Everything about one triangle, together so that making, moving and removing
// it touch one place. Its circle is the one it was made with (or inherited)
// and travels with it from slot to slot.
struct Record {
  Circle circle;
  std::int32_t p1 = 0, p2 = 0, p3 = 0;
  TriangleIndex slot = 0;  // 0 once removed
  PointIndex cavity = 0;   // the point whose cavity last took it
};

// A triangle of the cavity, with the slot it held when the search found it.
struct Claimed {
  TriangleIndex slot;
  RecordId record;
};

class FastMesher {
 public:
  FastMesher(MeshPointTable& points, PointIndex nv);
  MeshFault insertAll(ProgressSink& progress);
  // Writes every triangle of the table, super-triangle corners included.
  TriangleIndex writeTable(std::vector<std::int32_t>& ipt) const;
  // True when some cavity's rim did not face its point.
  bool doubtful() const { return m_doubtful; }

 private:
  MeshFault insertPoint(PointIndex i);
  void findCavity(PointIndex i);
  MeshFault removeCavity();
  MeshFault removeRecord(RecordId id);
  bool rimFaces(PointIndex i) const;
  // Makes a triangle of point i with each live edge 1..m_nedge, in order.
  MeshFault addTriangles(PointIndex i);
  RecordId newRecord(std::int32_t p1, std::int32_t p2, PointIndex i);
  RecordId& slot(TriangleIndex j) { return m_slotRecord[static_cast<std::size_t>(j)]; }
  void vacate(RecordId leaving) { m_vacated.push_back(record(leaving).circle); }
  Record& record(RecordId id) { return m_records[static_cast<std::size_t>(id)]; }
  ExactPoint point(std::int32_t v) const { return {m_points.x[v], m_points.y[v]}; }

  MeshPointTable& m_points;
  PointIndex m_nv;
  std::vector<Record> m_records;
  std::vector<RecordId> m_free;
  std::vector<RecordId> m_slotRecord;  // the triangle in each slot 1..m_ntri
  // The circles of the slots just above m_ntri, the lowest last: an emptied
  // slot keeps the circle of the triangle that left it, and a level triangle
  // made there inherits it. Slots are emptied and filled only at the top, so
  // these form a stack; slots above it were never used and hold zeros.
  std::vector<Circle> m_vacated;
  TriangleIndex m_ntri = 0;
  CircleIndex m_index;
  std::vector<Claimed> m_cavity;
  std::vector<MeshEdge> m_edges;
  std::vector<MeshTriangle> m_made;  // the triangles addTriangles is making
  int m_nedge = 0;
  PointIndex m_point = 0;
  bool m_doubtful = false;
};

int BandCount(PointIndex nv) { return std::max(1, static_cast<int>(std::sqrt(static_cast<double>(nv)))); }

double MinY(const MeshPointTable& p, PointIndex nv) { return *std::min_element(p.y.begin() + 1, p.y.begin() + nv + 1); }
double MaxY(const MeshPointTable& p, PointIndex nv) { return *std::max_element(p.y.begin() + 1, p.y.begin() + nv + 1); }

FastMesher::FastMesher(MeshPointTable& points, PointIndex nv)
    : m_points(points), m_nv(nv), m_index(points.x[nv], MinY(points, nv), MaxY(points, nv), BandCount(nv)) {
  // A mesh of nv points has about 2 nv triangles, and a few more are in
  // flight while a point is inserted.
  const auto expected = 2 * static_cast<std::size_t>(nv) + 64;
  m_records.reserve(expected);
  m_slotRecord.reserve(expected);
  m_slotRecord.assign(1, 0);
  m_edges.resize(64);
}

RecordId FastMesher::newRecord(std::int32_t p1, std::int32_t p2, PointIndex i) {
  if (m_free.empty()) {
    m_records.push_back(Record{Circle{}, p1, p2, i});
    return static_cast<RecordId>(m_records.size() - 1);
  }
  const RecordId id = m_free.back();
  m_free.pop_back();
  Record& r = record(id);
  r.p1 = p1;
  r.p2 = p2;
  r.p3 = i;
  r.cavity = 0;
  return id;
}

MeshFault FastMesher::addTriangles(PointIndex i) {
  // The circles first, all of them: each is a chain of divisions, and the
  // processor overlaps the chains of triangles that do not wait on each other.
  m_made.clear();
  bool clearlyFacing = true;
  for (int m = 1; m <= m_nedge; ++m) {
    const MeshEdge e = m_edges[static_cast<std::size_t>(m)];
    if (e.p1 == 0 || e.p2 == 0) continue;
    clearlyFacing &= ClearlyClockwise(point(e.p1), point(e.p2), point(i));
    if (m_ntri + 1 > capacity::kMeshTriangleSlots) return MeshFault::TableFull;
    ++m_ntri;
    Circle held;  // the working table starts zeroed
    if (!m_vacated.empty()) {
      held = m_vacated.back();
      m_vacated.pop_back();
    }
    MeshTriangle t{e.p1, e.p2, i, held.xc, held.yc, held.r};
    if (CircumCircle(m_points, t) == CircleOutcome::Fault) return MeshFault::CircleFault;
    m_made.push_back(t);
  }
  // A rim that does not face the point makes overlapping triangles. A later
  // cavity may still clear them all away (the centre of a ring of points
  // does), so the run goes on, and only its end result is checked.
  if (!clearlyFacing || m_made.empty()) m_doubtful = m_doubtful || !rimFaces(i);
  // Every later point lies at or right of the newest one.
  const double xlo = m_points.x[i <= m_nv ? i : 1];
  TriangleIndex j = m_ntri - static_cast<TriangleIndex>(m_made.size());
  for (const MeshTriangle& t : m_made) {
    ++j;
    if (static_cast<std::size_t>(j) >= m_slotRecord.size()) m_slotRecord.push_back(0);
    const RecordId id = newRecord(t.p1, t.p2, i);
    Record& r = record(id);
    r.circle = Circle{t.xc, t.yc, t.r};
    r.slot = j;
    slot(j) = id;
    m_index.insert({t.xc, t.yc, t.r, id}, xlo);
  }
  return MeshFault::None;
}

void FastMesher::findCavity(PointIndex i) {
  const double xp = m_points.x[i];
  const double yp = m_points.y[i];
  m_cavity.clear();
  for (const RecordId id : m_index.query(xp, yp)) {
    Record& r = record(id);
    r.cavity = i;
    m_cavity.push_back({r.slot, id});
  }
  // By slot. A cavity has a handful of triangles: insertion is the quickest.
  for (std::size_t k = 1; k < m_cavity.size(); ++k) {
    const Claimed c = m_cavity[k];
    std::size_t at = k;
    for (; at > 0 && m_cavity[at - 1].slot > c.slot; --at) m_cavity[at] = m_cavity[at - 1];
    m_cavity[at] = c;
  }
}

MeshFault FastMesher::removeRecord(RecordId id) {
  if (m_nedge + 3 > capacity::kMeshEdgeSlots) return MeshFault::TableFull;
  if (static_cast<std::size_t>(m_nedge) + 4 > m_edges.size()) m_edges.resize(2 * m_edges.size());
  Record& r = record(id);
  m_edges[static_cast<std::size_t>(++m_nedge)] = MeshEdge{r.p1, r.p2};
  m_edges[static_cast<std::size_t>(++m_nedge)] = MeshEdge{r.p2, r.p3};
  m_edges[static_cast<std::size_t>(++m_nedge)] = MeshEdge{r.p3, r.p1};
  r.slot = 0;
  return MeshFault::None;
}

MeshFault FastMesher::removeCavity() {
  for (const Claimed& c : m_cavity) {
    const TriangleIndex j = record(c.record).slot;
    if (j == 0) continue;  // pulled from the end and removed already
    RecordId removed = c.record;
    if (const MeshFault f = removeRecord(removed); f != MeshFault::None) return f;
    // The last triangle moves into slot j and is examined at once.
    for (;;) {
      const TriangleIndex last = m_ntri--;
      if (last == j) {
        vacate(removed);
        break;
      }
      const RecordId mover = slot(last);
      vacate(mover);
      slot(j) = mover;
      record(mover).slot = j;
      if (record(mover).cavity != m_point) break;
      removed = mover;
      if (const MeshFault f = removeRecord(removed); f != MeshFault::None) return f;
    }
  }
  // Only now may the records be reused: the cavity list names them until here.
  for (const Claimed& c : m_cavity) m_free.push_back(c.record);
  return MeshFault::None;
}

MeshFault FastMesher::insertPoint(PointIndex i) {
  m_point = i;
  m_nedge = 0;
  findCavity(i);
  if (const MeshFault f = removeCavity(); f != MeshFault::None) return f;
  DeleteSharedEdges(m_edges, m_nedge);
  return addTriangles(i);
}

// The cavity's rim is what DeleteSharedEdges leaves: each edge as its removed
// clockwise triangle listed it. When the new point lies strictly on the right
// of every one, the cavity is star-shaped from the point and the new
// triangles fill exactly what the removed ones covered. When it does not,
// the circles, rounded in floating point, have disagreed about which side of
// them the point lies on (points on one circle, or nearly so), and a new
// triangle is flat or turned the wrong way and overlaps its neighbours. The
// test is exact, so a flat triangle is caught too. A cavity without a rim
// loses its point.
bool FastMesher::rimFaces(PointIndex i) const {
  int live = 0;
  for (int m = 1; m <= m_nedge; ++m) {
    const MeshEdge e = m_edges[static_cast<std::size_t>(m)];
    if (e.p1 == 0 || e.p2 == 0) continue;
    ++live;
    if (OrientationSign(point(e.p1), point(e.p2), point(i)) >= 0) return false;
  }
  return live > 0;
}

// Insertions between two questions to the progress sink whether to stop.
constexpr PointIndex kCancelCheckInterval = 64;

// After i points a sound table holds exactly 2 i + 1 triangles. Overlapping
// ones can pile up far beyond that, and each point then has to look at ever
// more of them; the runs that recovered (a centre point clearing a ring's
// overlaps) never held more than six times the sound count, while the runs
// that never recover grow to a thousand times it before the tables are full.
// Past this many times the run is given up as if the tables were full.
constexpr TriangleIndex kRunawayFactor = 64;

MeshFault FastMesher::insertAll(ProgressSink& progress) {
  m_edges[1] = MeshEdge{m_nv + 1, m_nv + 2};
  m_nedge = 1;
  if (const MeshFault f = addTriangles(m_nv + 3); f != MeshFault::None) return f;
  progress.update(10);
  const PointIndex step = ProgressStep(m_nv);
  for (PointIndex i = 1; i <= m_nv; ++i) {
    if (const MeshFault f = insertPoint(i); f != MeshFault::None) return f;
    if (m_doubtful && m_ntri > kRunawayFactor * (2 * i + 1)) return MeshFault::TableFull;
    if (i % step == 0) progress.update(10.0 + 90.0 * i / m_nv);
    // Some legal inputs take seconds per thousand points: ask that often.
    if (i % kCancelCheckInterval == 0 && progress.cancelled()) return MeshFault::Cancelled;
  }
  return MeshFault::None;
}

TriangleIndex FastMesher::writeTable(std::vector<std::int32_t>& ipt) const {
  ipt.assign(3 * static_cast<std::size_t>(m_ntri) + 1, 0);
  for (TriangleIndex k = 1; k <= m_ntri; ++k) {
    const Record& t = m_records[static_cast<std::size_t>(m_slotRecord[static_cast<std::size_t>(k)])];
    const std::size_t at = 3 * static_cast<std::size_t>(k);
    ipt[at - 2] = t.p1;
    ipt[at - 1] = t.p2;
    ipt[at] = t.p3;
  }
  return m_ntri;
}

}  // namespace

// A mesh that the super-triangle's removal leaves in pieces is replaced by
// the whole hull's (WholeHull.h). A run that leaves no triangle at all stays
// so: its points lie on one line to within rounding, which the load reports.
BuildMeshResult BuildMesh(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                          ProgressSink& progress) {
  PlaceSuperTriangle(points, nv);
  FastMesher mesher(points, nv);
  const MeshFault f = mesher.insertAll(progress);
  if (f == MeshFault::Cancelled) return {0, f};
  if (f == MeshFault::None) {
    const TriangleIndex ntri = mesher.writeTable(ipt);
    if (!mesher.doubtful() || TilesSuperTriangle(points, nv, ipt, ntri)) {
      const bool oneDisc = RemovalLeavesOneDisc(ipt, ntri, nv);
      const TriangleIndex nt = RemoveSuperTriangles(ipt, ntri, nv);
      if (oneDisc || nt == 0) return {nt, MeshFault::None};
      return {SweepDelaunay(points, nv, ipt), MeshFault::None};
    }
  }
  // The floating-point circles failed these points (overlapping triangles, a
  // circle that cannot exist, or full tables): start again with exact tests.
  const BuildMeshResult exact = BuildMeshExact(points, nv, ipt, progress);
  if (exact.fault != MeshFault::None || exact.ntri == 0 || FormsOneDisc(nv, ipt, exact.ntri)) return exact;
  return {SweepDelaunay(points, nv, ipt), MeshFault::None};
}

}  // namespace plotvane
