// Breaklines that cross. See BreaklineCrossings.h.

#include "load/BreaklineCrossings.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace plotvane {
namespace {

struct Segment {
  std::int32_t line, index;  // from vertex index to the next (the first, for a ring's last)
  double x0, y0, x1, y1;
};

struct Cut {
  double t;  // along the segment, 0..1
  SiteVertex at;
};

double Cross(double ax, double ay, double bx, double by, double cx, double cy) {
  return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

std::vector<Segment> SegmentsOf(const SiteShapes& lines) {
  std::vector<Segment> segments;
  for (std::size_t l = 0; l < lines.shapes.size(); ++l) {
    const std::vector<SiteVertex>& v = lines.shapes[l].vertices;
    const std::size_t n = v.size();
    const std::size_t count = lines.shapes[l].closed && n > 2 ? n : (n > 0 ? n - 1 : 0);
    for (std::size_t s = 0; s < count; ++s) {
      const SiteVertex& a = v[s];
      const SiteVertex& b = v[(s + 1) % n];
      segments.push_back({static_cast<std::int32_t>(l), static_cast<std::int32_t>(s), a.x, a.y, b.x, b.y});
    }
  }
  return segments;
}

// Whether the segments share a vertex of one line (neighbours along it).
bool Neighbours(const Segment& a, const Segment& b, const SiteShapes& lines) {
  if (a.line != b.line) return false;
  const auto n = static_cast<std::int32_t>(lines.shapes[static_cast<std::size_t>(a.line)].vertices.size());
  const std::int32_t d = std::abs(a.index - b.index);
  return d <= 1 || d == n - 1;
}

}  // namespace

std::int64_t SplitAtCrossings(SiteShapes& lines) {
  const std::vector<Segment> segments = SegmentsOf(lines);
  if (segments.size() < 2) return 0;
  // Segments bucketed on a grid of about one cell per segment, by their boxes.
  double xMin = segments[0].x0, xMax = xMin, yMin = segments[0].y0, yMax = yMin;
  for (const Segment& s : segments) {
    xMin = std::min({xMin, s.x0, s.x1}), xMax = std::max({xMax, s.x0, s.x1});
    yMin = std::min({yMin, s.y0, s.y1}), yMax = std::max({yMax, s.y0, s.y1});
  }
  const auto side = static_cast<std::int64_t>(std::ceil(std::sqrt(static_cast<double>(segments.size()))));
  const double cellX = std::max(xMax - xMin, 1e-300) / static_cast<double>(side);
  const double cellY = std::max(yMax - yMin, 1e-300) / static_cast<double>(side);
  const auto column = [&](double x) {
    return std::clamp<std::int64_t>(static_cast<std::int64_t>((x - xMin) / cellX), 0, side - 1);
  };
  const auto row = [&](double y) {
    return std::clamp<std::int64_t>(static_cast<std::int64_t>((y - yMin) / cellY), 0, side - 1);
  };
  std::unordered_map<std::int64_t, std::vector<std::int32_t>> cells;
  for (std::size_t k = 0; k < segments.size(); ++k) {
    const Segment& s = segments[k];
    for (std::int64_t cy = row(std::min(s.y0, s.y1)); cy <= row(std::max(s.y0, s.y1)); ++cy) {
      for (std::int64_t cx = column(std::min(s.x0, s.x1)); cx <= column(std::max(s.x0, s.x1)); ++cx) {
        cells[cy * side + cx].push_back(static_cast<std::int32_t>(k));
      }
    }
  }

  std::vector<std::vector<Cut>> cuts(segments.size());
  std::int64_t crossings = 0;
  std::unordered_set<std::uint64_t> seen;
  for (const auto& [cell, members] : cells) {
    for (std::size_t i = 0; i < members.size(); ++i) {
      for (std::size_t j = i + 1; j < members.size(); ++j) {
        const auto first = static_cast<std::size_t>(std::min(members[i], members[j]));
        const auto second = static_cast<std::size_t>(std::max(members[i], members[j]));
        const Segment& a = segments[first];
        const Segment& b = segments[second];
        if (Neighbours(a, b, lines)) continue;
        const double d0 = Cross(a.x0, a.y0, a.x1, a.y1, b.x0, b.y0), d1 = Cross(a.x0, a.y0, a.x1, a.y1, b.x1, b.y1);
        const double d2 = Cross(b.x0, b.y0, b.x1, b.y1, a.x0, a.y0), d3 = Cross(b.x0, b.y0, b.x1, b.y1, a.x1, a.y1);
        if (!((d0 < 0 && d1 > 0) || (d0 > 0 && d1 < 0)) || !((d2 < 0 && d3 > 0) || (d2 > 0 && d3 < 0))) continue;
        const double t = d2 / (d2 - d3), u = d0 / (d0 - d1);
        // A pair that shares several cells is met in each; it crosses once.
        if (!seen.insert(static_cast<std::uint64_t>(first) * segments.size() + second).second) continue;
        SiteVertex at{a.x0 + t * (a.x1 - a.x0), a.y0 + t * (a.y1 - a.y0)};
        const std::vector<SiteVertex>& v = lines.shapes[static_cast<std::size_t>(a.line)].vertices;
        const SiteVertex& p = v[static_cast<std::size_t>(a.index)];
        const SiteVertex& q = v[(static_cast<std::size_t>(a.index) + 1) % v.size()];
        if (p.hasZ() && q.hasZ()) at.z = p.z + t * (q.z - p.z);
        cuts[first].push_back({t, at});
        cuts[second].push_back({u, at});
        ++crossings;
      }
    }
  }
  if (crossings == 0) return 0;

  // Each line rebuilt with its segments' cuts in order along them.
  std::size_t k = 0;
  for (SiteShape& shape : lines.shapes) {
    std::vector<SiteVertex> split;
    for (std::size_t s = 0; s < shape.vertices.size(); ++s) {
      split.push_back(shape.vertices[s]);
      if (k < segments.size() && &lines.shapes[static_cast<std::size_t>(segments[k].line)] == &shape &&
          segments[k].index == static_cast<std::int32_t>(s)) {
        std::vector<Cut>& along = cuts[k++];
        std::sort(along.begin(), along.end(), [](const Cut& a, const Cut& b) { return a.t < b.t; });
        for (const Cut& c : along) split.push_back(c.at);
      }
    }
    shape.vertices = std::move(split);
  }
  return crossings;
}

}  // namespace plotvane
