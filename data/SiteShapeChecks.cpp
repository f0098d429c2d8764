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

std::optional<ShapePair> FindRingsMeeting(const SiteShapes& shapes) {
  struct Edge {
    std::size_t ring;
    Point a, b;
    double low() const { return std::min(a.x, b.x); }
    double high() const { return std::max(a.x, b.x); }
  };
  std::vector<Edge> edges;
  for (std::size_t r = 0; r < shapes.shapes.size(); ++r) {
    if (!shapes.shapes[r].closed) continue;
    const std::vector<Point> p = WithoutRepeats(shapes.shapes[r]);
    for (std::size_t k = 0; k < p.size(); ++k) edges.push_back({r, p[k], p[(k + 1) % p.size()]});
  }
  std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.low() < f.low(); });
  for (std::size_t i = 0; i < edges.size(); ++i) {
    const Edge& e = edges[i];
    for (std::size_t j = i + 1; j < edges.size() && edges[j].low() <= e.high(); ++j) {
      const Edge& f = edges[j];
      if (f.ring != e.ring && Meet(e.a, e.b, f.a, f.b)) {
        return ShapePair{std::min(e.ring, f.ring), std::max(e.ring, f.ring)};
      }
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
