#include "mesh/SortPoints.h"

#include <algorithm>
#include <utility>

namespace plotvane {

void SortPoints(std::vector<double>& x, std::vector<double>& y, std::vector<double>& z, PointIndex lo, PointIndex hi) {
  std::vector<std::pair<PointIndex, PointIndex>> pending{{lo, hi}};
  while (!pending.empty()) {
    const auto [first, last] = pending.back();
    pending.pop_back();
    const double pivot = x[(first + last) / 2];
    PointIndex i = first;
    PointIndex j = last;
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
    if (first < i - 1) pending.emplace_back(first, i - 1);
    if (j + 1 < last) pending.emplace_back(j + 1, last);
  }
}

namespace {

// Groups of equal X up to this size are compared pair by pair; larger ones are
// sorted by Y, which finds the same answer without quadratic time.
constexpr PointIndex kPairwiseGroupLimit = 32;

}  // namespace

bool HasDuplicatePoints(const std::vector<double>& x, const std::vector<double>& y, PointIndex nn) {
  std::vector<double> column;
  PointIndex start = 1;
  while (start <= nn) {
    PointIndex end = start;
    while (end + 1 <= nn && x[end + 1] == x[start]) ++end;
    if (end - start + 1 <= kPairwiseGroupLimit) {
      for (PointIndex i = start; i <= end; ++i) {
        for (PointIndex j = i + 1; j <= end; ++j) {
          if (y[j] == y[i]) return true;
        }
      }
    } else {
      column.assign(y.begin() + start, y.begin() + end + 1);
      std::sort(column.begin(), column.end());
      if (std::adjacent_find(column.begin(), column.end()) != column.end()) return true;
    }
    start = end + 1;
  }
  return false;
}

}  // namespace plotvane
