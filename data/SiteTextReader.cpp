// The plain-text site file. See SiteTextReader.h.

#include "data/SiteTextReader.h"

#include <array>
#include <cstdint>
#include <string>

#include "common/TextLines.h"
#include "data/SiteReadSupport.h"
#include "settings/NumberText.h"

namespace plotvane {
namespace {

constexpr std::string_view kSeparators = "\t, ";

std::string LineText(std::int64_t line) { return std::to_string(line) + " 行目"; }

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == std::string_view::npos; }

// Up to four fields, so that a fourth one is seen and refused; count says how
// many the line has (at most four).
struct Fields {
  std::array<std::string_view, 4> text{};
  std::size_t count = 0;
};

Fields CutFields(std::string_view line) {
  Fields fields;
  std::size_t pos = line.find_first_not_of(kSeparators);
  while (pos != std::string_view::npos && fields.count < fields.text.size()) {
    const std::size_t end = line.find_first_of(kSeparators, pos);
    fields.text[fields.count++] = line.substr(pos, end == std::string_view::npos ? end : end - pos);
    pos = end == std::string_view::npos ? end : line.find_first_not_of(kSeparators, end);
  }
  return fields;
}

class TextShapes {
 public:
  TextShapes(std::string_view name, SiteShapes& out) : m_name(name), m_out(out) {}

  std::optional<Failure> take(std::string_view line) {
    ++m_line;
    if (IsBlank(line)) {
      finishShape();
      return std::nullopt;
    }
    if (line.front() == '#') return std::nullopt;
    const Fields fields = CutFields(line);
    if (fields.count < 2 || fields.count > 3) {
      return SiteFileFailure(m_name, LineText(m_line), "X Y または X Y Z の 2 つか 3 つの数値を書いてください。");
    }
    SiteVertex vertex;
    double* const targets[3] = {&vertex.x, &vertex.y, &vertex.z};
    for (std::size_t i = 0; i < fields.count; ++i) {
      const std::optional<double> value = ParseNumber(fields.text[i]);
      if (!value) {
        return SiteFileFailure(m_name, LineText(m_line),
                               "数値でない値「" + ShownText(fields.text[i]) + "」があります。");
      }
      *targets[i] = *value;
    }
    if (m_shape.vertices.empty()) m_shape.where = LineText(m_line);
    m_shape.vertices.push_back(vertex);
    return std::nullopt;
  }

  void finishShape() {
    if (m_shape.vertices.empty()) return;
    CloseIfRepeated(m_shape);
    m_out.shapes.push_back(std::move(m_shape));
    m_shape = {};
  }

 private:
  std::string_view m_name;
  SiteShapes& m_out;
  SiteShape m_shape;
  std::int64_t m_line = 0;
};

}  // namespace

std::optional<Failure> ReadSiteText(std::string_view text, std::string_view name, SiteShapes& out) {
  TextShapes shapes(name, out);
  LineCursor cursor(text);
  std::string_view line;
  while (cursor.next(line)) {
    if (std::optional<Failure> failure = shapes.take(line)) return failure;
  }
  shapes.finishShape();
  return std::nullopt;
}

}  // namespace plotvane
