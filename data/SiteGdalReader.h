#pragma once
// GeoJSON and DXF site files through GDAL's vector drivers for those two
// formats only. The bytes are handed to GDAL as an in-memory file, so the
// bound and the refusal of devices and FIFOs are those of every other read.
//
// Polygons give their rings (outer and holes) as rings; lines give open
// lines, or rings when their last vertex repeats the first (a closed DXF
// polyline arrives that way); curves are first cut into straight pieces by
// GDAL. Points are skipped; a file of nothing but points fails, as does a
// file GDAL cannot read as the format its name says.

#include <optional>
#include <string_view>

#include "common/Failure.h"
#include "data/SiteShapes.h"

namespace plotvane {

enum class SiteGisFormat { GeoJson, Dxf };

// Appends the shapes of the file's every layer and feature to out.
std::optional<Failure> ReadSiteGis(std::string_view bytes, std::string_view name, SiteGisFormat format,
                                   SiteShapes& out);

}  // namespace plotvane
