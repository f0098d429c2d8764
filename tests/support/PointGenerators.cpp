#include "support/PointGenerators.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <numeric>
#include <random>

namespace plotvane::test {
namespace {

double Surface(double x, double y) { return 50.0 + 20.0 * std::sin(x / 150.0) * std::cos(y / 110.0) + x / 40.0; }

}  // namespace

Points UniformPoints(int count, std::uint32_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> coord(0.0, 1000.0);
  std::normal_distribution<double> noise(0.0, 0.5);
  Points p;
  for (int i = 0; i < count; ++i) {
    const double x = coord(rng);
    const double y = coord(rng);
    p.add(x, y, Surface(x, y) + noise(rng));
  }
  return p;
}

Points LatticePoints(int nx, int ny, std::uint32_t seed) {
  std::vector<int> order(static_cast<std::size_t>(nx) * static_cast<std::size_t>(ny));
  std::iota(order.begin(), order.end(), 0);
  std::mt19937_64 rng(seed);
  std::shuffle(order.begin(), order.end(), rng);
  Points p;
  for (int k : order) {
    const double x = k % nx;
    const double y = k / nx;
    p.add(x, y, Surface(x * 37.0, y * 41.0));
  }
  return p;
}

Points ClusteredPoints(int count, int clusters, std::uint32_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> centre(0.0, 1000.0);
  std::uniform_real_distribution<double> spread(5.0, 60.0);
  std::vector<double> cx, cy, cs;
  for (int c = 0; c < clusters; ++c) {
    cx.push_back(centre(rng));
    cy.push_back(centre(rng));
    cs.push_back(spread(rng));
  }
  std::uniform_int_distribution<int> pick(0, clusters - 1);
  std::normal_distribution<double> unit(0.0, 1.0);
  Points p;
  for (int i = 0; i < count; ++i) {
    const int c = pick(rng);
    const double x = cx[c] + cs[c] * unit(rng);
    const double y = cy[c] + cs[c] * unit(rng);
    p.add(x, y, Surface(x, y));
  }
  return p;
}

Points NearCollinearPoints(int count, double jitter, std::uint32_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> t(0.0, 100.0);
  std::uniform_real_distribution<double> off(-jitter, jitter);
  Points p;
  for (int i = 0; i < count; ++i) {
    const double s = t(rng);
    p.add(s, 0.5 * s + 3.0 + off(rng), s * 0.1 + off(rng));
  }
  return p;
}

Points CoarsePoints(int count, double step, std::uint32_t seed) {
  std::mt19937_64 rng(seed);
  std::uniform_real_distribution<double> coord(0.0, 1000.0);
  Points p;
  for (int i = 0; i < count; ++i) {
    const double x = std::round(coord(rng) / step) * step;
    const double y = std::round(coord(rng) / step) * step;
    p.add(x, y, Surface(x, y));
  }
  return p;
}

Points RingPoints(int count, double radius, double phase, double cx, double cy) {
  Points p;
  for (int k = 0; k < count; ++k) {
    const double a = phase + 2.0 * std::numbers::pi * k / count;
    p.add(cx + radius * std::cos(a), cy + radius * std::sin(a), k);
  }
  return p;
}

std::string DataFileText(const Points& points, const std::string& header) {
  std::string text = header + "\r\n";
  char line[96];
  for (int i = 0; i < points.size(); ++i) {
    const int len = std::snprintf(line, sizeof line, "%.17g\t%.17g\t%.17g\r\n", points.x[i], points.y[i], points.z[i]);
    text.append(line, static_cast<std::size_t>(len));
  }
  return text;
}

}  // namespace plotvane::test
