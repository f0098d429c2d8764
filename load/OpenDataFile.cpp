#include "load/OpenDataFile.h"

#include <array>
#include <utility>

#include "common/Capacity.h"
#include "common/ErrorDetails.h"
#include "common/Messages.h"
#include "data/DataFileReader.h"
#include "data/DuplicatePoints.h"
#include "load/MeshBreaklines.h"
#include "mesh/Distortion.h"
#include "mesh/Triangulate.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

LoadStatus FromRead(ReadStatus status) {
  switch (status) {
    case ReadStatus::Ok: return LoadStatus::Meshed;
    case ReadStatus::UnknownKind: return LoadStatus::UnknownKind;
    case ReadStatus::InvalidData: return LoadStatus::InvalidData;
    case ReadStatus::CannotOpen: return LoadStatus::CannotOpen;
    case ReadStatus::Unexpected: return LoadStatus::ReadFailed;
  }
  return LoadStatus::ReadFailed;
}

LoadStatus FromTriangulate(TriangulateOutcome outcome) {
  switch (outcome) {
    case TriangulateOutcome::Meshed: return LoadStatus::Meshed;
    case TriangulateOutcome::TooFewPoints: return LoadStatus::TooFewPoints;
    case TriangulateOutcome::DuplicatePoints: return LoadStatus::DuplicatePoints;
    case TriangulateOutcome::AllCollinear: return LoadStatus::AllCollinear;
    case TriangulateOutcome::Failed: return LoadStatus::MeshFailed;
    case TriangulateOutcome::Cancelled: return LoadStatus::Cancelled;
  }
  return LoadStatus::MeshFailed;
}

DataRange RangeOf(const PointSet& p) {
  DataRange r{p.dataX[1], p.dataX[1], p.dataY[1], p.dataY[1], p.dataZ[1], p.dataZ[1]};
  for (PointIndex i = 1; i <= p.nn; ++i) {
    if (r.xMax < p.dataX[i]) r.xMax = p.dataX[i];
    if (r.xMin > p.dataX[i]) r.xMin = p.dataX[i];
    if (r.yMax < p.dataY[i]) r.yMax = p.dataY[i];
    if (r.yMin > p.dataY[i]) r.yMin = p.dataY[i];
    if (r.zMax < p.dataZ[i]) r.zMax = p.dataZ[i];
    if (r.zMin > p.dataZ[i]) r.zMin = p.dataZ[i];
  }
  return r;
}

void FillEmpty(std::string& text, double value) {
  if (text.empty()) text = NumberText(value);
}

void FillMissingSettings(DrawSettings& s, const DataRange& r, std::int32_t levelCount) {
  FillEmpty(s.X1, r.xMin);
  FillEmpty(s.X2, r.xMax);
  FillEmpty(s.Y1, r.yMin);
  FillEmpty(s.Y2, r.yMax);
  FillEmpty(s.Z1, r.zMin);
  FillEmpty(s.Z2, r.zMax);
  FillEmpty(s.n, levelCount);
  if (s.sq == "inf") s.sq.clear();  // a file writes "inf" for "no limit"
}

// (v - min) * 100 / span, span = max - min but for an isotropic mesh's X and
// Y: the multiplication first, as the mesh coordinates have always been
// computed.
void Normalise(const std::vector<double>& data, double lo, double span, PointIndex nn, std::vector<double>& mesh) {
  mesh.resize(static_cast<std::size_t>(nn) + 1);
  mesh[0] = 0.0;
  for (PointIndex i = 1; i <= nn; ++i) mesh[i] = (data[i] - lo) * 100.0 / span;
}

// Where the file has the first two points of one place, for the line
// beneath the message.
void NameDuplicatePair(Document& doc) {
  const PointSet& p = doc.points;
  const std::optional<DuplicatePair> pair = FirstDuplicatePair(p);
  if (!pair) return;
  const auto where = [&p](PointIndex i) {
    const bool byLine = !p.lines.empty() && p.lines[static_cast<std::size_t>(i)] > 0;
    return byLine ? std::to_string(p.lines[static_cast<std::size_t>(i)]) + " 行目" : std::to_string(i) + " 点目";
  };
  const auto at = static_cast<std::size_t>(pair->first);
  doc.errDetail = details::DuplicatePlaceText(where(pair->first), where(pair->second), NumberText(p.dataX[at]),
                                              NumberText(p.dataY[at]));
}

}  // namespace

bool ShowsErrorMessage(LoadStatus status) {
  return status != LoadStatus::Meshed && status != LoadStatus::NoPoints && status != LoadStatus::Cancelled;
}

std::optional<Failure> LoadFailureOf(LoadStatus status, const Document& doc) {
  if (status == LoadStatus::Meshed) return std::nullopt;
  const FailureKind kind = status == LoadStatus::CannotOpen    ? FailureKind::CannotOpen
                           : status == LoadStatus::UnknownKind ? FailureKind::NotDataFile
                           : status == LoadStatus::Cancelled   ? FailureKind::Cancelled
                                                               : FailureKind::LoadFailed;
  if (doc.errMsg.empty()) return Failure{kind, doc.errDetail, {}};
  return Failure{kind, doc.errMsg, doc.errDetail};
}

