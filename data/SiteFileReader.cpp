// The site file's format by its name, and the checks. See SiteFileReader.h.

#include "data/SiteFileReader.h"

#include <algorithm>
#include <cctype>
#include <new>

#include "common/ErrorDetails.h"
#include "common/FileBytes.h"
#include "common/TextDecoding.h"
#include "data/DataFileKind.h"
#include "data/Document.h"
#include "data/SiteGdalReader.h"
#include "data/SiteReadSupport.h"
#include "data/SiteShapeChecks.h"
#include "data/SiteTextReader.h"
#include "data/SurveyFileReader.h"

namespace plotvane {
namespace {

enum class SiteFormat { Text, GeoJson, Dxf, Sima };

SiteFormat FormatOf(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  const std::size_t slash = name.find_last_of("/\\");
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return SiteFormat::Text;
  std::string ending(name.substr(dot + 1));
  std::transform(ending.begin(), ending.end(), ending.begin(), [](unsigned char c) { return std::tolower(c); });
  if (ending == "geojson" || ending == "json") return SiteFormat::GeoJson;
  if (ending == "dxf") return SiteFormat::Dxf;
  if (ending == "sim") return SiteFormat::Sima;
  return SiteFormat::Text;
}

// The parcels of a SIMA file, each a ring named by its number.
std::optional<Failure> ReadSiteSima(std::string_view bytes, std::string_view name, SiteShapes& out) {
  Document doc;
  if (ReadSurveyBytes(bytes, name, DataFileKind::Sima, {}, doc) != ReadStatus::Ok) {
    return SiteFileFailure(name, {}, doc.errDetail.empty() ? doc.errMsg : doc.errDetail);
  }
  for (const Parcel& parcel : doc.survey.parcels) {
    SiteShape shape;
    shape.closed = true;
    shape.where = "区画 " + parcel.number;
    for (const ParcelVertex& corner : parcel.vertices) shape.vertices.push_back({corner.east, corner.north});
    CloseIfRepeated(shape);
    shape.closed = true;
    out.shapes.push_back(std::move(shape));
  }
  return std::nullopt;
}

std::optional<Failure> ReadByFormat(std::string_view bytes, std::string_view name, SiteShapes& out) {
  switch (FormatOf(name)) {
    case SiteFormat::GeoJson: return ReadSiteGis(bytes, name, SiteGisFormat::GeoJson, out);
    case SiteFormat::Dxf: return ReadSiteGis(bytes, name, SiteGisFormat::Dxf, out);
    case SiteFormat::Sima: return ReadSiteSima(bytes, name, out);
    case SiteFormat::Text: break;
  }
  return ReadSiteText(DecodeToUtf8(bytes), name, out);
}

}  // namespace

std::optional<Failure> ReadSiteBytes(std::string_view bytes, std::string_view name, SiteShapes& out) {
  out.shapes.clear();
  std::optional<Failure> failure;
  try {
    failure = ReadByFormat(bytes, name, out);
    if (!failure) failure = CheckSiteShapes(out, name);
  } catch (const std::bad_alloc&) {
    failure = Failure{FailureKind::LoadFailed, std::string(kSiteFileUnusable),
                      details::FileReadErrorText({FileReadError::Kind::OutOfMemory})};
  }
  if (failure) out.shapes.clear();
  return failure;
}

std::optional<Failure> ReadSiteFile(const std::string& path, SiteShapes& out) {
  out.shapes.clear();
  FileReadError error;
  const std::optional<std::string> bytes = ReadFileBytes(path, capacity::kMaxDataFileBytes, Oversize::Refuse, &error);
  if (!bytes) {
    return Failure{FailureKind::CannotOpen, std::string(kSiteFileUnusable), details::CannotReadText(path, error)};
  }
  return ReadSiteBytes(*bytes, path, out);
}

}  // namespace plotvane
