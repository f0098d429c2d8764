// The LandXML elements the reader follows, fed to expat a piece at a time.
// See LandXmlReader.h.
//
// The handlers keep the names of the open elements (without namespace
// prefixes) and collect the text of P, F and CgPoint; everything else is
// passed over. Collecting stops for a surface that is not the one asked for,
// so a file of many surfaces costs the memory of one.

#include "data/LandXmlReader.h"

#include <expat.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ErrorDetails.h"
#include "data/LandXmlSurface.h"
#include "data/SurveyRead.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

constexpr std::size_t kPieceBytes = std::size_t{1} << 16;
// The text of one P, F or CgPoint: three numbers need far less.
constexpr std::size_t kMaxElementText = 1024;

std::string_view LocalName(const XML_Char* name) {
  const std::string_view text(name);
  const auto colon = text.rfind(':');
  return colon == std::string_view::npos ? text : text.substr(colon + 1);
}

std::optional<std::string_view> Attribute(const XML_Char** attributes, std::string_view wanted) {
  for (const XML_Char** a = attributes; *a; a += 2) {
    if (LocalName(a[0]) == wanted) return std::string_view(a[1]);
  }
  return std::nullopt;
}

// The blank-separated words of a text (blanks: space, tab, line ends).
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  constexpr std::string_view kBlanks = " \t\r\n";
  std::size_t at = text.find_first_not_of(kBlanks);
  while (at != std::string_view::npos) {
    const std::size_t end = std::min(text.find_first_of(kBlanks, at), text.size());
    words.push_back(text.substr(at, end - at));
    at = text.find_first_not_of(kBlanks, end);
  }
  return words;
}

class LandXmlRead {
 public:
  LandXmlRead(const LoadOptions& options, Document& doc) : m_options(options), m_doc(doc) {}