std::string LoadMessageText(const Document& doc, LoadStatus status) {
  const std::optional<Failure> failure = LoadFailureOf(status, doc);
  return failure && failure->kind != FailureKind::Cancelled ? failure->text() : std::string();
}

LoadStatus OpenDataFile(const std::string& path, Document& doc, ProgressSink& progress, const SkipOptions& skip,
                        const LoadOptions& options, const MeshOptions& meshOptions) {
  doc.meshOptions = meshOptions;
  doc.settings = DefaultDrawSettings();
  doc.mesh.clearTriangles();
  // Only a reader that finds names gives them; none may outlive its file.
  doc.points.names.clear();
  doc.points.lines.clear();

  const ReadStatus read = ReadDataFile(path, doc, skip, options);
  if (read == ReadStatus::UnknownKind) {
    // The points of the previous file must not be taken for this one's.
    doc.points = PointSet{};
    doc.errMsg = messages::kUnexpectedReadFailure;
    doc.errDetail = details::UnknownKindText();
    return LoadStatus::UnknownKind;
  }
  if (read != ReadStatus::Ok) return FromRead(read);
  if (doc.points.nn < 1) {
    // A survey file's note says why none is left (a class that no point has).
    doc.errDetail = doc.survey.loadNote.empty() ? details::NoPointsText() : doc.survey.loadNote;
    return LoadStatus::NoPoints;
  }
  if (const PointIndex merged = MergeDuplicatePoints(doc.points, options.duplicates); merged > 0) {
    std::string& note = doc.survey.loadNote;
    note +=
        (note.empty() ? "" : " ") + details::MergedDuplicatesText(merged, options.duplicates == DuplicateRule::Mean);
  }
  return MeshLoadedPoints(doc, progress);
}

LoadStatus MeshLoadedPoints(Document& doc, ProgressSink& progress) {
  PointSet& p = doc.points;
  doc.range = RangeOf(p);
  doc.range.isotropicMesh = doc.meshOptions.isotropic;
  // A breakline's own heights belong to the surface, and so to its range.
  if (doc.meshOptions.hasBreaklines()) WidenByBreaklineHeights(doc.meshOptions.breaklines, doc.range);
  FillMissingSettings(doc.settings, doc.range, capacity::kDefaultLevels);

  const DataRange& r = doc.range;
  const std::array<std::pair<double, double>, 3> spans{{{r.xMin, r.xMax}, {r.yMin, r.yMax}, {r.zMin, r.zMax}}};
  for (std::size_t c = 0; c < spans.size(); ++c) {
    if (spans[c].first == spans[c].second) {
      doc.errMsg = messages::kUnexpectedReadFailure;
      doc.errDetail = details::NoRangeText(static_cast<int>(c) + 1, NumberText(spans[c].first));
      return LoadStatus::NoRange;
    }
  }
  Normalise(p.dataX, r.xMin, MeshSpanX(r), p.nn, doc.mesh.meshX);
  Normalise(p.dataY, r.yMin, MeshSpanY(r), p.nn, doc.mesh.meshY);
  Normalise(p.dataZ, r.zMin, r.zMax - r.zMin, p.nn, doc.mesh.meshZ);

  Mesh& m = doc.mesh;
  if (!doc.survey.faces.empty()) {
    if (doc.meshOptions.hasBreaklines()) {
      RefuseBreaklinesOnFaces(doc);
      m.clearTriangles();
      return LoadStatus::BadBreaklines;
    }
    // A designed surface keeps its own triangles; they are already clockwise.
    m.nt = static_cast<TriangleIndex>(doc.survey.faces.size() / 3);
    m.ipt.assign(1, 0);
    m.ipt.insert(m.ipt.end(), doc.survey.faces.begin(), doc.survey.faces.end());
    TriangleDistortions(m.meshX, m.meshY, m.nt, m.ipt, m.hh);
    return LoadStatus::Meshed;
  }
  const TriangulateOutcome meshed = Triangulate(p.nn, m.meshX, m.meshY, m.meshZ, m.nt, m.ipt, doc.errMsg, progress);
  if (meshed != TriangulateOutcome::Meshed) {
    m.clearTriangles();
    if (meshed == TriangulateOutcome::DuplicatePoints) NameDuplicatePair(doc);
    // A cancelled load leaves no data, as if none had been loaded.
    if (meshed == TriangulateOutcome::Cancelled) doc.points = PointSet{};
    return FromTriangulate(meshed);
  }
  if (doc.meshOptions.hasBreaklines() && !InsertBreaklines(doc)) {
    m.clearTriangles();
    return LoadStatus::BadBreaklines;
  }
  // The spatial index waits for the first value look-up (MeshLocator.h).
  TriangleDistortions(m.meshX, m.meshY, m.nt, m.ipt, m.hh);
  return LoadStatus::Meshed;
}

}  // namespace plotvane
