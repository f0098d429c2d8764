#pragma once
// Seeded point sets for tests and benchmarks. Every generator is
// deterministic for its arguments, so a failure can be reproduced from the
// seed printed with it.

#include <cstdint>
#include <string>
#include <vector>

namespace plotvane::test {

// Points in data units, 0-based.
struct Points {
  std::vector<double> x, y, z;
  int size() const { return static_cast<int>(x.size()); }
  void add(double px, double py, double pz) {
    x.push_back(px);
    y.push_back(py);
    z.push_back(pz);
  }
};

// Uniform in [0, 1000) x [0, 1000), Z a smooth surface plus noise.
Points UniformPoints(int count, std::uint32_t seed);
// An nx x ny lattice with spacing 1, in random order (many equal X, many
// cocircular quadruples).
Points LatticePoints(int nx, int ny, std::uint32_t seed);
// Normal clusters around a few random centres.
Points ClusteredPoints(int count, int clusters, std::uint32_t seed);
// Points along a slanted line, each moved off it by at most jitter.
Points NearCollinearPoints(int count, double jitter, std::uint32_t seed);
// Uniform points with X and Y rounded to a coarse step, so that equal X and
// exact duplicates of (X, Y) occur.
Points CoarsePoints(int count, double step, std::uint32_t seed);
// count points evenly spaced on the circle of the given radius around
// (cx, cy), the first at angle phase, at full precision: cocircular up to the
// rounding of their coordinates.
Points RingPoints(int count, double radius, double phase, double cx = 0, double cy = 0);

// A text data file: header line, then X TAB Y TAB Z per point, CR LF, every
// number with 17 significant digits so that it reads back exactly.
std::string DataFileText(const Points& points, const std::string& header = "X\tY\tZ");

}  // namespace plotvane::test