  ReadStatus run(ByteSource& source) {
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr),
                                                                              &XML_ParserFree);
    if (!parser) throw std::bad_alloc();
    m_parser = parser.get();
    XML_SetUserData(m_parser, this);
    XML_SetElementHandler(m_parser, &LandXmlRead::OnStart, &LandXmlRead::OnEnd);
    XML_SetCharacterDataHandler(m_parser, &LandXmlRead::OnText);
    std::vector<char> piece(kPieceBytes);
    for (;;) {
      const std::optional<std::size_t> got = source.read(piece.data(), piece.size());
      if (!got) return FailSurveyRead(m_doc, ReadStatus::CannotOpen, {});
      if (XML_Parse(m_parser, piece.data(), static_cast<int>(*got), *got == 0) == XML_STATUS_ERROR) {
        if (m_detail.empty()) {
          m_detail = lineText() + "を XML として読めません (" + XML_ErrorString(XML_GetErrorCode(m_parser)) + ")。";
        }
        return FailSurveyRead(m_doc, m_status, std::move(m_detail));
      }
      if (*got == 0) break;
    }
    return finish();
  }

 private:
  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    static_cast<LandXmlRead*>(self)->start(LocalName(name), attributes);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char* name) { static_cast<LandXmlRead*>(self)->end(LocalName(name)); }
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    LandXmlRead& read = *static_cast<LandXmlRead*>(self);
    if (!read.m_collecting) return;
    if (read.m_text.size() + static_cast<std::size_t>(length) > kMaxElementText) {
      read.stop(ReadStatus::InvalidData, read.lineText() + "の要素の文字が長すぎます。");
      return;
    }
    read.m_text.append(text, static_cast<std::size_t>(length));
  }

  std::int64_t line() const { return static_cast<std::int64_t>(XML_GetCurrentLineNumber(m_parser)); }
  std::string lineText() const { return std::to_string(line()) + " 行目"; }

  void stop(ReadStatus status, std::string detail) {
    if (!m_detail.empty()) return;
    m_status = status;
    m_detail = std::move(detail);
    XML_StopParser(m_parser, XML_FALSE);
  }

  bool parentIs(std::string_view name) const { return !m_open.empty() && m_open.back() == name; }

  void start(std::string_view name, const XML_Char** attributes) {
    if (name == "CoordinateSystem" && !m_sawCoordinateSystem) {
      m_sawCoordinateSystem = true;
      for (const XML_Char** a = attributes; *a; a += 2) m_doc.survey.coordinateSystem.emplace_back(a[0], a[1]);
    } else if (name == "Surface" && parentIs("Surfaces")) {
      const std::string surfaceName(Attribute(attributes, "name").value_or(""));
      m_surfaceNames.push_back(surfaceName);
      m_inChosenSurface = !m_haveSurface && (m_options.surface.empty() || m_options.surface == surfaceName);
      if (m_inChosenSurface) {
        m_haveSurface = true;
        m_surfaceName = surfaceName;
      }
    } else if (name == "P" && parentIs("Pnts") && m_inChosenSurface) {
      const auto id = Attribute(attributes, "id");
      if (!id || id->empty()) return stop(ReadStatus::InvalidData, lineText() + "の点 (P) に id がありません。");
      m_pointId.assign(*id);
      m_collecting = true;
    } else if (name == "F" && parentIs("Faces") && m_inChosenSurface) {
      m_invisibleFace = Attribute(attributes, "i").value_or("0") == "1";
      m_collecting = true;
    } else if (name == "CgPoint" && parentIs("CgPoints") && !m_haveSurface) {
      m_collecting = true;
    }
    m_text.clear();
    m_open.emplace_back(name);
  }

  void end(std::string_view name) {
    m_open.pop_back();
    if (!m_collecting) {
      if (name == "Surface" && parentIs("Surfaces")) m_inChosenSurface = false;
      return;
    }
    m_collecting = false;
    if (name == "P") return surfacePoint();
    if (name == "F") return face();
    if (name == "CgPoint") return cgPoint();
  }

  // "N E Z" as a point in map order; nullopt (and the read stopped) when a
  // word is not a number. Fewer than three words: nullopt, not stopped.
  std::optional<std::array<double, 3>> coordinates(const std::vector<std::string_view>& words) {
    constexpr std::array<std::string_view, 3> kNames{"N", "E", "Z"};
    std::array<double, 3> v{};
    for (std::size_t k = 0; k < 3 && k < words.size(); ++k) {
      const auto value = ParseNumber(words[k]);
      if (!value) {
        stop(ReadStatus::InvalidData, details::InvalidNamedFieldText(line(), kNames[k], words[k]));
        return std::nullopt;
      }
      v[k] = *value;
    }
    if (words.size() < 3) return std::nullopt;
    return std::array<double, 3>{v[1], v[0], v[2]};
  }

  bool room(PointIndex count) {
    if (count < kMaxSurveyPoints) return true;
    stop(ReadStatus::Unexpected, TooManyPointsText());
    return false;
  }

  void surfacePoint() {
    const std::vector<std::string_view> words = Words(m_text);
    if (words.size() != 3) {
      return stop(ReadStatus::InvalidData,
                  lineText() + "の点「" + m_pointId + "」の座標が三つ (N E Z) ではありません。");
    }
    const auto v = coordinates(words);
    if (!v || !room(m_collected.points.count())) return;
    if (!m_collected.byId.emplace(m_pointId, m_collected.points.count() + 1).second) {
      return stop(ReadStatus::InvalidData, lineText() + "の点の id「" + m_pointId + "」はすでに使われています。");
    }
    m_collected.points.add((*v)[0], (*v)[1], (*v)[2]);
  }

  void face() {
    const std::vector<std::string_view> words = Words(m_text);
    if (words.size() != 3)
      return stop(ReadStatus::InvalidData, lineText() + "の三角形 (F) が三つの点を指していません。");
    if (m_invisibleFace) {
      ++m_invisibleFaces;
      return;
    }
    if (static_cast<TriangleIndex>(m_collected.faces.size()) == capacity::kMaxTriangles) {
      return stop(ReadStatus::Unexpected,
                  "三角形が " + std::to_string(capacity::kMaxTriangles) + " 個を超えています。");
    }
    m_collected.faces.push_back(
        LandXmlFace{{std::string(words[0]), std::string(words[1]), std::string(words[2])}, line()});
  }

  void cgPoint() {
    const std::vector<std::string_view> words = Words(m_text);
    if (words.size() > 3)
      return stop(ReadStatus::InvalidData, lineText() + "の点 (CgPoint) の座標が三つより多くあります。");
    const auto v = coordinates(words);
    if (!m_detail.empty()) return;
    if (!v) {
      ++m_pointsWithoutZ;  // a plan point, no height for the surface
      return;
    }
    // Too many survey points matter only if no surface follows them.
    if (m_cgPoints.count() == kMaxSurveyPoints) {
      m_cgPointsOverflow = true;
      return;
    }
    m_cgPoints.add((*v)[0], (*v)[1], (*v)[2]);
  }

  ReadStatus finish() {
    if (!m_options.surface.empty() && !m_haveSurface) {
      std::string names;
      for (const std::string& n : m_surfaceNames) names += (names.empty() ? "「" : "、「") + n + "」";
      return FailSurveyRead(
          m_doc, ReadStatus::InvalidData,
          "面「" + m_options.surface + "」がありません。" +
              (names.empty() ? std::string("ファイルに面がありません。") : "ある面: " + names + "。"));
    }
    if (!m_haveSurface) {
      if (m_cgPointsOverflow) return FailSurveyRead(m_doc, ReadStatus::Unexpected, TooManyPointsText());
      m_doc.survey.loadNote =
          "点 (CgPoint) " + std::to_string(m_cgPoints.count()) + " 個を読み込みました" +
          (m_pointsWithoutZ > 0 ? " (Z のない点 " + std::to_string(m_pointsWithoutZ) + " 個は除きました)"
                                : std::string()) +
          "。";
      return StoreSurveyPoints(std::move(m_cgPoints), kEastLabel, kNorthLabel, "Z", m_doc);
    }
    ResolvedSurface surface = ResolveSurface(std::move(m_collected));
    if (!surface.error.empty()) return FailSurveyRead(m_doc, ReadStatus::InvalidData, std::move(surface.error));
    m_doc.survey.faces = std::move(surface.faces);
    m_doc.survey.loadNote = "面「" + m_surfaceName + "」: 点 " + std::to_string(surface.points.count()) +
                            " 個、三角形 " + std::to_string(m_doc.survey.faces.size() / 3) + " 個を読み込みました" +
                            note(surface.unusedPoints, "三角形に使われていない点") +
                            note(m_invisibleFaces, "見えない三角形") + "。";
    return StoreSurveyPoints(std::move(surface.points), kEastLabel, kNorthLabel, "Z", m_doc);
  }

  static std::string note(std::int64_t count, std::string_view what) {
    return count > 0 ? " (" + std::string(what) + " " + std::to_string(count) + " 個は除きました)" : std::string();
  }

  const LoadOptions& m_options;
  Document& m_doc;
  XML_Parser m_parser = nullptr;
  std::vector<std::string> m_open;
  std::string m_text;
  bool m_collecting = false;
  bool m_sawCoordinateSystem = false;
  bool m_haveSurface = false;
  bool m_inChosenSurface = false;
  std::string m_surfaceName;
  std::vector<std::string> m_surfaceNames;
  std::string m_pointId;
  bool m_invisibleFace = false;
  std::int64_t m_invisibleFaces = 0;
  std::int64_t m_pointsWithoutZ = 0;
  LandXmlCollected m_collected;  // the surface's points and faces
  SurveyPoints m_cgPoints;       // the survey points, used when the file has no surface
  bool m_cgPointsOverflow = false;
  ReadStatus m_status = ReadStatus::InvalidData;
  std::string m_detail;
};

