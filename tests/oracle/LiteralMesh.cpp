#include "oracle/LiteralMesh.h"

#include <utility>

#include "common/Capacity.h"
#include "mesh/CircumCircle.h"
#include "mesh/MeshSteps.h"

namespace plotvane::oracle {
namespace {

struct Slot {
  MeshTriangle t;
  bool complete = false;
};

}  // namespace

void DeleteSharedEdgesLiteral(std::vector<MeshEdge>& e, int nedge) {
  for (int m = 1; m <= nedge - 1; ++m) {
    if (e[m].p1 != 0 && e[m].p2 != 0) {
      for (int k = m + 1; k <= nedge; ++k) {
        if (e[k].p1 != 0 && e[k].p2 != 0) {
          if (e[m].p1 == e[k].p2 && e[m].p2 == e[k].p1) {
            e[m].p1 = 0;
            e[m].p2 = 0;
            e[k].p1 = 0;
            e[k].p2 = 0;
          }
        }
      }
    }
  }
}

BuildMeshResult BuildMeshLiteral(MeshPointTable& points, PointIndex nv, std::vector<std::int32_t>& ipt,
                                 ProgressSink& progress) {
  PlaceSuperTriangle(points, nv);
  std::vector<Slot> slots(static_cast<std::size_t>(capacity::kMeshTriangleSlots) + 1);  // zeroed
  std::vector<MeshEdge> edges(static_cast<std::size_t>(capacity::kMeshEdgeSlots) + 1);

  slots[1].t.p1 = nv + 1;
  slots[1].t.p2 = nv + 2;
  slots[1].t.p3 = nv + 3;
  if (CircumCircle(points, slots[1].t) == CircleOutcome::Fault) return {0, MeshFault::CircleFault};
  slots[1].complete = false;
  TriangleIndex ntri = 1;
  progress.update(10);
  const PointIndex step = ProgressStep(nv);

  for (PointIndex i = 1; i <= nv; ++i) {
    const double xp = points.x[i];
    const double yp = points.y[i];
    int nedge = 0;
    TriangleIndex j = 0;
    do {
      ++j;
      if (!slots[j].complete) {
        const MeshTriangle& t = slots[j].t;
        const bool inside = InCircle(xp, yp, t.xc, t.yc, t.r);
        if (t.xc + t.r < xp) {
          slots[j].complete = true;
        } else if (inside) {
          if (nedge + 3 > capacity::kMeshEdgeSlots) return {0, MeshFault::TableFull};
          edges[nedge + 1] = MeshEdge{t.p1, t.p2};
          edges[nedge + 2] = MeshEdge{t.p2, t.p3};
          edges[nedge + 3] = MeshEdge{t.p3, t.p1};
          nedge += 3;
          slots[j] = slots[ntri];
          --ntri;
          --j;
        }
      }
    } while (j < ntri);

    DeleteSharedEdgesLiteral(edges, nedge);

    for (int m = 1; m <= nedge; ++m) {
      if (edges[m].p1 != 0 && edges[m].p2 != 0) {
        if (ntri + 1 > capacity::kMeshTriangleSlots) return {0, MeshFault::TableFull};
        ++ntri;
        slots[ntri].t.p1 = edges[m].p1;
        slots[ntri].t.p2 = edges[m].p2;
        slots[ntri].t.p3 = i;
        if (CircumCircle(points, slots[ntri].t) == CircleOutcome::Fault) return {0, MeshFault::CircleFault};
        slots[ntri].complete = false;
      }
    }
    if (i % step == 0) progress.update(10.0 + 90.0 * i / nv);
  }

  ipt.assign(3 * static_cast<std::size_t>(ntri) + 1, 0);
  for (TriangleIndex k = 1; k <= ntri; ++k) {
    ipt[3 * k - 2] = slots[k].t.p1;
    ipt[3 * k - 1] = slots[k].t.p2;
    ipt[3 * k] = slots[k].t.p3;
  }
  return {RemoveSuperTriangles(ipt, ntri, nv), MeshFault::None};
}

void SortPointsRecursive(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z, PointIndex lo,
                         PointIndex hi) {
  const double pivot = x[(lo + hi) / 2];
  PointIndex i = lo;
  PointIndex j = hi;
  for (;;) {
    while (x[i] < pivot) ++i;
    while (x[j] > pivot) --j;
    if (i >= j) break;
    std::swap(x[i], x[j]);
    std::swap(y[i], y[j]);
    std::swap(z[i], z[j]);
    ++i;
    --j;
  }
  if (lo < i - 1) SortPointsRecursive(x, y, z, lo, i - 1);
  if (j + 1 < hi) SortPointsRecursive(x, y, z, j + 1, hi);
}

bool HasDuplicatePointsLiteral(const std::vector<double>& x, const std::vector<double>& y, PointIndex nn) {
  for (PointIndex i = 1; i <= nn; ++i) {
    for (PointIndex j = i + 1; j <= nn; ++j) {
      if (x[j] != x[i]) break;
      if (y[j] == y[i]) return true;
    }
  }
  return false;
}

}  // namespace plotvane::oracle
