#pragma once
// The road from a file name to a meshed data set.
//
// OpenDataFile resets the drawing settings, reads the file, derives the data
// range, fills the settings the file did not give, normalises the points to
// 0..100 on each axis (or X and Y by one factor for an isotropic mesh),
// builds the mesh, makes it follow the breaklines the mesh options give
// (load/MeshBreaklines.h) and rates its triangles. Drawing the
// page is the caller's last step, as are clearing the surface first and
// showing errMsg in a message box titled "Error" when the outcome asks for it.
//
// Every failure leaves doc.errMsg set (except a file that is only a header,
// which loads no point and leaves errMsg empty), and doc.errDetail says
// what exactly went wrong where it adds to errMsg and no mesh in place: nothing of the
// data loaded before is ever drawn or looked up as if it belonged to the new
// file.

#include <optional>
#include <string>

#include "common/Failure.h"
#include "common/Progress.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

enum class LoadStatus {
  Meshed,        // points with a mesh: doc.drawable()
  NoPoints,      // the file holds no data line; no message
  UnknownKind,   // the name is not a data file's
  CannotOpen,    // the file cannot be opened or read
  InvalidData,   // "不正なデータが含まれています。"
  ReadFailed,    // a limit exceeded or a settings value rejected
  NoRange,       // all X, all Y or all Z equal: nothing to normalise
  TooFewPoints,  // the triangulation's three messages
  DuplicatePoints,
  AllCollinear,
  MeshFailed,     // a circle that cannot exist, or full working tables
  BadBreaklines,  // "ブレークラインを使えません。": outside the mesh, crossing, or on a file's own triangles
  Cancelled,      // the user stopped the meshing: no points, no mesh, no message
};

// Loads path into doc, leaving out the lines `skip` names and taking the
// columns `options` names (a text data file only). The caller has set
// fileTitle and the window caption. meshOptions is kept in doc.meshOptions.
LoadStatus OpenDataFile(const std::string& path, Document& doc, ProgressSink& progress, const SkipOptions& skip = {},
                        const LoadOptions& options = {}, const MeshOptions& meshOptions = {});

// The steps of OpenDataFile after the read, for points put in doc by other
// means: the range, the settings the points do not give, the normalised
// coordinates, and the mesh (doc.survey.faces when given, else Delaunay)
// with its distortions. doc.points holds at least one point.
LoadStatus MeshLoadedPoints(Document& doc, ProgressSink& progress);

// Whether the outcome is reported to the user in a message box with errMsg.
bool ShowsErrorMessage(LoadStatus status);

// The failure of a load that did not end with a mesh, in the form every
// writer reports one (common/Failure.h): errMsg with errDetail as its detail;
// a file without data lines, which has no errMsg, by its detail alone. The
// kind tells a file that cannot be opened, a name that is not a data file's,
// a stopped meshing and every other failure apart. None for a mesh in place.
std::optional<Failure> LoadFailureOf(LoadStatus status, const Document& doc);

// The text of the message box that reports a load's outcome: errMsg, and
// errDetail on a line of its own beneath it. A file without data lines has
// no errMsg but is reported too, by its detail alone. Empty when nothing is
// to be shown (a mesh in place, a meshing the user stopped).
std::string LoadMessageText(const Document& doc, LoadStatus status);

}  // namespace plotvane
