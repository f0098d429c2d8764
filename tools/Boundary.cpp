// Making and removing the boundary mask. See Boundary.h.

#include "tools/Boundary.h"

#include <string>
#include <vector>

#include "data/SiteShapeChecks.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

constexpr std::string_view kBoundaryUnusable = "境界を使えません。";

Failure BoundaryFailure(std::string_view name, std::string_view what) {
  return Failure{FailureKind::LoadFailed, std::string(kBoundaryUnusable),
                 "「" + std::string(name) + "」: " + std::string(what)};
}

// The rings touch the surface: a mesh vertex inside them, or a ring corner or
// edge midpoint on a triangle. Looked up on the mesh as it is, unmasked.
bool MeetsMesh(const Document& doc, const BoundaryMask& mask) {
  const Mesh& mesh = doc.mesh;
  for (std::size_t i = 1; i < mesh.meshX.size(); ++i) {
    if (mask.contains(mesh.meshX[i], mesh.meshY[i])) return true;
  }
  const DistortionLimit limit = ReadDistortionLimit(doc.settings);
  const double width = doc.range.xMax - doc.range.xMin;
  const double height = doc.range.yMax - doc.range.yMin;
  auto onSurface = [&](double xn, double yn) {
    return MeshValueAt(mesh, doc.range, limit, doc.range.xMin + xn / 100.0 * width,
                       doc.range.yMin + yn / 100.0 * height)
               .kind != MeshValue::Kind::Outside;
  };
  for (const MaskRing& ring : mask.rings()) {
    for (std::size_t k = 0; k < ring.size(); ++k) {
      const MaskPoint& a = ring[k];
      const MaskPoint& b = ring[(k + 1) % ring.size()];
      if (onSurface(a.x, a.y) || onSurface((a.x + b.x) / 2, (a.y + b.y) / 2)) return true;
    }
  }
  return false;
}

}  // namespace

std::optional<Failure> ApplyBoundary(Document& doc, const SiteShapes& shapes, std::string_view name) {
  std::vector<MaskRing> rings;
  for (const SiteShape& shape : shapes.shapes) {
    if (!shape.closed) continue;
    MaskRing ring;
    ring.reserve(shape.vertices.size());
    for (const SiteVertex& v : shape.vertices) {
      const NormalisedPoint p = NormalisePoint(doc.range, v.x, v.y);
      if (!p.valid) return BoundaryFailure(name, "データの範囲に広がりがありません。");
      ring.push_back({p.xn, p.yn});
    }
    rings.push_back(std::move(ring));
  }
  if (rings.empty()) return BoundaryFailure(name, "閉じた図形 (境界の多角形) がありません。");
  if (const std::optional<ShapePair> pair = FindRingsOverlapping(shapes)) {
    return BoundaryFailure(name, "閉じた図形どうしが重なっています (" + shapes.shapes[pair->first].where + " と " +
                                     shapes.shapes[pair->second].where + ")。");
  }
  auto mask = std::make_shared<const BoundaryMask>(std::move(rings));
  if (!doc.drawable() || !MeetsMesh(doc, *mask)) {
    return BoundaryFailure(name, "境界がデータの範囲と重なりません。");
  }
  doc.mesh.boundary = std::move(mask);
  return std::nullopt;
}

void ClearBoundary(Document& doc) { doc.mesh.boundary.reset(); }

}  // namespace plotvane
