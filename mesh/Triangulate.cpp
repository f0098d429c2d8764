#include "mesh/Triangulate.h"

#include "common/Messages.h"
#include "mesh/SortPoints.h"

namespace plotvane {
namespace {

TriangulateOutcome Fail(TriangulateOutcome outcome, std::string_view message, std::string& errMsg,
                        ProgressSink& progress) {
  errMsg = message;
  progress.close();
  return outcome;
}

}  // namespace

TriangulateOutcome Triangulate(PointIndex nn, std::vector<double>& x, std::vector<double>& y, std::vector<double>& z,
                               TriangleIndex& nt, std::vector<std::int32_t>& ipt, std::string& errMsg,
                               ProgressSink& progress, const BuildMeshFunction& build) {
  progress.prepare(messages::kProgressMeshing);
  progress.update(0);
  errMsg.clear();
  if (nn <= 2) return Fail(TriangulateOutcome::TooFewPoints, messages::kTooFewPoints, errMsg, progress);

  SortPoints(x, y, z, 1, nn);
  progress.update(5);

  if (HasDuplicatePoints(x, y, nn)) {
    return Fail(TriangulateOutcome::DuplicatePoints, messages::kDuplicatePoints, errMsg, progress);
  }
  // Room for the super-triangle from the start, so that each table is
  // written once and never moved.
  MeshPointTable points;
  points.x.reserve(static_cast<std::size_t>(nn) + 4);
  points.y.reserve(static_cast<std::size_t>(nn) + 4);
  points.x.assign(x.begin(), x.begin() + nn + 1);
  points.y.assign(y.begin(), y.begin() + nn + 1);
  points.x.resize(static_cast<std::size_t>(nn) + 4);
  points.y.resize(static_cast<std::size_t>(nn) + 4);
  progress.update(10);

  std::vector<std::int32_t> corners;
  const BuildMeshResult built = build(points, nn, corners, progress);
  if (built.fault == MeshFault::Cancelled) {
    nt = 0;
    progress.close();
    return TriangulateOutcome::Cancelled;
  }
  if (built.fault != MeshFault::None) {
    nt = 0;
    return Fail(TriangulateOutcome::Failed, messages::kUnexpectedReadFailure, errMsg, progress);
  }
  nt = built.ntri;
  if (nt == 0) return Fail(TriangulateOutcome::AllCollinear, messages::kAllCollinear, errMsg, progress);

  ipt = std::move(corners);
  progress.close();
  return TriangulateOutcome::Meshed;
}

}  // namespace plotvane
