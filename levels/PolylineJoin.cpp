// Chains of segments into polylines. See PolylineJoin.h.

#include "levels/PolylineJoin.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <span>

namespace plotvane {
namespace {

// One end of a segment: the node it lies on and 2 x segment + (0 from, 1 to).
struct SegmentEnd {
  NodeKey node;
  std::uint32_t end;
  bool operator<(const SegmentEnd& other) const { return node < other.node; }
};

// The segments of one line and the order of their ends by node.
class LineGraph {
 public:
  explicit LineGraph(std::span<const LevelSegment> segments) : m_segments(segments) {
    m_ends.reserve(2 * segments.size());
    for (std::uint32_t i = 0; i < segments.size(); ++i) {
      m_ends.push_back({segments[i].from.key, 2 * i});
      m_ends.push_back({segments[i].to.key, 2 * i + 1});
    }
    std::sort(m_ends.begin(), m_ends.end());
    m_position.resize(m_ends.size());
    for (std::uint32_t p = 0; p < m_ends.size(); ++p) m_position[m_ends[p].end] = p;
    m_used.assign(segments.size(), false);
  }

  std::vector<ContourLine> polylines() {
    std::vector<ContourLine> lines;
    // Open chains from every end node, then the rings that remain.
    for (std::uint32_t p = 0; p < m_ends.size(); ++p) {
      if (degree(p) != 2 && !m_used[m_ends[p].end / 2]) lines.push_back(walk(m_ends[p].end, false));
    }
    for (std::uint32_t p = 0; p < m_ends.size(); ++p) {
      if (!m_used[m_ends[p].end / 2]) lines.push_back(walk(m_ends[p].end, true));
    }
    return lines;
  }

 private:
  // The number of segment ends at the node of sorted position p.
  // Nodes are met by few segments, so a scan beats a search.
  std::uint32_t degree(std::uint32_t p) const {
    std::uint32_t first = p, last = p + 1;
    while (first > 0 && m_ends[first - 1].node == m_ends[p].node) --first;
    while (last < m_ends.size() && m_ends[last].node == m_ends[p].node) ++last;
    return last - first;
  }

  const CrossingNode& nodeOf(std::uint32_t end) const {
    const LevelSegment& s = m_segments[end / 2];
    return end % 2 == 0 ? s.from : s.to;
  }

  // Walks from segment end `start` through nodes of degree 2 until an end
  // node or, for a ring, back to where it began.
  ContourLine walk(std::uint32_t start, bool ring) {
    ContourLine line;
    line.closed = ring;
    line.points.push_back({nodeOf(start).x, nodeOf(start).y});
    std::int64_t forward = 0;
    std::uint32_t end = start;
    while (true) {
      m_used[end / 2] = true;
      forward += end % 2 == 0 ? 1 : -1;
      const std::uint32_t arrival = end ^ 1u;
      const CrossingNode& node = nodeOf(arrival);
      if (ring && node.key == nodeOf(start).key) break;
      line.points.push_back({node.x, node.y});
      const std::uint32_t p = m_position[arrival];
      if (degree(p) != 2) break;
      // The node's two ends stand side by side; the other one leaves it.
      const bool nextShares = p + 1 < m_ends.size() && m_ends[p + 1].node == m_ends[p].node;
      const std::uint32_t other = nextShares ? m_ends[p + 1].end : m_ends[p - 1].end;
      if (m_used[other / 2]) break;
      end = other;
    }
    if (forward < 0) std::reverse(line.points.begin(), line.points.end());
    return line;
  }

