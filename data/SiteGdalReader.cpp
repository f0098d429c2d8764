// GeoJSON and DXF site files through OGR. See SiteGdalReader.h.

#include "data/SiteGdalReader.h"

#include <algorithm>

#include <cpl_error.h>
#include <cpl_vsi.h>
#include <gdal.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>

#include "data/SiteReadSupport.h"

namespace plotvane {
namespace {

// GDAL's messages stay off the terminal; the last one becomes the detail.
class QuietGdal {
 public:
  QuietGdal() {
    static std::once_flag once;
    std::call_once(once, [] { GDALAllRegister(); });
    CPLPushErrorHandler(CPLQuietErrorHandler);
    CPLErrorReset();
  }
  ~QuietGdal() { CPLPopErrorHandler(); }
  QuietGdal(const QuietGdal&) = delete;
  QuietGdal& operator=(const QuietGdal&) = delete;
};

// The bytes as a file of GDAL's memory file system, removed again at the end.
class MemoryFile {
 public:
  MemoryFile(std::string_view bytes, SiteGisFormat format) {
    static std::atomic<unsigned> serial{0};
    m_path = "/vsimem/plotvane-site-" + std::to_string(serial++) + (format == SiteGisFormat::Dxf ? ".dxf" : ".geojson");
    // GDAL reads the buffer in place and does not own it.
    auto* data = reinterpret_cast<GByte*>(const_cast<char*>(bytes.data()));
    VSIFCloseL(VSIFileFromMemBuffer(m_path.c_str(), data, static_cast<vsi_l_offset>(bytes.size()), FALSE));
  }
  ~MemoryFile() { VSIUnlink(m_path.c_str()); }
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

struct DatasetClose {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};

class GeometryShapes {
 public:
  explicit GeometryShapes(SiteShapes& out) : m_out(out) {}

  void add(const OGRGeometry& geometry, const std::string& where) {
    switch (wkbFlatten(geometry.getGeometryType())) {
      case wkbPoint:
      case wkbMultiPoint: ++m_points; return;
      case wkbLineString:
      case wkbLinearRing: addCurve(*geometry.toLineString(), false, where); return;
      case wkbPolygon:
        for (const OGRLinearRing* ring : *geometry.toPolygon()) addCurve(*ring, true, where);
        return;
      case wkbMultiLineString:
      case wkbMultiPolygon:
      case wkbGeometryCollection:
        for (const OGRGeometry* part : *geometry.toGeometryCollection()) add(*part, where);
        return;
      default: break;
    }
    // Curves and surfaces of arcs: their straight-piece form.
    if (geometry.hasCurveGeometry()) {
      const std::unique_ptr<OGRGeometry> linear(geometry.getLinearGeometry());
      if (linear) add(*linear, where);
    }
  }

  long points() const { return m_points; }

 private:
  void addCurve(const OGRSimpleCurve& curve, bool ring, const std::string& where) {
    SiteShape shape;
    shape.closed = ring;
    shape.where = where;
    const bool hasZ = curve.Is3D();
    shape.vertices.reserve(static_cast<std::size_t>(curve.getNumPoints()));
    for (int i = 0; i < curve.getNumPoints(); ++i) {
      SiteVertex vertex{curve.getX(i), curve.getY(i)};
      if (hasZ) vertex.z = curve.getZ(i);
      shape.vertices.push_back(vertex);
    }
    CloseIfRepeated(shape);
    m_out.shapes.push_back(std::move(shape));
  }

  SiteShapes& m_out;
  long m_points = 0;
};

}  // namespace

std::optional<Failure> ReadSiteGis(std::string_view bytes, std::string_view name, SiteGisFormat format,
                                   SiteShapes& out) {
  // A text DXF's lines end in LF or CR LF and hold no NUL. GDAL's reader
  // loops for ever on a CR that ends no line, so a file with one (or a NUL)
  // is refused here. A binary DXF starts with its own sentinel and is left
  // to GDAL.
  constexpr std::string_view kBinaryDxf = "AutoCAD Binary DXF";
  if (format == SiteGisFormat::Dxf && !bytes.starts_with(kBinaryDxf)) {
    for (std::size_t k = 0; k < bytes.size(); ++k) {
      const bool loneReturn = bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n');
      if (bytes[k] != '\0' && !loneReturn) continue;
      const auto line = 1 + std::count(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(k), '\n');
      return SiteFileFailure(name, std::to_string(line) + " 行目",
                             "行の区切りでない CR か文字でないバイトがあり、DXF として読めません。");
    }
  }
  const QuietGdal quiet;
  const MemoryFile file(bytes, format);
  const char* const drivers[] = {format == SiteGisFormat::Dxf ? "DXF" : "GeoJSON", nullptr};
  const std::unique_ptr<GDALDataset, DatasetClose> dataset(GDALDataset::FromHandle(
      GDALOpenEx(file.path().c_str(), GDAL_OF_VECTOR | GDAL_OF_READONLY, drivers, nullptr, nullptr)));
  if (!dataset) {
    const std::string reason = CPLGetLastErrorMsg();
    return SiteFileFailure(name, {},
                           (format == SiteGisFormat::Dxf ? "DXF として読めません。" : "GeoJSON として読めません。") +
                               (reason.empty() ? std::string() : " (" + ShownText(reason) + ")"));
  }
  GeometryShapes shapes(out);
  long featureNumber = 0;
  for (OGRLayer* layer : dataset->GetLayers()) {
    for (const auto& feature : *layer) {
      ++featureNumber;
      if (const OGRGeometry* geometry = feature->GetGeometryRef()) {
        shapes.add(*geometry, "地物 " + std::to_string(featureNumber));
      }
    }
  }
  if (out.shapes.empty() && shapes.points() > 0) {
    return SiteFileFailure(name, {}, "点しかありません。境界やブレークラインには線か多角形が要ります。");
  }
  return std::nullopt;
}

}  // namespace plotvane
