// Points of the same X and Y. See DuplicatePoints.h.

#include "data/DuplicatePoints.h"

#include <algorithm>
#include <numeric>
#include <vector>

namespace plotvane {
namespace {

// The points 1..nn in the order of (X, Y), ties in file order.
std::vector<PointIndex> ByPlace(const PointSet& p) {
  std::vector<PointIndex> order(static_cast<std::size_t>(p.nn));
  std::iota(order.begin(), order.end(), PointIndex{1});
  std::stable_sort(order.begin(), order.end(), [&p](PointIndex a, PointIndex b) {
    const auto i = static_cast<std::size_t>(a), j = static_cast<std::size_t>(b);
    return p.dataX[i] < p.dataX[j] || (p.dataX[i] == p.dataX[j] && p.dataY[i] < p.dataY[j]);
  });
  return order;
}

bool SamePlace(const PointSet& p, PointIndex a, PointIndex b) {
  const auto i = static_cast<std::size_t>(a), j = static_cast<std::size_t>(b);
  return p.dataX[i] == p.dataX[j] && p.dataY[i] == p.dataY[j];
}

}  // namespace

std::optional<DuplicatePair> FirstDuplicatePair(const PointSet& points) {
  const std::vector<PointIndex> order = ByPlace(points);
  std::optional<DuplicatePair> found;
  for (std::size_t k = 1; k < order.size(); ++k) {
    // Within a group the first in file order leads, so each later member pairs with it.
    std::size_t lead = k - 1;
    while (lead > 0 && SamePlace(points, order[lead - 1], order[k])) --lead;
    if (!SamePlace(points, order[lead], order[k])) continue;
    if (!found || order[k] < found->second) found = DuplicatePair{order[lead], order[k]};
  }
  return found;
}

PointIndex MergeDuplicatePoints(PointSet& p, DuplicateRule rule) {
  if (rule == DuplicateRule::Refuse) return 0;
  const std::vector<PointIndex> order = ByPlace(p);
  // keeper[i]: the point that stands for point i (itself when it leads its group).
  std::vector<PointIndex> keeper(static_cast<std::size_t>(p.nn) + 1, 0);
  std::vector<double> sum(keeper.size(), 0.0);
  std::vector<PointIndex> count(keeper.size(), 0);
  for (std::size_t k = 0; k < order.size(); ++k) {
    const PointIndex i = order[k];
    const PointIndex lead = k > 0 && SamePlace(p, order[k - 1], i) ? keeper[static_cast<std::size_t>(order[k - 1])] : i;
    keeper[static_cast<std::size_t>(i)] = lead;
    sum[static_cast<std::size_t>(lead)] += p.dataZ[static_cast<std::size_t>(i)];
    ++count[static_cast<std::size_t>(lead)];
  }
  PointIndex kept = 0;
  for (PointIndex i = 1; i <= p.nn; ++i) {
    const auto from = static_cast<std::size_t>(i);
    if (keeper[from] != i) continue;
    const auto to = static_cast<std::size_t>(++kept);
    p.dataX[to] = p.dataX[from];
    p.dataY[to] = p.dataY[from];
    p.dataZ[to] = rule == DuplicateRule::Mean ? sum[from] / count[from] : p.dataZ[from];
    if (!p.names.empty()) p.names[to] = std::move(p.names[from]);
    if (!p.lines.empty()) p.lines[to] = p.lines[from];
  }
  const PointIndex removed = p.nn - kept;
  p.nn = kept;
  const auto size = static_cast<std::size_t>(kept) + 1;
  p.dataX.resize(size);
  p.dataY.resize(size);
  p.dataZ.resize(size);
  if (!p.names.empty()) p.names.resize(size);
  if (!p.lines.empty()) p.lines.resize(size);
  return removed;
}

}  // namespace plotvane
