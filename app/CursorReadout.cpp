#include "app/CursorReadout.h"

#include "settings/DrawParameters.h"
#include "settings/NumberText.h"
#include "tools/MeshValueAt.h"

namespace plotvane::app {
namespace {

// An empty setting stands for the data's own extent.
double Edge(const std::string& text, double value, double extent) { return text.empty() ? extent : value; }

}  // namespace

float PixelsToMillimetres(double pixels) { return static_cast<float>(pixels * 25.4 / 96.0); }

std::optional<std::string> CursorReadout(const Document& doc, float X, float Y) {
  // 23 mm and 10.85 mm put the map square on the page; single precision, as
  // the position itself is.
  const float u = static_cast<float>(static_cast<double>(X) - 23.0);
  const float v = static_cast<float>(100.0 - (static_cast<double>(Y) - 10.85));
  if (u < 0.0f || u > 100.0f || v < 0.0f || v > 100.0f || doc.mesh.nt < 3) return std::string();

  const DrawSettings& s = doc.settings;
  const DataRange& r = doc.range;
  const MapWindow w = ReadDrawParameters(s).window;
  const double XL = Edge(s.X1, w.x1, r.xMin);
  const double XR = Edge(s.X2, w.x2, r.xMax);
  const double YB = Edge(s.Y1, w.y1, r.yMin);
  const double YT = Edge(s.Y2, w.y2, r.yMax);
  const float Xm = static_cast<float>(XL + u * (XR - XL) / 100.0);
  const float Ym = static_cast<float>(YB + v * (YT - YB) / 100.0);

  const MeshValue value = MeshValueAt(doc, Xm, Ym);
  switch (value.kind) {
    case MeshValue::Kind::Value:
      return "  X=" + SingleText(Xm) + ",  Y=" + SingleText(Ym) + ",  Z=" + SingleText(value.z);
    case MeshValue::Kind::Outside: return std::string();
    case MeshValue::Kind::Degenerate: return std::nullopt;
  }
  return std::string();
}

}  // namespace plotvane::app
