// GDAL's drivers, messages and spatial references. See GdalSession.h.

#include "contours/GdalSession.h"

#include <cpl_error.h>
#include <gdal.h>
#include <ogr_spatialref.h>

#include <mutex>

namespace plotvane {

void UseGdal() {
  static std::once_flag once;
  std::call_once(once, [] { GDALAllRegister(); });
}

GdalErrorScope::GdalErrorScope() {
  UseGdal();
  CPLPushErrorHandler(CPLQuietErrorHandler);
  CPLErrorReset();
}

GdalErrorScope::~GdalErrorScope() { CPLPopErrorHandler(); }

std::string GdalErrorScope::lastError() const { return CPLGetLastErrorMsg(); }

void SpatialReferenceRelease::operator()(OGRSpatialReference* reference) const {
  if (reference != nullptr) reference->Release();
}

SpatialReference SpatialReferenceOf(CoordinateSystem system) {
  if (!system.chosen()) return nullptr;
  UseGdal();
  SpatialReference reference(new OGRSpatialReference());
  const GdalErrorScope quiet;
  if (reference->importFromEPSG(system.epsg) != OGRERR_NONE) return nullptr;
  reference->SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  return reference;
}

}  // namespace plotvane
