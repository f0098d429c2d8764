// Independent contour computations for the tests. See ContourTestSupport.h.

#include "contours/ContourTestSupport.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "levels/BandPolygons.h"
#include "settings/DrawSettings.h"

namespace plotvane::test {
namespace {

struct Corner {
  double x, y, level;
};

Corner CornerOf(const Document& doc, int v) { return {doc.mesh.meshX[v], doc.mesh.meshY[v], doc.mesh.meshZ[v] / 100}; }

double Step(const Document& doc) { return 1.0 / std::stoi(doc.settings.n); }

bool Drawn(const Document& doc, int t) {
  return doc.settings.sq.empty() || doc.mesh.hh[t] < std::stod(doc.settings.sq);
}

std::array<Corner, 3> TriangleOf(const Document& doc, int t) {
  return {CornerOf(doc, doc.mesh.ipt[3 * t - 2]), CornerOf(doc, doc.mesh.ipt[3 * t - 1]),
          CornerOf(doc, doc.mesh.ipt[3 * t])};
}

bool Near(ContourPoint a, ContourPoint b, double tolerance) {
  return std::fabs(a.x - b.x) <= tolerance && std::fabs(a.y - b.y) <= tolerance;
}

bool Matches(const Segment& s, const Segment& t, double tolerance) {
  return (Near(s.a, t.a, tolerance) && Near(s.b, t.b, tolerance)) ||
         (Near(s.a, t.b, tolerance) && Near(s.b, t.a, tolerance));
}

// The part of polygon p where sign * (level - L) >= 0.
std::vector<Corner> Clip(const std::vector<Corner>& p, double L, double sign) {
  std::vector<Corner> out;
  for (std::size_t i = 0; i < p.size(); ++i) {
    const Corner& a = p[i];
    const Corner& b = p[(i + 1) % p.size()];
    const double da = sign * (a.level - L), db = sign * (b.level - L);
    if (da >= 0) out.push_back(a);
    if ((da >= 0) != (db >= 0)) {
      const double f = da / (da - db);
      out.push_back({a.x + f * (b.x - a.x), a.y + f * (b.y - a.y), L});
    }
  }
  return out;
}

}  // namespace

Document ContourDocument(const ToolMesh& mesh, const std::string& n, const std::string& sq) {
  Document doc;
  doc.mesh = mesh.mesh;
  doc.range = mesh.range;
  doc.points.nn = static_cast<PointIndex>(mesh.mesh.meshX.size() - 1);
  // The window of the data square, Z 0..100: a vertex's level is its Z / 100.
  doc.settings = DrawSettings{"0", "100", "0", "100", "0", "100", n, sq};
  return doc;
}

Document ContourDocument(const std::vector<MeshVertex>& vertices, const std::vector<std::array<int, 3>>& triangles,
                         const std::string& n, const std::string& sq) {
  std::vector<std::array<int, 3>> clockwise = triangles;
  for (auto& t : clockwise) {
    const MeshVertex &a = vertices[t[0]], &b = vertices[t[1]], &c = vertices[t[2]];
    if ((b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x) > 0) std::swap(t[1], t[2]);
  }
  return ContourDocument(MakeToolMesh(vertices, clockwise), n, sq);
}

std::vector<Segment> OracleSegments(const Document& doc, int k) {
  const double s = Step(doc);
  const double L = k * s;
  auto upper = [&](const Corner& c) { return std::floor(c.level / s) >= k; };
  std::vector<Segment> segments;
  for (int t = 1; t <= doc.mesh.nt; ++t) {
    if (!Drawn(doc, t)) continue;
    const auto corners = TriangleOf(doc, t);
    std::vector<ContourPoint> points;
    for (int i = 0; i < 3; ++i) {
      const Corner& p = corners[i];
      const Corner& q = corners[(i + 1) % 3];
      if (upper(p) == upper(q)) continue;
      const double f = std::clamp((L - p.level) / (q.level - p.level), 0.0, 1.0);
      points.push_back({p.x + f * (q.x - p.x), p.y + f * (q.y - p.y)});
    }
    if (points.size() != 2 || Near(points[0], points[1], 1e-12)) continue;
    const Segment segment{points[0], points[1]};
    const bool seen = std::any_of(segments.begin(), segments.end(),
                                  [&](const Segment& other) { return Matches(segment, other, 1e-12); });
    if (!seen) segments.push_back(segment);
  }
  return segments;
}

std::vector<Segment> SegmentsOf(const ContourLevel& level) {
  std::vector<Segment> segments;
  for (const ContourLine& line : level.lines) {
    const std::size_t n = line.points.size();
    for (std::size_t i = 0; i + 1 < n; ++i) segments.push_back({line.points[i], line.points[i + 1]});
    if (line.closed) segments.push_back({line.points[n - 1], line.points[0]});
  }
  return segments;
}

bool SameSegments(std::vector<Segment> expected, const std::vector<Segment>& actual, double tolerance) {
  if (expected.size() != actual.size()) return false;
  for (const Segment& s : actual) {
    const auto found =
        std::find_if(expected.begin(), expected.end(), [&](const Segment& e) { return Matches(s, e, tolerance); });
    if (found == expected.end()) return false;
    expected.erase(found);
  }
  return true;
}

double OracleBandArea(const Document& doc, int k) {
  const double s = Step(doc);
  double area = 0.0;
  for (int t = 1; t <= doc.mesh.nt; ++t) {
    if (!Drawn(doc, t)) continue;
    const auto c = TriangleOf(doc, t);
    const std::vector<Corner> piece = Clip(Clip({c[0], c[1], c[2]}, k * s, 1.0), (k + 1) * s, -1.0);
    ContourRing ring;
    for (const Corner& p : piece) ring.push_back({p.x, p.y});
    area += std::fabs(SignedArea(ring));
  }
  return area;
}

double AreaOf(const ContourBand& band) {
  double area = 0.0;
  for (const BandPolygon& p : band.polygons) {
    area += SignedArea(p.outer);
    for (const ContourRing& hole : p.holes) area += SignedArea(hole);
  }
  return area;
}

const ContourLevel* LevelOf(const ContourSet& set, int k) {
  for (const ContourLevel& level : set.levels) {
    if (level.index == k) return &level;
  }
  return nullptr;
}

std::string RunTool(const std::string& command, int& status) {
  std::string output;
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) {
    status = -1;
    return output;
  }
  char buffer[4096];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
  status = pclose(pipe);
  return output;
}

}  // namespace plotvane::test
