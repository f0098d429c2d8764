// The slow volume: see SlowVolume.h.

#include "tools/SlowVolume.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <vector>

namespace plotvane::test {
namespace {

struct P {
  double x, y;
};

struct ValuedTriangle {
  std::array<P, 3> p;
  std::array<double, 3> z;
};

double Cross(P o, P a, P b) { return (a.x - o.x) * (b.y - o.y) - (a.y - o.y) * (b.x - o.x); }

// The admitted triangles in data coordinates, counter-clockwise.
std::vector<ValuedTriangle> Triangles(const ToolMesh& t, const std::string& sq) {
  const bool limited = !sq.empty();
  const float limit = limited ? std::strtof(sq.c_str(), nullptr) : 0.0f;
  const DataRange& r = t.range;
  std::vector<ValuedTriangle> out;
  for (int i = 1; i <= t.mesh.nt; ++i) {
    if (limited && !(static_cast<float>(t.mesh.hh[i]) < limit)) continue;
    ValuedTriangle v{};
    for (int k = 0; k < 3; ++k) {
      const int n = t.mesh.ipt[3 * i - 2 + k];
      v.p[k] = {(r.xMax - r.xMin) * t.mesh.meshX[n] / 100 + r.xMin, (r.yMax - r.yMin) * t.mesh.meshY[n] / 100 + r.yMin};
      v.z[k] = r.zMin + (r.zMax - r.zMin) * t.mesh.meshZ[n] / 100.0;
    }
    if (Cross(v.p[0], v.p[1], v.p[2]) < 0) {
      std::swap(v.p[1], v.p[2]);
      std::swap(v.z[1], v.z[2]);
    }
    out.push_back(v);
  }
  return out;
}

double ValueAt(const ValuedTriangle& t, P q) {
  const double whole = Cross(t.p[0], t.p[1], t.p[2]);
  const double w0 = Cross(q, t.p[1], t.p[2]) / whole;
  const double w1 = Cross(t.p[0], q, t.p[2]) / whole;
  const double w2 = Cross(t.p[0], t.p[1], q) / whole;
  return w0 * t.z[0] + w1 * t.z[1] + w2 * t.z[2];
}

std::vector<P> Clip(const std::vector<P>& polygon, P a, P b) {
  std::vector<P> out;
  for (std::size_t k = 0; k < polygon.size(); ++k) {
    const P u = polygon[k], v = polygon[(k + 1) % polygon.size()];
    const double su = Cross(a, b, u), sv = Cross(a, b, v);
    if (su >= 0) out.push_back(u);
    if ((su < 0) != (sv < 0) && su != 0 && sv != 0) {
      const double t = su / (su - sv);
      out.push_back({u.x + t * (v.x - u.x), u.y + t * (v.y - u.y)});
    }
  }
  return out;
}

// The integral and the area of max(d, 0) over a triangle of area A whose
// corners have the values d.
std::pair<double, double> PositivePart(double A, std::array<double, 3> d) {
  std::sort(d.begin(), d.end(), std::greater<>());
  const double d1 = d[0], d2 = d[1], d3 = d[2];
  if (d1 <= 0) return {0, 0};
  if (d3 >= 0) return {A * (d1 + d2 + d3) / 3, A};
  if (d2 <= 0) {
    const double part = d1 * d1 / ((d1 - d2) * (d1 - d3));
    return {A * part * d1 / 3, A * part};
  }
  const double negative = d3 * d3 / ((d3 - d1) * (d3 - d2));
  return {A * (d1 + d2 + d3) / 3 - A * negative * d3 / 3, A * (1 - negative)};
}

void AddTriangle(SlowFigures& f, double A, std::array<double, 3> d) {
  const auto [cut, cutArea] = PositivePart(A, d);
  const auto [fill, fillArea] = PositivePart(A, {-d[0], -d[1], -d[2]});
  f.cut += cut;
  f.cutArea += cutArea;
  f.fill += fill;
  f.fillArea += fillArea;
  f.area += A;
}

}  // namespace

SlowFigures SlowVolume(const ToolMesh& s, const ToolMesh* r, double plane, const std::string& sq) {
  SlowFigures f;
  const std::vector<ValuedTriangle> upper = Triangles(s, sq);
  if (!r) {
    for (const ValuedTriangle& t : upper) {
      AddTriangle(f, Cross(t.p[0], t.p[1], t.p[2]) / 2, {t.z[0] - plane, t.z[1] - plane, t.z[2] - plane});
    }
    return f;
  }
  const std::vector<ValuedTriangle> lower = Triangles(*r, sq);
  for (const ValuedTriangle& a : upper) {
    for (const ValuedTriangle& b : lower) {
      std::vector<P> piece(a.p.begin(), a.p.end());
      for (int e = 0; e < 3 && !piece.empty(); ++e) piece = Clip(piece, b.p[e], b.p[(e + 1) % 3]);
      for (std::size_t k = 1; k + 1 < piece.size(); ++k) {
        const std::array<P, 3> fan{piece[0], piece[k], piece[k + 1]};
        const double A = Cross(fan[0], fan[1], fan[2]) / 2;
        std::array<double, 3> d{};
        for (int c = 0; c < 3; ++c) d[c] = ValueAt(a, fan[c]) - ValueAt(b, fan[c]);
        AddTriangle(f, A, d);
      }
    }
  }
  return f;
}

}  // namespace plotvane::test
