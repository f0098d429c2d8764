#include "mesh/FlipMesh.h"

#include <utility>

namespace plotvane {
namespace {

int Next(int i) { return i == 2 ? 0 : i + 1; }
int Prev(int i) { return i == 0 ? 2 : i - 1; }

}  // namespace

FlipMesh::FlipMesh(std::vector<ExactPoint> points, TriangleIndex nt, const std::vector<std::int32_t>& ipt)
    : m_points(std::move(points)) {
  m_triangleOf.assign(m_points.size(), kNone);
  m_corner.resize(static_cast<std::size_t>(nt));
  m_neighbour.assign(static_cast<std::size_t>(nt), {kNone, kNone, kNone});
  // Each edge waits, by its direction, for its neighbour to list it the other way.
  std::unordered_map<std::uint64_t, std::pair<TriangleIndex, int>> waiting;
  waiting.reserve(2 * static_cast<std::size_t>(nt));
  const auto directed = [](PointIndex a, PointIndex b) {
    return (static_cast<std::uint64_t>(a) << 32) | static_cast<std::uint32_t>(b);
  };
  for (TriangleIndex t = 0; t < nt; ++t) {
    const std::size_t at = 3 * static_cast<std::size_t>(t) + 1;
    setCorners(t, ipt[at], ipt[at + 1], ipt[at + 2]);
  }
  for (TriangleIndex t = 0; t < nt; ++t) {
    const auto& c = corners(t);
    for (int i = 0; i < 3; ++i) {
      const auto found = waiting.find(directed(c[Next(i)], c[i]));
      if (found == waiting.end()) {
        waiting.emplace(directed(c[i], c[Next(i)]), std::pair{t, i});
        continue;
      }
      const TriangleIndex u = found->second.first;
      m_neighbour[static_cast<std::size_t>(t)][i] = u;
      m_neighbour[static_cast<std::size_t>(u)][found->second.second] = t;
      waiting.erase(found);
    }
  }
}

std::uint64_t FlipMesh::edgeKey(PointIndex a, PointIndex b) {
  const auto low = static_cast<std::uint64_t>(a < b ? a : b);
  const auto high = static_cast<std::uint64_t>(a < b ? b : a);
  return (low << 32) | high;
}

void FlipMesh::setCorners(TriangleIndex t, PointIndex a, PointIndex b, PointIndex c) {
  m_corner[static_cast<std::size_t>(t)] = {a, b, c};
  m_triangleOf[static_cast<std::size_t>(a)] = t;
  m_triangleOf[static_cast<std::size_t>(b)] = t;
  m_triangleOf[static_cast<std::size_t>(c)] = t;
}

void FlipMesh::replaceNeighbour(TriangleIndex t, TriangleIndex from, TriangleIndex to) {
  if (t == kNone) return;
  for (TriangleIndex& n : m_neighbour[static_cast<std::size_t>(t)]) {
    if (n == from) {
      n = to;
      return;
    }
  }
}

int FlipMesh::edgeFrom(TriangleIndex t, PointIndex a) const {
  const auto& c = corners(t);
  return c[0] == a ? 0 : c[1] == a ? 1 : c[2] == a ? 2 : -1;
}

TriangleIndex FlipMesh::addTriangle() {
  m_corner.push_back({0, 0, 0});
  m_neighbour.push_back({kNone, kNone, kNone});
  return triangleCount() - 1;
}

std::int32_t FlipMesh::ownerOf(PointIndex a, PointIndex b) const {
  const auto found = m_owner.find(edgeKey(a, b));
  return found == m_owner.end() ? -1 : found->second;
}

void FlipMesh::constrain(PointIndex a, PointIndex b, std::int32_t line) { m_owner.emplace(edgeKey(a, b), line); }

FlipMesh::Location FlipMesh::classify(TriangleIndex t, ExactPoint p, int& outsideEdge) const {
  const auto& c = corners(t);
  std::array<int, 3> side{};
  for (int i = 0; i < 3; ++i) side[i] = OrientationSign(point(c[i]), point(c[Next(i)]), p);
  outsideEdge = -1;
  // Inside a clockwise triangle is to the right of every edge.
  for (int k = 0; k < 3; ++k) {
    const int i = static_cast<int>((m_turn + static_cast<std::uint32_t>(k)) % 3);
    if (side[i] > 0) {
      outsideEdge = i;
      return {};
    }
  }
  const int zeros = (side[0] == 0) + (side[1] == 0) + (side[2] == 0);
  if (zeros == 0) return {Location::Kind::Inside, t, 0};
  for (int i = 0; i < 3; ++i) {
    if (side[i] != 0) continue;
    if (zeros == 1) return {Location::Kind::OnEdge, t, i};
    if (side[Next(i)] == 0) return {Location::Kind::AtVertex, t, Next(i)};
  }
  return {};  // three zeros: a triangle without area, which a mesh never holds
}

FlipMesh::Location FlipMesh::locate(ExactPoint p) {
  TriangleIndex t = m_lastFound < triangleCount() ? m_lastFound : 0;
  for (TriangleIndex steps = 0; steps <= triangleCount(); ++steps) {
    ++m_turn;
    int out = -1;
    const Location found = classify(t, p, out);
    if (out < 0) {
      m_lastFound = t;
      return found;
    }
    t = neighbour(t, out);
    if (t == kNone) break;
  }
  // The outline is concave, or the walk went round: ask every triangle.
  for (TriangleIndex u = 0; u < triangleCount(); ++u) {
    int out = -1;
    const Location found = classify(u, p, out);
    if (out < 0 && found.kind != Location::Kind::Outside) {
      m_lastFound = u;
      return found;
    }
  }
  return {};
}

PointIndex FlipMesh::insert(ExactPoint p, const Location& at) {
  m_points.push_back(p);
  m_triangleOf.push_back(kNone);
  const PointIndex q = pointCount();
  const TriangleIndex t = at.triangle;
  const int i = at.corner;
  const auto c = corners(t);
  const auto n = m_neighbour[static_cast<std::size_t>(t)];
  if (at.kind == Location::Kind::Inside) {
    const TriangleIndex t1 = addTriangle(), t2 = addTriangle();
    setCorners(t, c[0], c[1], q);
    setCorners(t1, c[1], c[2], q);
    setCorners(t2, c[2], c[0], q);
    m_neighbour[static_cast<std::size_t>(t)] = {n[0], t1, t2};
    m_neighbour[static_cast<std::size_t>(t1)] = {n[1], t2, t};
    m_neighbour[static_cast<std::size_t>(t2)] = {n[2], t, t1};
    replaceNeighbour(n[1], t, t1);
    replaceNeighbour(n[2], t, t2);
    legalizeAround(q, {t, t1, t2});
    return q;
  }
  // On edge i, from a to b; the neighbour u beyond it lists (b, a, d).
  const PointIndex a = c[i], b = c[Next(i)], cc = c[Prev(i)];
  const TriangleIndex u = n[i];
  const TriangleIndex t1 = addTriangle();
  const TriangleIndex u1 = u == kNone ? kNone : addTriangle();
  setCorners(t, a, q, cc);
  setCorners(t1, q, b, cc);
  m_neighbour[static_cast<std::size_t>(t)] = {u1, t1, n[Prev(i)]};
  m_neighbour[static_cast<std::size_t>(t1)] = {u, n[Next(i)], t};
  replaceNeighbour(n[Next(i)], t, t1);
  std::vector<TriangleIndex> stack{t, t1};
  if (u != kNone) {
    const int j = edgeFrom(u, b);
    const auto un = m_neighbour[static_cast<std::size_t>(u)];
    const PointIndex d = corners(u)[Prev(j)];
    setCorners(u, b, q, d);
    setCorners(u1, q, a, d);
    m_neighbour[static_cast<std::size_t>(u)] = {t1, u1, un[Prev(j)]};
    m_neighbour[static_cast<std::size_t>(u1)] = {t, un[Next(j)], u};
    replaceNeighbour(un[Next(j)], u, u1);
    stack.push_back(u);
    stack.push_back(u1);
  }
  // A constrained edge split in two stays constrained in both halves.
  if (const std::int32_t line = ownerOf(a, b); line >= 0) {
    m_owner.erase(edgeKey(a, b));
    constrain(a, q, line);
    constrain(q, b, line);
  }
  legalizeAround(q, std::move(stack));
  return q;
}

void FlipMesh::flip(TriangleIndex t, int edge) {
  const auto c = corners(t);
  const auto tn = m_neighbour[static_cast<std::size_t>(t)];
  const PointIndex a = c[edge], b = c[Next(edge)], cc = c[Prev(edge)];
  const TriangleIndex u = tn[edge];
  const int j = edgeFrom(u, b);
  const auto un = m_neighbour[static_cast<std::size_t>(u)];
  const PointIndex d = corners(u)[Prev(j)];
  setCorners(t, cc, a, d);
  setCorners(u, d, b, cc);
  m_neighbour[static_cast<std::size_t>(t)] = {tn[Prev(edge)], un[Next(j)], u};
  m_neighbour[static_cast<std::size_t>(u)] = {un[Prev(j)], tn[Next(edge)], t};
  replaceNeighbour(un[Next(j)], u, t);
  replaceNeighbour(tn[Next(edge)], t, u);
}

bool FlipMesh::violatesDelaunay(TriangleIndex t, int edge) const {
  const TriangleIndex u = neighbour(t, edge);
  if (u == kNone) return false;
  const auto& c = corners(t);
  if (ownerOf(c[edge], c[Next(edge)]) >= 0) return false;
  const PointIndex d = corners(u)[Prev(edgeFrom(u, c[Next(edge)]))];
  // The sign is that of a counterclockwise triangle; t is clockwise.
  return InCircleSign(point(c[0]), point(c[1]), point(c[2]), point(d)) < 0;
}

void FlipMesh::legalizeAround(PointIndex p, std::vector<TriangleIndex> stack) {
  while (!stack.empty()) {
    const TriangleIndex t = stack.back();
    stack.pop_back();
    const int k = edgeFrom(t, p);
    if (k < 0) continue;
    const int far = Next(k);  // the edge that does not touch p
    if (!violatesDelaunay(t, far)) continue;
    const TriangleIndex u = neighbour(t, far);
    flip(t, far);
    stack.push_back(t);
    stack.push_back(u);
  }
}

void FlipMesh::restoreDelaunay() {
  std::vector<TriangleIndex> stack;
  std::vector<char> waiting(static_cast<std::size_t>(triangleCount()), 1);
  for (TriangleIndex t = triangleCount() - 1; t >= 0; --t) stack.push_back(t);
  while (!stack.empty()) {
    const TriangleIndex t = stack.back();
    stack.pop_back();
    waiting[static_cast<std::size_t>(t)] = 0;
    for (int e = 0; e < 3; ++e) {
      if (!violatesDelaunay(t, e)) continue;
      const TriangleIndex u = neighbour(t, e);
      flip(t, e);
      for (const TriangleIndex changed : {t, u}) {
        if (waiting[static_cast<std::size_t>(changed)]) continue;
        waiting[static_cast<std::size_t>(changed)] = 1;
        stack.push_back(changed);
      }
      break;
    }
  }
}

std::vector<std::pair<TriangleIndex, int>> FlipMesh::star(PointIndex p) const {
  std::vector<std::pair<TriangleIndex, int>> around;
  const TriangleIndex first = m_triangleOf[static_cast<std::size_t>(p)];
  if (first == kNone) return around;
  // Turning one way: across the edge that ends at p.
  TriangleIndex t = first;
  do {
    const int k = edgeFrom(t, p);
    around.emplace_back(t, k);
    t = neighbour(t, Prev(k));
  } while (t != kNone && t != first);
  if (t == first) return around;
  // On the outline: the other way from the first, across the edge leaving p.
  t = neighbour(first, edgeFrom(first, p));
  while (t != kNone) {
    const int k = edgeFrom(t, p);
    around.emplace_back(t, k);
    t = neighbour(t, k);
  }
  return around;
}

std::pair<TriangleIndex, int> FlipMesh::findEdge(PointIndex a, PointIndex b) const {
  for (const auto& [t, k] : star(a)) {
    if (corners(t)[Next(k)] == b) return {t, k};
  }
  return {kNone, 0};
}

void FlipMesh::writeTriangles(TriangleIndex& nt, std::vector<std::int32_t>& ipt) const {
  nt = triangleCount();
  ipt.assign(3 * static_cast<std::size_t>(nt) + 1, 0);
  for (TriangleIndex t = 0; t < nt; ++t) {
    for (int i = 0; i < 3; ++i) ipt[3 * static_cast<std::size_t>(t) + 1 + static_cast<std::size_t>(i)] = corners(t)[i];
  }
}

}  // namespace plotvane
