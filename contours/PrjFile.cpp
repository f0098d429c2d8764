// The .prj beside a file. See PrjFile.h.

#include "contours/PrjFile.h"

#include <ogr_spatialref.h>

#include "common/SafeFile.h"
#include "contours/GdalSession.h"

namespace plotvane {

std::string PrjNameOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  const auto dot = path.find_last_of('.');
  const bool extended = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
  return (extended ? path.substr(0, dot) : path) + ".prj";
}

WriteOutcome WritePrjBeside(const std::string& path, CoordinateSystem system) {
  const SpatialReference reference = SpatialReferenceOf(system);
  const GdalErrorScope scope;
  char* wkt = nullptr;
  const char* const options[] = {"FORMAT=WKT1_ESRI", nullptr};
  if (!reference || reference->exportToWkt(&wkt, options) != OGRERR_NONE) {
    CPLFree(wkt);
    return Failure{FailureKind::WriteFailed, "座標系を書き出せません。", scope.lastError()};
  }
  const std::string text(wkt);
  CPLFree(wkt);
  return WriteFileSafely(PrjNameOf(path), text);
}

}  // namespace plotvane
