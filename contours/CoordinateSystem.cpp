// Reading and naming coordinate systems. See CoordinateSystem.h.

#include "contours/CoordinateSystem.h"

#include <ogr_spatialref.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>

#include "contours/GdalSession.h"

namespace plotvane {

std::string ZoneNumeral(std::int32_t zone) {
  static constexpr std::array<const char*, kZoneCount> kNumerals{"I",    "II",  "III",  "IV",    "V",   "VI",   "VII",
                                                                 "VIII", "IX",  "X",    "XI",    "XII", "XIII", "XIV",
                                                                 "XV",   "XVI", "XVII", "XVIII", "XIX"};
  if (zone < 1 || zone > kZoneCount) return {};
  return kNumerals[static_cast<std::size_t>(zone - 1)];
}

CoordinateSystemRead ReadCoordinateSystem(std::string_view text) {
  const auto refusal = [&](const std::string& why) {
    return CoordinateSystemRead{{}, Failure{FailureKind::Usage, std::string(text) + ": " + why, {}}};
  };
  constexpr std::string_view kPrefix = "epsg:";
  const bool prefixed = text.size() > kPrefix.size() &&
                        std::equal(kPrefix.begin(), kPrefix.end(), text.begin(),
                                   [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
  if (!prefixed) return refusal("a coordinate system is written EPSG:N");
  const std::string_view digits = text.substr(kPrefix.size());
  std::int32_t code = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
  if (error != std::errc() || end != digits.data() + digits.size() || code <= 0) {
    return refusal("a coordinate system is written EPSG:N");
  }
  const CoordinateSystem system{code};
  if (!SpatialReferenceOf(system)) return refusal("PROJ does not know this EPSG code");
  return {system, std::nullopt};
}

std::string CoordinateSystemName(CoordinateSystem system) {
  const SpatialReference reference = SpatialReferenceOf(system);
  if (!reference) return {};
  const char* name = reference->GetName();
  return name != nullptr ? name : "";
}

}  // namespace plotvane
