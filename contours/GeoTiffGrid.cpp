// The GeoTIFF grid. See GeoTiffGrid.h.

#include "contours/GeoTiffGrid.h"

#include <gdal_priv.h>

#include <charconv>
#include <vector>

#include "contours/FileExtension.h"
#include "contours/GdalSession.h"
#include "contours/GridRaster.h"
#include "contours/StagedFiles.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane {
namespace {

constexpr std::int64_t kCheckInterval = 4096;

// The value as the text grids write it, read back.
float TextValue(float z) {
  char text[32];
  const int length = FormatSingle(z, text);
  float value = z;
  std::from_chars(text, text + length, value);
  return value;
}

// Computes one raster row (north to south) into values.
void FillRow(const Document& document, const DistortionLimit& limit, const GridRaster& raster, std::int64_t row,
             float noData, std::vector<float>& values) {
  const double yg = raster.y.centre(row);
  for (std::int64_t column = 1; column <= raster.x.count; ++column) {
    const MeshValue v = MeshValueAt(document.mesh, document.range, limit, raster.x.centre(column), yg);
    values[static_cast<std::size_t>(column - 1)] = v.hasValue() ? TextValue(v.z) : noData;
  }
}

}  // namespace

bool IsGeoTiffName(std::string_view path) { return HasExtension(path, ".tif") || HasExtension(path, ".tiff"); }

WriteOutcome ConvertToGeoTiff(const Document& document, const GridParameters& grid, const std::string& path,
                              CoordinateSystem system, ProgressSink& progress,
                              const std::function<bool()>& cancelRequested) {
  if (WriteOutcome refusal = RasterRefusal(grid, "a GeoTIFF")) return refusal;
  StagedFiles staged(path);
  if (WriteOutcome failure = staged.open()) return failure;
  const GdalErrorScope scope;
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName("GTiff");
  if (driver == nullptr) return staged.gdalFailure("GDAL has no GTiff driver");
  const GridRaster raster = RasterOf(grid);
  char** options = CSLSetNameValue(nullptr, "COMPRESS", "DEFLATE");
  GDALDatasetUniquePtr dataset(driver->Create(staged.mainPath().c_str(), static_cast<int>(raster.x.count),
                                              static_cast<int>(raster.y.count), 1, GDT_Float32, options));
  CSLDestroy(options);
  if (!dataset) return staged.gdalFailure(scope.lastError());
  // North up: the origin is the north-west corner, rows step south.
  double transform[6] = {raster.x.lowEdge(),
                         raster.x.cell(),
                         0,
                         raster.y.lowEdge() + raster.y.cell() * static_cast<double>(raster.y.count),
                         0,
                         -raster.y.cell()};
  dataset->SetGeoTransform(transform);
  if (const SpatialReference reference = SpatialReferenceOf(system)) dataset->SetSpatialRef(reference.get());
  const double noData = NoDataValue(document.range);
  GDALRasterBand* band = dataset->GetRasterBand(1);
  band->SetNoDataValue(noData);

  const DistortionLimit limit = ReadDistortionLimit(document.settings);
  std::vector<float> values(static_cast<std::size_t>(raster.x.count));
  const double total = static_cast<double>(raster.x.count) * static_cast<double>(raster.y.count);
  std::int64_t done = 0, reported = 0;
  progress.prepare(kGridProgressLabel);
  for (std::int64_t row = 1; row <= raster.y.count; ++row) {
    FillRow(document, limit, raster, row, static_cast<float>(noData), values);
    if (band->RasterIO(GF_Write, 0, static_cast<int>(row - 1), static_cast<int>(raster.x.count), 1, values.data(),
                       static_cast<int>(raster.x.count), 1, GDT_Float32, 0, 0) != CE_None) {
      progress.close();
      return staged.gdalFailure(scope.lastError());
    }
    done += raster.x.count;
    if (done - reported < kCheckInterval) continue;
    reported = done;
    if (cancelRequested && cancelRequested()) {
      progress.close();
      return GridCancelled();
    }
    progress.update(100.0 * static_cast<double>(done) / total);
  }
  progress.close();
  dataset.reset();
  if (CPLGetLastErrorType() >= CE_Failure) return staged.gdalFailure(scope.lastError());
  return staged.commit();
}

}  // namespace plotvane
