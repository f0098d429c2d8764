// Whatever the points, the mesh is a triangulation: checked against facts
// computed here from the points alone (their convex hull and its area), not
// against another triangulation.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "mesh/ExactMesh.h"
#include "mesh/MeshTestSupport.h"

namespace plotvane {
namespace {

using test::Points;

struct Pt {
  long double x, y;
};

long double Cross(const Pt& o, const Pt& a, const Pt& b) {
  return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x);
}

// The convex hull by the monotone chain. Points within tol of the line through
// their neighbours on the hull are counted as on it: strict counts only the
// corners, loose also the points along an edge.
struct Hull {
  long double area = 0;
  int strict = 0;
  int loose = 0;
};

Hull ConvexHull(std::vector<Pt> p, long double tol) {
  std::sort(p.begin(), p.end(), [](const Pt& a, const Pt& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
  std::vector<Pt> h;
  for (int pass = 0; pass < 2; ++pass) {
    const std::size_t base = h.size();
    for (const Pt& q : p) {
      while (h.size() >= base + 2 && Cross(h[h.size() - 2], h.back(), q) < -tol) h.pop_back();
      h.push_back(q);
    }
    h.pop_back();  // the last is the first of the other chain
    std::reverse(p.begin(), p.end());
  }
  Hull out;
  const std::size_t n = h.size();
  for (std::size_t k = 0; k < n; ++k) {
    const Pt& prev = h[(k + n - 1) % n];
    const Pt& cur = h[k];
    const Pt& next = h[(k + 1) % n];
    out.area += (cur.x * next.y - next.x * cur.y) / 2;
    out.strict += std::fabs(Cross(prev, cur, next)) > tol;
  }
  out.loose = static_cast<int>(n);
  return out;
}

// A description of what is wrong with the mesh of run, empty when nothing is.
// Every mesh: clockwise triangles of data points, no edge twice in one
// direction, every point used, no point inside a circumcircle (within
// rounding), a union that is one disc (2n - b - 2 triangles, b the edges on
// its rim) and no larger than the hull. wholeHull: the union is the hull
// (2n - h - 2 triangles); a set whose hull has long flat stretches may lose
// triangles along them, whose circles reach a super-triangle corner.
std::string MeshFaults(const test::MeshRun& run, int n, bool wholeHull) {
  if (run.outcome != TriangulateOutcome::Meshed) return "no mesh: " + run.errMsg;
  std::vector<Pt> p(static_cast<std::size_t>(n) + 1);
  for (int i = 1; i <= n; ++i) p[i] = {run.x[i], run.y[i]};
  // The plane is 0..100: collinear within rounding is far below 1e-9.
  const Hull hull = ConvexHull({p.begin() + 1, p.end()}, 1e-9L);

  std::map<std::pair<int, int>, int> directed;
  std::vector<bool> used(static_cast<std::size_t>(n) + 1);
  long double covered = 0;
  std::string faults;
  for (TriangleIndex k = 1; k <= run.nt; ++k) {
    const int v[3] = {run.ipt[3 * k - 2], run.ipt[3 * k - 1], run.ipt[3 * k]};
    for (int c = 0; c < 3; ++c) {
      if (v[c] < 1 || v[c] > n) return "triangle " + std::to_string(k) + " names no data point";
      used[v[c]] = true;
      if (++directed[{v[c], v[(c + 1) % 3]}] == 2) faults += " edge used twice in one direction;";
    }
    const Pt &a = p[v[0]], &b = p[v[1]], &c = p[v[2]];
    const long double area2 = Cross(a, b, c);
    if (!(area2 < 0)) faults += " triangle " + std::to_string(k) + " not clockwise;";
    covered -= area2 / 2;
    // The circumcircle, from the corners relative to a.
    const long double bx = b.x - a.x, by = b.y - a.y, cx = c.x - a.x, cy = c.y - a.y;
    const long double d = 2 * (bx * cy - by * cx);
    const long double ux = (cy * (bx * bx + by * by) - by * (cx * cx + cy * cy)) / d;
    const long double uy = (bx * (cx * cx + cy * cy) - cx * (bx * bx + by * by)) / d;
    const long double r2 = ux * ux + uy * uy;
    for (int i = 1; i <= n; ++i) {
      const long double dx = p[i].x - a.x - ux, dy = p[i].y - a.y - uy;
      if (dx * dx + dy * dy < r2 * (1 - 1e-9L) - 1e-12L) {
        faults += " point " + std::to_string(i) + " inside the circle of triangle " + std::to_string(k) + ";";
        break;
      }
    }
  }
  if (std::count(used.begin() + 1, used.end(), false) > 0) faults += " a point is in no triangle;";
  int rim = 0;  // edges without a neighbour
  for (const auto& entry : directed) rim += directed.count({entry.first.second, entry.first.first}) == 0;
  if (run.nt != 2 * n - rim - 2) faults += " not one disc;";
  if (covered > hull.area * (1 + 1e-9L) || (wholeHull && covered < hull.area * (1 - 1e-9L))) {
    faults += " triangles cover " + std::to_string(static_cast<double>(covered)) + " of a hull of " +
              std::to_string(static_cast<double>(hull.area)) + ";";
  }
  // A point within rounding of a hull edge may count either way.
  if (wholeHull && (run.nt < 2 * n - hull.loose - 2 || run.nt > 2 * n - hull.strict - 2)) {
    faults +=
        " " + std::to_string(run.nt) + " triangles where 2n - h - 2 = " + std::to_string(2 * n - hull.loose - 2) + ";";
  }
  return faults;
}

Points WithCentre(Points p, double cx = 0, double cy = 0) {
  p.add(cx, cy, -1);
  return p;
}

// The twelve points with whole coordinates on the circle of radius 5:
// exactly cocircular also after the normalisation.
Points IntegerRing() {
  Points p;
  const int xy[12][2] = {{5, 0},  {4, 3},   {3, 4},   {0, 5},  {-3, 4}, {-4, 3},
                         {-5, 0}, {-4, -3}, {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
  for (const auto& q : xy) p.add(q[0], q[1], q[0] + q[1]);
  return p;
}

Points Concentric(int rings, int perRing) {
  Points p;
  for (int r = 1; r <= rings; ++r) {
    const Points ring = test::RingPoints(perRing, r, 0.0, 300.0, -20.0);
    for (int k = 0; k < ring.size(); ++k) p.add(ring.x[k], ring.y[k], r);
  }
  return p;
}

TEST(MeshInvariants, HoldForCocircularAndRandomSets) {
  struct Case {
    std::string name;
    Points points;
    bool wholeHull;
  };
  std::vector<Case> cases;
  const auto addWithCentre = [&](const std::string& name, const Points& p, double cx = 0, double cy = 0) {
    cases.push_back({name, p, true});
    cases.push_back({name + " with centre", WithCentre(p, cx, cy), true});
  };
  addWithCentre("integer ring", IntegerRing());
  for (int n : {8, 12, 100, 360, 1500}) {
    addWithCentre("regular " + std::to_string(n) + "-gon", test::RingPoints(n, 1.0, 0.0));
    addWithCentre("ring of " + std::to_string(n) + ", turned and moved", test::RingPoints(n, 7.5, 0.1, 40, 2), 40, 2);
  }
  addWithCentre("3 concentric rings of 40", Concentric(3, 40), 300, -20);
  addWithCentre("5 concentric rings of 100", Concentric(5, 100), 300, -20);
  for (std::uint32_t seed = 1; seed <= 3; ++seed) {
    const std::string s = " seed " + std::to_string(seed);
    cases.push_back({"uniform" + s, test::UniformPoints(2500, seed), false});
    cases.push_back({"lattice" + s, test::LatticePoints(20 + seed, 15 + seed, seed), true});
    cases.push_back({"clustered" + s, test::ClusteredPoints(1500, 6, seed), false});
  }
  // The exact method on its own too: on most of these sets BuildMesh never
  // needs it.
  for (const Case& c : cases) {
    EXPECT_EQ(MeshFaults(test::RunTriangulate(c.points), c.points.size(), c.wholeHull), "") << c.name;
    EXPECT_EQ(MeshFaults(test::RunTriangulate(c.points, BuildMeshExact), c.points.size(), c.wholeHull), "")
        << c.name << ", exact method";
  }
}

// Seven points on which the super-triangle's corners hold ground of the
// hull: their removal left the method's triangles in two pieces (found by the
// mesh fuzzer). The mesh is the whole hull's instead.
TEST(MeshInvariants, HoldWhereTheSuperTriangleLeavesPieces) {
  Points p;
  const double xy[7][2] = {{50.67437126119318, 37.165642913268485},
                           {62.838988373226201, 50.548735122335231},
                           {14.747425740543012, 4.2662218554891211},
                           {30.955362537059802, 5.6001228585357747},
                           {90.898514557024455, 100},
                           {100, 91.764578917136873},
                           {0, 0}};
  for (const auto& q : xy) p.add(q[0], q[1], q[0] - q[1]);
  EXPECT_EQ(MeshFaults(test::RunTriangulate(p), p.size(), true), "");
}

}  // namespace
}  // namespace plotvane
