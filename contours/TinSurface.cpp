// The mesh as a TIN surface. See TinSurface.h.

#include "contours/TinSurface.h"

#include <ctime>

#include "common/SafeFile.h"
#include "contours/ChunkedText.h"
#include "contours/DxfGroups.h"
#include "contours/FileExtension.h"
#include "settings/NumberText.h"
#include "tools/DistortionLimit.h"

namespace plotvane {
namespace {

std::string XmlEscaped(const std::string& text) {
  std::string out;
  for (const char c : text) {
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default: out += c;
    }
  }
  return out;
}

// LandXML requires the date and time the file was made.
std::string DateAndTime() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[64];
  std::strftime(text, sizeof text, R"(date="%Y-%m-%d" time="%H:%M:%S")", &utc);
  return text;
}

std::string CoordinateSystemElement(CoordinateSystem system) {
  if (!system.chosen()) return {};
  std::string element = "  <CoordinateSystem name=\"" + XmlEscaped(CoordinateSystemName(system)) + "\" epsgCode=\"" +
                        std::to_string(system.epsg) + "\"";
  if (const auto zone = ZoneOf(system)) {
    element += " horizontalDatum=\"JGD2011\" horizontalCoordinateSystemName=\"" + std::to_string(*zone) + "(X,Y)\"";
  }
  return element + "/>\n";
}

void WriteLandXml(const TinSurface& tin, SafeFileWriter& writer, const std::string& name, CoordinateSystem system) {
  ChunkedText out(writer);
  std::string& text = out.text();
  text += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  text += "<LandXML xmlns=\"http://www.landxml.org/schema/LandXML-1.2\" version=\"1.2\" " + DateAndTime() + ">\n";
  text +=
      "  <Units><Metric areaUnit=\"squareMeter\" linearUnit=\"meter\" volumeUnit=\"cubicMeter\" "
      "temperatureUnit=\"celsius\" pressureUnit=\"milliBars\"/></Units>\n";
  text += CoordinateSystemElement(system);
  text += "  <Surfaces>\n    <Surface name=\"" + XmlEscaped(name) + "\">\n      <Definition surfType=\"TIN\">\n";
  text += "        <Pnts>\n";
  for (const TinSurface::Point& p : tin.points) {
    text += "          <P id=\"" + std::to_string(p.id) + "\">" + NumberText(p.y) + ' ' + NumberText(p.x) + ' ' +
            NumberText(p.z) + "</P>\n";
    out.spill();
  }
  text += "        </Pnts>\n        <Faces>\n";
  for (const auto& face : tin.faces) {
    text += "          <F>" + std::to_string(face[0]) + ' ' + std::to_string(face[1]) + ' ' + std::to_string(face[2]) +
            "</F>\n";
    out.spill();
  }
  text += "        </Faces>\n      </Definition>\n    </Surface>\n  </Surfaces>\n</LandXML>\n";
}

void WriteDxfFaces(const TinSurface& tin, SafeFileWriter& writer) {
  std::vector<const TinSurface::Point*> byId;
  DxfExtents extents;
  for (const TinSurface::Point& p : tin.points) {
    if (byId.size() <= static_cast<std::size_t>(p.id)) byId.resize(static_cast<std::size_t>(p.id) + 1);
    byId[static_cast<std::size_t>(p.id)] = &p;
    extents.add({p.x, p.y, p.z});
  }
  ChunkedText out(writer);
  std::string& text = out.text();
  DxfDrawing drawing(text, extents, {{"TIN", 7, 25}}, tin.faces.size());
  for (const auto& face : tin.faces) {
    drawing.beginEntity(text, "3DFACE", "TIN", "AcDbFace");
    for (int corner = 0; corner < 4; ++corner) {
      const TinSurface::Point& p = *byId[static_cast<std::size_t>(face[static_cast<std::size_t>(std::min(corner, 2))])];
      DxfGroup(text, 10 + corner, NumberText(p.x));
      DxfGroup(text, 20 + corner, NumberText(p.y));
      DxfGroup(text, 30 + corner, NumberText(p.z));
    }
    out.spill();
  }
  drawing.finish(text);
}

}  // namespace

TinSurface TinSurfaceOf(const Document& doc) {
  const Mesh& m = doc.mesh;
  const DataRange& r = doc.range;
  const DistortionLimit limit = ReadDistortionLimit(doc.settings);
  std::vector<bool> used(m.meshX.size(), false);
  TinSurface tin;
  for (TriangleIndex k = 1; k <= m.nt; ++k) {
    if (!limit.admits(m.hh[k])) continue;
    const std::array<std::int32_t, 3> face{m.ipt[3 * k - 2], m.ipt[3 * k - 1], m.ipt[3 * k]};
    for (const std::int32_t i : face) used[static_cast<std::size_t>(i)] = true;
    tin.faces.push_back(face);
  }
  for (std::size_t i = 1; i < used.size(); ++i) {
    if (!used[i]) continue;
    // As the page maps the mesh back to the data (render/ContourMesh.h).
    tin.points.push_back({static_cast<std::int32_t>(i), MeshSpanX(r) * m.meshX[i] / 100 + r.xMin,
                          MeshSpanY(r) * m.meshY[i] / 100 + r.yMin, (r.zMax - r.zMin) * m.meshZ[i] / 100 + r.zMin});
  }
  return tin;
}

std::optional<TinFormat> TinFormatOf(const std::string& path) {
  if (HasExtension(path, ".xml")) return TinFormat::LandXml;
  if (HasExtension(path, ".dxf")) return TinFormat::Dxf;
  return std::nullopt;
}

WriteOutcome WriteTinSurface(const TinSurface& tin, const std::string& path, TinFormat format, const std::string& name,
                             CoordinateSystem system) {
  return WriteFileSafely(path, [&](SafeFileWriter& writer) {
    if (format == TinFormat::LandXml) {
      WriteLandXml(tin, writer, name, system);
    } else {
      WriteDxfFaces(tin, writer);
    }
  });
}

}  // namespace plotvane
