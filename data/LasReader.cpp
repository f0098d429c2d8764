// LAS point records, the class filter and the thinning. See LasReader.h.

#include "data/LasReader.h"

#include <array>
#include <bitset>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "data/GridThinning.h"
#include "data/LasHeader.h"
#include "data/SurveyRead.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

// The most points held while the cell is chosen: 24 bytes each, 720 MB.
constexpr std::uint64_t kMaxHeldPoints = 30'000'000;
// Records are read a megabyte at a time.
constexpr std::size_t kChunkBytes = std::size_t{1} << 20;

struct Cloud {
  std::vector<double> x, y, z;
};

class LasRead {
 public:
  LasRead(ByteSource& source, const LoadOptions& options, Document& doc)
      : m_source(source), m_options(options), m_doc(doc) {
    for (const std::int32_t c : options.lasClasses) m_classes.set(static_cast<std::size_t>(c & 0xFF));
  }

  ReadStatus run() {
    if (!readHeader()) return fail();
    if (!readPoints()) return fail();
    return keep();
  }

 private:
  bool refuse(ReadStatus status, std::string detail) {
    m_status = status;
    m_detail = std::move(detail);
    return false;
  }
  ReadStatus fail() { return FailSurveyRead(m_doc, m_status, std::move(m_detail)); }

  // The fixed block of version 1.2 first; its version says how much more
  // belongs to the header, so nothing of the points is read with it.
  bool readHeader() {
    std::string head(kLasHeaderBytes, '\0');
    constexpr std::size_t kBaseBytes = 227;
    std::optional<std::size_t> got = ReadFully(m_source, head.data(), kBaseBytes);
    if (!got) return refuse(ReadStatus::CannotOpen, {});
    std::size_t used = *got;
    const int minor = used == kBaseBytes ? static_cast<unsigned char>(head[25]) : 0;
    const std::size_t wanted = minor == 3 ? 235 : minor == 4 ? kLasHeaderBytes : kBaseBytes;
    if (used == kBaseBytes && wanted > used) {
      got = ReadFully(m_source, head.data() + used, wanted - used);
      if (!got) return refuse(ReadStatus::CannotOpen, {});
      used += *got;
    }
    head.resize(used);
    LasHeaderRead read = ReadLasHeader(head, m_source.size());
    if (!read.header) return refuse(read.compressed ? ReadStatus::Unexpected : ReadStatus::InvalidData, read.error);
    m_header = *read.header;
    m_position = used;
    return true;
  }

  int classOf(const char* record) const {
    const auto byte = static_cast<unsigned char>(record[m_header.pointFormat <= 5 ? 15 : 16]);
    return m_header.pointFormat <= 5 ? (byte & 0x1F) : byte;
  }

  bool readPoints() {
    // Past the variable-length records to the first point.
    std::vector<char> buffer(std::max<std::size_t>(kChunkBytes, m_header.recordLength));
    while (m_position < m_header.pointOffset) {
      const std::size_t step = std::min<std::size_t>(buffer.size(), m_header.pointOffset - m_position);
      const auto got = ReadFully(m_source, buffer.data(), step);
      if (!got) return refuse(ReadStatus::CannotOpen, {});
      if (*got < step) return refuse(ReadStatus::InvalidData, ShortFileText());
      m_position += step;
    }
    const std::size_t length = m_header.recordLength;
    const std::size_t perChunk = buffer.size() / length;
    const std::uint64_t reserve = m_classes.none() ? std::min(m_header.pointCount, kMaxHeldPoints) : 0;
    m_cloud.x.reserve(reserve);
    m_cloud.y.reserve(reserve);
    m_cloud.z.reserve(reserve);
    for (std::uint64_t done = 0; done < m_header.pointCount;) {
      const std::size_t records =
          static_cast<std::size_t>(std::min<std::uint64_t>(perChunk, m_header.pointCount - done));
      const auto got = ReadFully(m_source, buffer.data(), records * length);
      if (!got) return refuse(ReadStatus::CannotOpen, {});
      if (*got < records * length) return refuse(ReadStatus::InvalidData, ShortFileText());
      for (std::size_t r = 0; r < records; ++r) {
        if (!take(buffer.data() + r * length, done + r + 1)) return false;
      }
      done += records;
    }
    return true;
  }

