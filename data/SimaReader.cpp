// The SIMA records: points and parcels. See SimaReader.h.

#include "data/SimaReader.h"

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "common/ErrorDetails.h"
#include "common/TextLines.h"
#include "data/SurveyRead.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

// The records read have six fields at most; the rest of a line is not looked at.
constexpr std::size_t kKeptFields = 6;
using Record = std::array<std::string_view, kKeptFields>;

// Fields by comma, each without its outer spaces; missing ones empty.
Record CutRecord(std::string_view line) {
  Record fields{};
  for (std::size_t i = 0; i < kKeptFields; ++i) {
    const auto comma = line.find(',');
    fields[i] = TrimSpaces(line.substr(0, comma));
    if (comma == std::string_view::npos) break;
    line.remove_prefix(comma + 1);
  }
  return fields;
}

struct KnownPoint {
  std::string name;
  double east = 0.0;
  double north = 0.0;
};

std::string LineText(std::int64_t line) { return std::to_string(line) + " 行目"; }

class SimaRead {
 public:
  explicit SimaRead(Document& doc) : m_doc(doc) {}

  ReadStatus run(std::string_view text) {
    LineCursor cursor(text);
    std::string_view line;
    while (cursor.next(line)) {
      ++m_line;
      const Record record = CutRecord(line);
      if (!take(record)) return FailSurveyRead(m_doc, m_status, std::move(m_detail));
    }
    if (m_parcelOpen) {
      return FailSurveyRead(m_doc, ReadStatus::InvalidData,
                            LineText(m_parcelLine) + "の区画 (D00) が D99 で閉じていません。");
    }
    if (!resolveCorners()) return FailSurveyRead(m_doc, m_status, std::move(m_detail));
    m_doc.survey.loadNote = note();
    const ReadStatus stored = StoreSurveyPoints(std::move(m_points), kEastLabel, kNorthLabel, "H", m_doc);
    if (stored == ReadStatus::Ok) m_doc.points.names = std::move(m_names);
    return stored;
  }

 private:
  bool take(const Record& r) {
    if (r[0] == "A01") return point(r);
    if (r[0] == "D00") return openParcel(r);
    if (r[0] == "B01") return corner(r);
    if (r[0] == "D99") return closeParcel();
    return true;
  }

  bool invalid(std::string detail) {
    m_status = ReadStatus::InvalidData;
    m_detail = std::move(detail);
    return false;
  }

  bool point(const Record& r) {
    if (r[1].empty()) return invalid(LineText(m_line) + "の点に点番号がありません。");
    const auto north = ParseNumber(r[3]);
    if (!north) return invalid(details::InvalidNamedFieldText(m_line, "X", r[3]));
    const auto east = ParseNumber(r[4]);
    if (!east) return invalid(details::InvalidNamedFieldText(m_line, "Y", r[4]));
    const std::string number(r[1]);
    if (!m_known.emplace(number, KnownPoint{std::string(r[2]), *east, *north}).second) {
      return invalid(LineText(m_line) + "の点番号「" + number + "」はすでに使われています。");
    }
    if (r[5].empty()) {
      ++m_withoutHeight;
      return true;
    }
    const auto height = ParseNumber(r[5]);
    if (!height) return invalid(details::InvalidNamedFieldText(m_line, "H", r[5]));
    if (m_points.count() == kMaxSurveyPoints) {
      m_status = ReadStatus::Unexpected;
      m_detail = TooManyPointsText();
      return false;
    }
    m_points.add(*east, *north, *height);
    // The name the data posts write; a point without one goes by its number.
    m_names.push_back(r[2].empty() ? number : std::string(r[2]));
    return true;
  }

  bool openParcel(const Record& r) {
    if (m_parcelOpen) return invalid(LineText(m_line) + "の区画 (D00) の前の区画が D99 で閉じていません。");
    m_parcelOpen = true;
    m_parcelLine = m_line;
    m_parcel = Parcel{std::string(r[1]), std::string(r[2]), {}};
    return true;
  }

  bool corner(const Record& r) {
    if (!m_parcelOpen) return invalid(LineText(m_line) + "の B01 が区画 (D00 から D99) の外にあります。");
    // Where the point lies is known once the whole file is read: a file may
    // list its parcels before its points.
    m_parcel.vertices.push_back(ParcelVertex{std::string(r[1]), std::string(r[2]), 0.0, 0.0});
    m_cornerLines.push_back(m_line);
    return true;
  }

  bool resolveCorners() {
    std::size_t corner = 0;
    for (Parcel& parcel : m_doc.survey.parcels) {
      for (ParcelVertex& vertex : parcel.vertices) {
        const auto known = m_known.find(vertex.number);
        if (known == m_known.end()) {
          return invalid(LineText(m_cornerLines[corner]) + "の点番号「" + vertex.number + "」の点がありません。");
        }
        if (vertex.name.empty()) vertex.name = known->second.name;
        vertex.east = known->second.east;
        vertex.north = known->second.north;
        ++corner;
      }
    }
    return true;
  }

  bool closeParcel() {
    if (!m_parcelOpen) return invalid(LineText(m_line) + "の D99 の前に区画の始まり (D00) がありません。");
    m_parcelOpen = false;
    m_doc.survey.parcels.push_back(std::move(m_parcel));
    return true;
  }

  std::string note() const {
    std::string text = "点 " + std::to_string(m_points.count()) + " 個を読み込みました";
    if (m_withoutHeight > 0) text += " (H のない点 " + std::to_string(m_withoutHeight) + " 個は除きました)";
    if (!m_doc.survey.parcels.empty()) text += "。区画 " + std::to_string(m_doc.survey.parcels.size()) + " 個";
    return text + "。";
  }

  Document& m_doc;
  std::vector<std::string> m_names{std::string()};  // 1-based, beside m_points
  SurveyPoints m_points;
  std::unordered_map<std::string, KnownPoint> m_known;
  std::int64_t m_line = 0;
  std::int64_t m_withoutHeight = 0;
  bool m_parcelOpen = false;
  std::int64_t m_parcelLine = 0;
  Parcel m_parcel;
  std::vector<std::int64_t> m_cornerLines;  // the line of every corner, in order
  ReadStatus m_status = ReadStatus::Ok;
  std::string m_detail;
};

}  // namespace

ReadStatus ReadSima(std::string_view text, Document& doc) {
  doc.survey = SurveyData{};
  return SimaRead(doc).run(text);
}

}  // namespace plotvane
