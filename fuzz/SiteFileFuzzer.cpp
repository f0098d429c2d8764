// Fuzzes the site-file reader through ReadSiteBytes: the first byte picks the
// format (text, GeoJSON, DXF, SIMA), the rest is the file's bytes.
// Properties: a read that succeeds hands over at least one shape, every
// coordinate finite, every open line of two distinct points or more, every
// ring of three or more that does not cross itself; a read that fails hands
// over nothing and says why.

#include <array>
#include <cmath>
#include <string>

#include "data/SiteFileReader.h"
#include "data/SiteShapeChecks.h"
#include "fuzz/FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  if (size == 0) return 0;
  constexpr std::array<const char*, 4> kNames{"site.txt", "site.geojson", "site.dxf", "site.sim"};
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  SiteShapes shapes;
  const std::optional<Failure> failure = ReadSiteBytes(bytes, kNames[data[0] % kNames.size()], shapes);
  if (failure) {
    fuzz::Require(shapes.shapes.empty(), "a failed read hands over nothing");
    fuzz::Require(!failure->message.empty() && !failure->detail.empty(), "a failed read says why");
    return 0;
  }
  fuzz::Require(!shapes.shapes.empty(), "a read hands over a shape");
  for (const SiteShape& shape : shapes.shapes) {
    fuzz::Require(shape.vertices.size() >= (shape.closed ? 3u : 2u), "a shape has its points");
    for (const SiteVertex& v : shape.vertices) {
      fuzz::Require(std::isfinite(v.x) && std::isfinite(v.y) && !std::isinf(v.z), "a vertex lies somewhere");
    }
    if (shape.closed) fuzz::Require(!FindSelfIntersection(shape), "a ring does not cross itself");
  }
  return 0;
}