  bool take(const char* record, std::uint64_t number) {
    if (m_classes.any() && !m_classes.test(static_cast<std::size_t>(classOf(record)))) return true;
    if (m_cloud.x.size() == kMaxHeldPoints) {
      return refuse(ReadStatus::Unexpected,
                    "選んだ分類の点が " + std::to_string(kMaxHeldPoints) + " 個を超えています。分類を絞ってください。");
    }
    std::array<std::int32_t, 3> raw;
    std::memcpy(raw.data(), record, sizeof raw);
    std::array<double, 3> v;
    for (std::size_t axis = 0; axis < 3; ++axis) {
      v[axis] = raw[axis] * m_header.scale[axis] + m_header.offset[axis];
      if (!std::isfinite(v[axis])) {
        return refuse(ReadStatus::InvalidData, std::to_string(number) + " 番目の点の座標が大きすぎて計算できません。");
      }
    }
    m_cloud.x.push_back(v[0]);
    m_cloud.y.push_back(v[1]);
    m_cloud.z.push_back(v[2]);
    return true;
  }

  ReadStatus keep() {
    const std::size_t chosen = m_cloud.x.size();
    ThinnedPoints thinned;
    const bool thin = chosen > 0 && (m_options.thinCell > 0 || chosen > static_cast<std::size_t>(kMaxSurveyPoints));
    if (thin) {
      thinned = m_options.thinCell > 0
                    ? ThinOnGrid(m_cloud.x, m_cloud.y, m_options.thinCell)
                    : ThinToAtMost(m_cloud.x, m_cloud.y, static_cast<std::size_t>(kMaxSurveyPoints),
                                   std::fmax(std::fabs(m_header.scale[0]), std::fabs(m_header.scale[1])));
      if (thinned.kept.size() > static_cast<std::size_t>(kMaxSurveyPoints)) {
        m_status = ReadStatus::Unexpected;
        m_detail = "格子 " + NumberText(m_options.thinCell) + " で間引いても点が " +
                   std::to_string(thinned.kept.size()) + " 個残ります。" + TooManyPointsText();
        return fail();
      }
    }
    SurveyPoints points;
    const std::size_t kept = thin ? thinned.kept.size() : chosen;
    points.east.reserve(kept + 1);
    points.north.reserve(kept + 1);
    points.z.reserve(kept + 1);
    for (std::size_t k = 0; k < kept; ++k) {
      const std::size_t i = thin ? thinned.kept[k] : k;
      points.add(m_cloud.x[i], m_cloud.y[i], m_cloud.z[i]);
    }
    m_cloud = Cloud{};  // the cloud's memory goes before the mesh is built
    m_doc.survey.loadNote = "点 " + std::to_string(m_header.pointCount) + " 個を読み、" +
                            (m_classes.any() ? "分類で " + std::to_string(chosen) + " 個を選び、" : std::string()) +
                            std::to_string(kept) + " 個を残しました" +
                            (thin ? " (間引きの格子 " + NumberText(thinned.cell) + ")" : std::string()) + "。";
    return StoreSurveyPoints(std::move(points), "X", "Y", "Z", m_doc);
  }

  static std::string ShortFileText() { return "ファイルがヘッダーの示す点の終わりより前で終わっています。"; }

  ByteSource& m_source;
  const LoadOptions& m_options;
  Document& m_doc;
  std::bitset<256> m_classes;
  LasHeader m_header;
  std::uint64_t m_position = 0;  // bytes read so far
  Cloud m_cloud;
  ReadStatus m_status = ReadStatus::Ok;
  std::string m_detail;
};

}  // namespace

std::optional<std::vector<std::int32_t>> ParseLasClasses(std::string_view text) {
  std::vector<std::int32_t> classes;
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t end = std::min(text.find_first_of(", ", at), text.size());
    const std::string_view word = text.substr(at, end - at);
    at = end + 1;
    if (word.empty()) continue;
    const auto value = ParseNumber(word);
    if (!value || *value != std::floor(*value) || *value < 0 || *value > 255) return std::nullopt;
    classes.push_back(static_cast<std::int32_t>(*value));
  }
  if (classes.empty()) return std::nullopt;
  return classes;
}

ReadStatus ReadLas(ByteSource& source, const LoadOptions& options, Document& doc) {
  doc.survey = SurveyData{};
  return LasRead(source, options, doc).run();
}

}  // namespace plotvane