// Only the open elements and the Surface names: a pass that holds nothing of
// the points, however large the file.
struct SurfaceNameScan {
  std::vector<std::string> open;
  std::vector<std::string> names;

  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    auto& scan = *static_cast<SurfaceNameScan*>(self);
    const std::string_view local = LocalName(name);
    if (local == "Surface" && !scan.open.empty() && scan.open.back() == "Surfaces") {
      scan.names.emplace_back(Attribute(attributes, "name").value_or(""));
    }
    scan.open.emplace_back(local);
  }
  static void XMLCALL OnEnd(void* self, const XML_Char*) { static_cast<SurfaceNameScan*>(self)->open.pop_back(); }
};

}  // namespace

std::vector<std::string> LandXmlSurfaceNames(ByteSource& source) {
  const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(XML_ParserCreate(nullptr), &XML_ParserFree);
  if (!parser) throw std::bad_alloc();
  SurfaceNameScan scan;
  XML_SetUserData(parser.get(), &scan);
  XML_SetElementHandler(parser.get(), &SurfaceNameScan::OnStart, &SurfaceNameScan::OnEnd);
  std::vector<char> piece(kPieceBytes);
  for (;;) {
    const std::optional<std::size_t> got = source.read(piece.data(), piece.size());
    if (!got || XML_Parse(parser.get(), piece.data(), static_cast<int>(*got), *got == 0) == XML_STATUS_ERROR ||
        *got == 0) {
      break;
    }
  }
  return scan.names;
}

ReadStatus ReadLandXml(ByteSource& source, const LoadOptions& options, Document& doc) {
  doc.survey = SurveyData{};
  return LandXmlRead(options, doc).run(source);
}

}  // namespace plotvane
