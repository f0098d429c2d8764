#pragma once
// The grid (point-height) volume: see Volume.h.
//
// Cell (i, j), counted from 0, spans X from xMin + i * cell to
// xMin + (i + 1) * cell of S's data range (likewise Y); there are as many
// columns and rows as it takes to cover the range (VolumeGridOf). Its centre
// (xMin + (i + 0.5) * cell, yMin + (j + 0.5) * cell) is rounded to single
// precision and looked up with MeshValueAt on both surfaces (the plane has
// its value everywhere); a cell counts when both answer with a value. Cut
// and fill are the sums of the positive and negative differences times the
// cell's area; area, cut area and fill area count the cells.
//
// The rows are shared out between two threads in two fixed halves, as the
// TIN volume shares its triangles.

#include "tools/Volume.h"

namespace plotvane {

// grid is VolumeGridOf(s.range, cell).
VolumeFigures GridVolume(const VolumeSurface& s, const VolumeReference& reference, double cell, const VolumeGrid& grid);

}  // namespace plotvane
