// The checks of site shapes. See SiteShapeChecks.h.
//
// The self-intersection test sweeps the edges in order of their least x, so
// that only edges whose x ranges overlap are compared: a survey boundary of
// thousands of corners is checked in a blink rather than n² tests.

#include "data/SiteShapeChecks.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string>
#include <vector>

#include "data/SiteReadSupport.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

struct Point {
  double x = 0.0;
  double y = 0.0;
};

std::vector<Point> WithoutRepeats(const SiteShape& shape) {
  std::vector<Point> points;
  points.reserve(shape.vertices.size());
  for (const SiteVertex& v : shape.vertices) {
    if (points.empty() || points.back().x != v.x || points.back().y != v.y) points.push_back({v.x, v.y});
  }
  if (shape.closed) {
    while (points.size() > 1 && points.back().x == points.front().x && points.back().y == points.front().y) {
      points.pop_back();
    }
  }
  return points;
}

double Cross(const Point& a, const Point& b, const Point& c) {
  return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

int Sign(double value) { return (value > 0.0) - (value < 0.0); }

// c on segment ab, given that the three are collinear.
bool Within(const Point& a, const Point& b, const Point& c) {
  return std::min(a.x, b.x) <= c.x && c.x <= std::max(a.x, b.x) && std::min(a.y, b.y) <= c.y &&
         c.y <= std::max(a.y, b.y);
}

// Segments ab and cd have a point in common.
bool Meet(const Point& a, const Point& b, const Point& c, const Point& d) {
  const int d1 = Sign(Cross(c, d, a));
  const int d2 = Sign(Cross(c, d, b));
  const int d3 = Sign(Cross(a, b, c));
  const int d4 = Sign(Cross(a, b, d));
  if (d1 * d2 < 0 && d3 * d4 < 0) return true;
  return (d1 == 0 && Within(c, d, a)) || (d2 == 0 && Within(c, d, b)) || (d3 == 0 && Within(a, b, c)) ||
         (d4 == 0 && Within(a, b, d));
}

std::string Coordinates(const SiteVertex& v) { return "(" + NumberText(v.x) + ", " + NumberText(v.y) + ")"; }

std::optional<Failure> CheckShape(const SiteShape& shape, std::string_view name) {
  for (const SiteVertex& v : shape.vertices) {
    if (!std::isfinite(v.x) || !std::isfinite(v.y) || std::isinf(v.z)) {
      return SiteFileFailure(name, shape.where, "有限でない座標があります。");
    }
  }
  const std::size_t distinct = WithoutRepeats(shape).size();
  if (shape.closed && distinct < 3) {
    return SiteFileFailure(name, shape.where, "閉じた図形に異なる点が 3 つ以上ありません。");
  }
  if (!shape.closed && distinct < 2) {
    return SiteFileFailure(name, shape.where, "線に異なる点が 2 つ以上ありません。");
  }
  if (shape.closed) {
    if (const std::optional<EdgePair> pair = FindSelfIntersection(shape)) {
      return SiteFileFailure(name, shape.where,
                             "閉じた図形が自分自身と交わっています (辺 " + std::to_string(pair->first) + " と辺 " +
                                 std::to_string(pair->second) + "、" +
                                 Coordinates(shape.vertices[std::min(pair->first, shape.vertices.size()) - 1]) +
                                 " 付近)。");
    }
  }
  return std::nullopt;
}

enum class Side { Inside, Outside, On };

// Where q lies against the ring: on an edge, or inside or outside by the
// even-odd rule.
Side SideOf(const Point& q, const std::vector<Point>& ring) {
  bool inside = false;
  for (std::size_t k = 0; k < ring.size(); ++k) {
    const Point& a = ring[k];
    const Point& b = ring[(k + 1) % ring.size()];
    if (Sign(Cross(a, b, q)) == 0 && Within(a, b, q)) return Side::On;
    if ((a.y > q.y) != (b.y > q.y) && q.x < a.x + (q.y - a.y) * (b.x - a.x) / (b.y - a.y)) inside = !inside;
  }
  return inside ? Side::Inside : Side::Outside;
}

// An edge of a crosses an edge of b at a point inside both.
bool CrossProperly(const std::vector<Point>& a, const std::vector<Point>& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    const Point& p = a[i];
    const Point& q = a[(i + 1) % a.size()];
    for (std::size_t j = 0; j < b.size(); ++j) {
      const Point& r = b[j];
      const Point& s = b[(j + 1) % b.size()];
      if (Sign(Cross(r, s, p)) * Sign(Cross(r, s, q)) < 0 && Sign(Cross(p, q, r)) * Sign(Cross(p, q, s)) < 0) {
        return true;
      }
    }
  }
  return false;
}

