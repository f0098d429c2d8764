#pragma once
// The coordinate system a user names for the data's X and Y, so that the GIS
// files can say where the map lies.
//
// A system is an EPSG code that PROJ knows; 0 means none was chosen, and then
// every file is written exactly as without this feature (no system, no
// reprojection). The data's X is taken as east and Y as north whatever axis
// order the EPSG definition lists (Japan's plane rectangular systems list
// north first; --x-north swaps a survey file's columns on loading), so every
// transformation uses the traditional GIS order: x = easting or longitude.
//
// Japan's nineteen plane rectangular zones of JGD2011 are EPSG 6669 (zone I)
// to 6687 (zone XIX); a zone number chooses the code.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/Failure.h"

namespace plotvane {

struct CoordinateSystem {
  std::int32_t epsg = 0;  // 0: none chosen

  bool chosen() const { return epsg != 0; }
  bool operator==(const CoordinateSystem&) const = default;
};

inline constexpr std::int32_t kZoneCount = 19;
inline constexpr std::int32_t kFirstZoneEpsg = 6669;
inline constexpr std::int32_t kWgs84Epsg = 4326;

// The system of a plane rectangular zone, 1..kZoneCount.
inline CoordinateSystem ZoneSystem(std::int32_t zone) { return {kFirstZoneEpsg + zone - 1}; }

// The zone of a system when it is one of the plane rectangular zones.
inline std::optional<std::int32_t> ZoneOf(CoordinateSystem system) {
  const std::int32_t zone = system.epsg - kFirstZoneEpsg + 1;
  if (zone < 1 || zone > kZoneCount) return std::nullopt;
  return zone;
}

// The zone in Roman numerals, as surveys name it ("IX").
std::string ZoneNumeral(std::int32_t zone);

// Reads "EPSG:N" (any letter case). Returns the system, or a usage failure
// when the text is not of that form or PROJ does not know the code.
struct CoordinateSystemRead {
  CoordinateSystem system;
  WriteOutcome failure;
};
CoordinateSystemRead ReadCoordinateSystem(std::string_view text);

// The system's name as PROJ gives it ("JGD2011 / Japan Plane Rectangular CS
// IX"); empty for none or an unknown code.
std::string CoordinateSystemName(CoordinateSystem system);

}  // namespace plotvane
