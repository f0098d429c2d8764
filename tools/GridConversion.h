#pragma once
// Resampling the mesh on a regular grid and saving it as tab-separated text.
//
// The file (UTF-8, every line ended by CR LF, fields separated by one TAB):
// - the column names labelX, labelY, labelZ;
// - then, for i = 1..countX (outer) and j = 1..countY (inner), the grid point
//   Xg = originX + (i - 1) * intervalX and Yg = originY + (j - 1) * intervalY
//   (GridCoordinate: in double, rounded to single precision wherever 7 digits
//   show it whole), with the value Z = MeshValueAt(Xg, Yg): a line
//   "Xg TAB Yg TAB Z" when there is a value, nothing when the point is
//   outside the mesh, in an excluded or in a degenerate triangle. Z is the
//   text of a single-precision number, Xg and Yg are written by
//   FormatGridCoordinate.
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

// A grid coordinate and whether it is taken in single precision.
struct GridCoordinateValue {
  double value = 0;
  bool single = true;
};

// The grid coordinate k (1-based) of an axis, origin + (k - 1) * interval in
// double. Where its text of 7 significant digits reads back as its text of
// 15 does, it is rounded to single precision and written with 7 digits, as
// the original method took every coordinate (so ordinary grids stay as they
// were, byte for byte); elsewhere it stays in double and is written with up to
// 15 digits. This is a deliberate fix: 7 digits cannot tell 4100010.1 from
// 4100010.6, and single precision moves such a grid by up to 0.25.
GridCoordinateValue GridCoordinate(double origin, double interval, std::int64_t k);

// The room FormatGridCoordinate needs.
inline constexpr std::size_t kGridCoordinateRoom = 24;
// Writes the coordinate's text into out (kGridCoordinateRoom bytes) and
// returns its length: SingleText for a single-precision coordinate, NumberText
// otherwise.
int FormatGridCoordinate(const GridCoordinateValue& coordinate, char* out);

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