// Some corner or edge middle of a lies inside b and another outside it: a
// is neither within b (a hole or island) nor beside it (a neighbouring lot
// sharing edges).
bool Straddles(const std::vector<Point>& a, const std::vector<Point>& b) {
  bool in = false, out = false;
  for (std::size_t i = 0; i < a.size() && !(in && out); ++i) {
    const Point& p = a[i];
    const Point& q = a[(i + 1) % a.size()];
    for (const Point& sample : {p, Point{(p.x + q.x) / 2, (p.y + q.y) / 2}}) {
      const Side side = SideOf(sample, b);
      in = in || side == Side::Inside;
      out = out || side == Side::Outside;
    }
  }
  return in && out;
}

}  // namespace

std::optional<EdgePair> FindSelfIntersection(const SiteShape& ring) {
  const std::vector<Point> p = WithoutRepeats(ring);
  const std::size_t n = p.size();
  if (n < 3) return std::nullopt;
  auto lowX = [&](std::size_t e) { return std::min(p[e].x, p[(e + 1) % n].x); };
  auto highX = [&](std::size_t e) { return std::max(p[e].x, p[(e + 1) % n].x); };
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return lowX(a) < lowX(b); });
  for (std::size_t i = 0; i < n; ++i) {
    const std::size_t e = order[i];
    for (std::size_t j = i + 1; j < n && lowX(order[j]) <= highX(e); ++j) {
      const std::size_t f = order[j];
      const bool adjacent = (e + 1) % n == f || (f + 1) % n == e;
      const Point& a = p[e];
      const Point& b = p[(e + 1) % n];
      const Point& c = p[f];
      const Point& d = p[(f + 1) % n];
      if (adjacent) {
        // Neighbours share a corner; they fault only by folding back along each other.
        const Point& shared = (e + 1) % n == f ? b : a;
        const Point& far1 = (e + 1) % n == f ? a : b;
        const Point& far2 = (e + 1) % n == f ? d : c;
        const bool folds = Sign(Cross(shared, far1, far2)) == 0 &&
                           (far1.x - shared.x) * (far2.x - shared.x) + (far1.y - shared.y) * (far2.y - shared.y) > 0;
        if (!folds) continue;
      } else if (!Meet(a, b, c, d)) {
        continue;
      }
      return EdgePair{std::min(e, f) + 1, std::max(e, f) + 1};
    }
  }
  return std::nullopt;
}

std::optional<ShapePair> FindRingsOverlapping(const SiteShapes& shapes) {
  struct Ring {
    std::size_t shape;
    std::vector<Point> p;
    double xMin = INFINITY, yMin = INFINITY, xMax = -INFINITY, yMax = -INFINITY;
  };
  std::vector<Ring> rings;
  for (std::size_t r = 0; r < shapes.shapes.size(); ++r) {
    if (!shapes.shapes[r].closed) continue;
    Ring ring{r, WithoutRepeats(shapes.shapes[r])};
    for (const Point& q : ring.p) {
      ring.xMin = std::min(ring.xMin, q.x), ring.xMax = std::max(ring.xMax, q.x);
      ring.yMin = std::min(ring.yMin, q.y), ring.yMax = std::max(ring.yMax, q.y);
    }
    rings.push_back(std::move(ring));
  }
  for (std::size_t i = 0; i < rings.size(); ++i) {
    for (std::size_t j = i + 1; j < rings.size(); ++j) {
      const Ring& a = rings[i];
      const Ring& b = rings[j];
      if (a.xMax < b.xMin || b.xMax < a.xMin || a.yMax < b.yMin || b.yMax < a.yMin) continue;
      if (CrossProperly(a.p, b.p) || Straddles(a.p, b.p) || Straddles(b.p, a.p)) return ShapePair{a.shape, b.shape};
    }
  }
  return std::nullopt;
}

std::optional<Failure> CheckSiteShapes(const SiteShapes& shapes, std::string_view name) {
  if (shapes.shapes.empty()) return SiteFileFailure(name, {}, "線や閉じた図形がありません。");
  for (const SiteShape& shape : shapes.shapes) {
    if (std::optional<Failure> failure = CheckShape(shape, name)) return failure;
  }
  return std::nullopt;
}

}  // namespace plotvane
