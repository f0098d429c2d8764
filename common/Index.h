#pragma once
// Index types of the point set and the mesh.
//
// Points and triangles are numbered from 1, as the data files and the mesh
// tables number them; element 0 of every 1-based array is never used. Both
// counts fit in 32 bits by a wide margin (see Capacity.h), so one signed type
// serves every index and count, and no size_t arithmetic mixes with them.

#include <cstdint>

namespace plotvane {

using PointIndex = std::int32_t;     // 1..nn into dataX/Y/Z and meshX/Y/Z
using TriangleIndex = std::int32_t;  // 1..nt into ipt (three entries each) and hh

}  // namespace plotvane
