#pragma once
// Thinning a point cloud on a grid of square cells: every cell that holds
// points keeps one of them, the one nearest the cell's centre (the earliest
// in order on a tie). The kept points are original points, never averages or
// invented ones, so every height on the map is one that was measured.
//
// The grid starts at the smallest x and y of the points: cell (i, j) covers
// x0 + i c <= x < x0 + (i + 1) c, and likewise in y, with
// i = floor((x - x0) / c) computed in double precision exactly as written.
//
// The automatic cell is a whole number k of a unit u (for a LAS file the
// coarser of its X and Y scales, the finest step its coordinates have): the
// cell k u leaves at most maxKept points, the cell (k - 1) u more. The count
// of occupied cells need not fall strictly as the cell grows, so k is the
// boundary that halving the interval finds, not necessarily the smallest k
// with at most maxKept cells anywhere.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace plotvane {

struct ThinnedPoints {
  double cell = 0.0;
  std::vector<std::uint32_t> kept;  // indices into the input, ascending
};

// The number of cells of size cell that hold points, counting no further
// than stopAbove + 1.
std::size_t OccupiedCells(std::span<const double> x, std::span<const double> y, double cell, std::size_t stopAbove);

// One point per occupied cell of size cell (> 0).
ThinnedPoints ThinOnGrid(std::span<const double> x, std::span<const double> y, double cell);

// The cell k * unit as described above, and its points. unit > 0; at least
// one point.
ThinnedPoints ThinToAtMost(std::span<const double> x, std::span<const double> y, std::size_t maxKept, double unit);

}  // namespace plotvane
