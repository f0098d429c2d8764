#pragma once
// Resampling the mesh on a regular grid and saving it as tab-separated text.
//
// The file (UTF-8, every line ended by CR LF, fields separated by one TAB):
// - the column names labelX, labelY, labelZ;
// - then, for i = 1..countX (outer) and j = 1..countY (inner), the grid point
//   Xg = originX + (i - 1) * intervalX and Yg = originY + (j - 1) * intervalY,
//   each computed in double and rounded to single precision, with the value
//   Z = MeshValueAt(Xg, Yg): a line "Xg TAB Yg TAB Z" (each the text of a
//   single-precision number) when there is a value, nothing when the point is
//   outside the mesh, in an excluded or in a degenerate triangle.
// So the lines run column by column, and a count of 0 or less leaves the
// header alone.
//
// The file is written through SafeFileWriter: until the conversion completes
// the target is untouched, and a failed or cancelled conversion leaves no new
// file (an existing one stays as it was).

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "common/Index.h"
#include "common/Progress.h"
#include "common/SafeFile.h"
#include "data/Document.h"
#include "tools/GridParameters.h"

namespace plotvane {

// The label of the progress window while the grid is computed.
inline constexpr std::string_view kGridProgressLabel = "格子状のデータに変換中です。";
// The message of a conversion stopped by the user.
inline constexpr std::string_view kGridCancelled = "変換を中止しました。";
// The failure of a conversion the user stopped.
inline Failure GridCancelled() { return Failure{FailureKind::Cancelled, std::string(kGridCancelled), {}}; }
// The message after a successful conversion.
inline constexpr std::string_view kGridSaved = "保存しました。";

// The fewest triangles a mesh needs before it is converted to a grid; the
// grid window does nothing below it, and plotvane-cli grid refuses.
inline constexpr TriangleIndex kGridMinTriangles = 3;

// The grid coordinate k (1-based) of an axis: double arithmetic, then single
// precision.
float GridCoordinate(float origin, float interval, std::int64_t k);

// Converts the document's mesh (with its extents, labels and distortion limit
// sq) on the grid and writes the file at path. The caller has checked that the
// mesh has at least three triangles. progress receives the share of grid points
// done; cancelRequested, when given, is asked every few thousand points and
// stops the conversion when it returns true. Both are called on the calling
// thread only, though a second thread shares the work when there are two
// cores.
WriteOutcome ConvertToGrid(const Document& document, const GridParameters& grid, const std::string& path,
                           ProgressSink& progress = NullProgress(), const std::function<bool()>& cancelRequested = {});
// The same into an open writer (standard output, for one), which the caller
// commits unless the conversion was cancelled; a failed write is recorded in
// the writer.
WriteOutcome ConvertToGrid(const Document& document, const GridParameters& grid, SafeFileWriter& writer,
                           ProgressSink& progress = NullProgress(), const std::function<bool()>& cancelRequested = {});

}  // namespace plotvane