  std::span<const LevelSegment> m_segments;
  std::vector<SegmentEnd> m_ends;
  std::vector<std::uint32_t> m_position;  // sorted position of each segment end
  std::vector<bool> m_used;
};

// Merges consecutive equal points and takes out the visits of an edge on the
// level there and back (A, B, A becomes A), also across a ring's seam;
// false when nothing of length remains.
bool Tidy(ContourLine& line) {
  auto& p = line.points;
  std::vector<ContourPoint> kept;
  kept.reserve(p.size());
  for (const ContourPoint& q : p) {
    if (!kept.empty() && kept.back() == q) continue;
    if (kept.size() >= 2 && kept[kept.size() - 2] == q) {
      kept.pop_back();
      continue;
    }
    kept.push_back(q);
  }
  if (line.closed) {
    // The seam: the last point leads back to the first.
    while (kept.size() > 1 && kept.front() == kept.back()) kept.pop_back();
    while (kept.size() >= 3 && (kept[kept.size() - 2] == kept.front() || kept[1] == kept.back())) {
      if (kept[kept.size() - 2] == kept.front()) {
        kept.pop_back();
        kept.pop_back();
      } else {
        kept.erase(kept.begin());
        kept.pop_back();
      }
      while (kept.size() > 1 && kept.front() == kept.back()) kept.pop_back();
    }
  }
  p = std::move(kept);
  return p.size() >= (line.closed ? 3u : 2u);
}

// The open lines of one level by their ends, to find one that runs exactly
// back along another: the two sides of a crest that lies on the level from
// border to border, which is one line on the map.
class OpenLineEnds {
 public:
  bool repeatsBackwards(const ContourLine& line, const std::vector<ContourLine>& kept) const {
    if (line.closed) return false;
    const auto [first, last] = m_ends.equal_range(Key(line.points.back(), line.points.front()));
    return std::any_of(first, last, [&](const auto& entry) {
      const ContourLine& other = kept[entry.second];
      return other.points.size() == line.points.size() &&
             std::equal(line.points.begin(), line.points.end(), other.points.rbegin());
    });
  }
  void add(const ContourLine& line, std::size_t index) {
    if (!line.closed) m_ends.emplace(Key(line.points.front(), line.points.back()), index);
  }

 private:
  using EndsKey = std::array<double, 4>;
  static EndsKey Key(ContourPoint a, ContourPoint b) { return {a.x, a.y, b.x, b.y}; }
  std::multimap<EndsKey, std::size_t> m_ends;
};

}  // namespace

ContourLevel JoinLineSegments(const LevelMesh& mesh, std::int32_t k, std::span<const LevelSegment> segments) {
  ContourLevel level;
  level.index = k;
  level.value = mesh.levelValue(k);
  OpenLineEnds ends;
  for (ContourLine& line : LineGraph(segments).polylines()) {
    if (!Tidy(line) || ends.repeatsBackwards(line, level.lines)) continue;
    ends.add(line, level.lines.size());
    level.lines.push_back(std::move(line));
  }
  return level;
}

std::vector<ContourLevel> JoinLevelSegments(const LevelMesh& mesh, const std::vector<LevelSegment>& segments) {
  if (segments.empty()) return {};
  // Bucket by line: count, then place (two passes, no per-line vectors).
  const auto [low, high] = std::minmax_element(segments.begin(), segments.end(),
                                               [](const auto& a, const auto& b) { return a.line < b.line; });
  const std::int32_t first = low->line;
  const std::size_t lineSpan = static_cast<std::size_t>(high->line - first) + 1;
  std::vector<std::size_t> start(lineSpan + 1, 0);
  for (const LevelSegment& s : segments) ++start[static_cast<std::size_t>(s.line - first) + 1];
  for (std::size_t i = 1; i <= lineSpan; ++i) start[i] += start[i - 1];
  std::vector<LevelSegment> byLine(segments.size());
  std::vector<std::size_t> fill(start.begin(), start.end() - 1);
  for (const LevelSegment& s : segments) byLine[fill[static_cast<std::size_t>(s.line - first)]++] = s;

  std::vector<ContourLevel> levels;
  for (std::size_t i = 0; i < lineSpan; ++i) {
    if (start[i] == start[i + 1]) continue;
    const std::span<const LevelSegment> group(byLine.data() + start[i], start[i + 1] - start[i]);
    ContourLevel level = JoinLineSegments(mesh, first + static_cast<std::int32_t>(i), group);
    if (!level.lines.empty()) levels.push_back(std::move(level));
  }
  return levels;
}

}  // namespace plotvane
