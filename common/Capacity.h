#pragma once
// The fixed capacities of the program, named once. The reader enforces the
// line, field and token limits; the triangulation enforces its table sizes.
// Every limit is inclusive: a value equal to the limit is allowed.

#include <cstddef>

#include "common/Index.h"

namespace plotvane::capacity {

inline constexpr PointIndex kMaxPoints = 100000;        // dataX..meshZ hold points 1..100000
inline constexpr int kMaxAcceptedLines = 100000;        // accepted lines of a data file, header included
inline constexpr int kMaxFieldsPerLine = 100;           // fields of one accepted line
inline constexpr int kMaxSkipTokens = 100;              // prefixes in skipPrefixes
inline constexpr TriangleIndex kMaxTriangles = 200000;  // ipt and hh room: indices up to 600000

// The largest file the readers take: 64 MiB holds 100 000 accepted lines of
// over 600 bytes each, twenty times what a line of three numbers needs, and
// keeps a mistaken or endless input from filling the memory. A view file is
// fourteen short lines: only its first megabyte is read.
inline constexpr std::size_t kMaxDataFileBytes = std::size_t{64} << 20;
inline constexpr std::size_t kMaxViewFileBytes = std::size_t{1} << 20;

// Working tables of the triangulation.
inline constexpr int kMeshPointSlots = 300000;     // MeshPoints 1..nv plus the three super-triangle corners
inline constexpr int kMeshTriangleSlots = 300000;  // MeshTriangles in use at any moment
inline constexpr int kMeshEdgeSlots = 900000;      // edges of one insertion's cavity

// The settings dialog keeps n within these bounds on OK and Test.
inline constexpr int kMinLevels = 2;
inline constexpr int kMaxLevels = 512;
inline constexpr int kDefaultLevels = 20;

}  // namespace plotvane::capacity
