// Resolving a LandXML surface's faces. See LandXmlSurface.h.

#include "data/LandXmlSurface.h"

#include <utility>

namespace plotvane {
namespace {

// Twice the signed area of a triangle, positive when its corners run
// anticlockwise with east to the right and north up.
double SignedArea(const SurveyPoints& p, PointIndex a, PointIndex b, PointIndex c) {
  return (p.east[b] - p.east[a]) * (p.north[c] - p.north[a]) - (p.east[c] - p.east[a]) * (p.north[b] - p.north[a]);
}

}  // namespace

ResolvedSurface ResolveSurface(LandXmlCollected&& collected) {
  ResolvedSurface out;
  const SurveyPoints& all = collected.points;
  // New numbers of the used points, 0 while unused.
  std::vector<PointIndex> renumbered(all.east.size(), 0);
  std::vector<PointIndex> corners;
  corners.reserve(collected.faces.size() * 3);
  for (const LandXmlFace& face : collected.faces) {
    for (const std::string& id : face.ids) {
      const auto found = collected.byId.find(id);
      if (found == collected.byId.end()) {
        out.error =
            std::to_string(face.line) + " 行目の三角形が番号「" + id + "」の点を指していますが、その点がありません。";
        return out;
      }
      corners.push_back(found->second);
    }
  }
  // Used points keep their file order.
  for (const PointIndex i : corners) renumbered[static_cast<std::size_t>(i)] = 1;
  for (PointIndex i = 1; i <= all.count(); ++i) {
    if (renumbered[static_cast<std::size_t>(i)] == 0) {
      ++out.unusedPoints;
      continue;
    }
    out.points.add(all.east[i], all.north[i], all.z[i]);
    renumbered[static_cast<std::size_t>(i)] = out.points.count();
  }
  out.faces.reserve(corners.size());
  for (std::size_t k = 0; k + 2 < corners.size(); k += 3) {
    PointIndex a = renumbered[static_cast<std::size_t>(corners[k])];
    PointIndex b = renumbered[static_cast<std::size_t>(corners[k + 1])];
    PointIndex c = renumbered[static_cast<std::size_t>(corners[k + 2])];
    if (SignedArea(out.points, a, b, c) > 0) std::swap(b, c);
    out.faces.insert(out.faces.end(), {a, b, c});
  }
  return out;
}

}  // namespace plotvane
