// The second phase of reading a data file: the kind, the contour layout, the
// settings, the labels and the points. See DataFileReader.h.
//
// The contour layout is told from the fields of accepted lines 2..13 (a field
// that a line or the file lacks is empty):
// - plain to start with;
// - old when any of lines 2..12 lacks field 1, 2 or 3 (a settings line holds
//   one field only);
// - new when the layout is old and line 13 lacks field 1, or when line 13
//   lacks field 2 or 3 (the fill-mode lines come before the header).
// Old has 12 lines before the points (11 settings lines and the header), new
// has 15, plain 1 as a text data file.

#include "data/DataFileReader.h"

#include <array>
#include <cmath>
#include <new>
#include <optional>
#include <utility>

#include "common/ErrorDetails.h"
#include "common/FileBytes.h"
#include "common/Messages.h"
#include "common/TextDecoding.h"
#include "data/DataFileKind.h"
#include "data/DataFileLines.h"
#include "data/SurveyFileReader.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"

namespace plotvane {
namespace {

enum class ContourLayout { Plain, Old, New };

constexpr int kOldHeaderLines = kSettingsSwitchLines + 1;
constexpr int kNewHeaderLines = kSettingsBlockLines + 1;

bool LacksAny(const AcceptedLines& lines, int i) {
  return lines.field(i, 1).empty() || lines.field(i, 2).empty() || lines.field(i, 3).empty();
}

ContourLayout DecideLayout(const AcceptedLines& lines) {
  ContourLayout layout = ContourLayout::Plain;
  for (int i = 2; i <= kSettingsSwitchLines + 1; ++i) {
    if (LacksAny(lines, i)) layout = ContourLayout::Old;
  }
  const int probe = kSettingsSwitchLines + 2;
  if ((layout == ContourLayout::Old && lines.field(probe, 1).empty()) || lines.field(probe, 2).empty() ||
      lines.field(probe, 3).empty()) {
    layout = ContourLayout::New;
  }
  return layout;
}

// Writes the settings lines of an old or new contour file: field 1 of each.
// The old layout has no fill-mode lines and means the colour fill: it reads as
// a block whose line 12 is "True".
bool ApplyContourSettings(const AcceptedLines& lines, ContourLayout layout, DrawSettings& settings) {
  std::array<std::string_view, kSettingsBlockLines> texts{};
  const int fromFile = layout == ContourLayout::New ? kSettingsBlockLines : kSettingsSwitchLines;
  for (int i = 1; i <= fromFile; ++i) texts[static_cast<std::size_t>(i - 1)] = lines.field(i, 1);
  std::size_t count = static_cast<std::size_t>(fromFile);
  if (layout == ContourLayout::Old) texts[count++] = "True";
  return ApplySettingsLines(settings, std::span(texts.data(), count));
}

// Converts the points after the h header lines; false at the first field
// that is not a number, with the detail naming its line and text.
bool ConvertPoints(const AcceptedLines& lines, int h, PointSet& points, std::string& detail) {
  points.dataX.resize(static_cast<std::size_t>(points.nn) + 1);
  points.dataY.resize(points.dataX.size());
  points.dataZ.resize(points.dataX.size());
  points.lines.assign(points.dataX.size(), 0);
  const std::array<std::vector<double>*, 3> columns{&points.dataX, &points.dataY, &points.dataZ};
  for (PointIndex i = 1; i <= points.nn; ++i) {
    points.lines[static_cast<std::size_t>(i)] = lines.numbers[static_cast<std::size_t>(h + i - 1)];
    for (int column = 1; column <= 3; ++column) {
      const std::string_view field = lines.field(h + i, column);
      const auto value = ParseNumber(field);
      if (!value) {
        detail = details::InvalidFieldText(lines.numbers[static_cast<std::size_t>(h + i - 1)], column, field);
        return false;
      }
      (*columns[static_cast<std::size_t>(column - 1)])[static_cast<std::size_t>(i)] = *value;
    }
  }
  return true;
}

// True when the normalisation (v - min) * 100 / (max - min) stays finite for
// one column: two huge values of opposite sign overflow the range.
bool RangeIsFinite(const std::vector<double>& values, PointIndex nn) {
  if (nn < 1) return true;
  double low = values[1];
  double high = values[1];
  for (PointIndex i = 2; i <= nn; ++i) {
    const double v = values[static_cast<std::size_t>(i)];  // finite: ParseNumber gives no other
    if (v < low) low = v;
    if (v > high) high = v;
  }
  return std::isfinite((high - low) * 100);
}

// Whether bytes are those of something other than text: more than one
// control character in a hundred, and at least eight, among the first 64 KiB.
// Tab, line ends, form feed and the end-of-file mark (1A) of old programs are
// text's own; a stray NUL or bell in a label is let through as before. A
// picture or a program has dozens within its first bytes.
bool LooksBinary(std::string_view bytes) {
  const std::string_view head = bytes.substr(0, 64 * 1024);
  std::size_t control = 0;
  for (const char c : head) {
    const auto b = static_cast<unsigned char>(c);
    if (b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A) ++control;
  }
  return control >= 8 && control * 100 > head.size();
}

ReadStatus Fail(Document& doc, ReadStatus status) {
  doc.points.nn = 0;
  doc.points.lines.clear();
  doc.points.dataX.resize(1);
  doc.points.dataY.resize(1);
  doc.points.dataZ.resize(1);
  doc.errMsg = status == ReadStatus::InvalidData ? messages::kInvalidData : messages::kUnexpectedReadFailure;
  return status;
}

// Everything after the file has been read and decoded: both phases.
ReadStatus Interpret(const std::string& text, std::string_view name, int skipLines,
                     const std::vector<std::string_view>& tokens, const LoadOptions& options, Document& doc) {
  const DataFileKind kind = KindOfDataFile(name);
  // The column choice is a text data file's; a contour file keeps its own.
  const FieldChoice choice = kind == DataFileKind::Text ? options.columns : kFirstThreeFields;
  AcceptedLines lines;
  if (!CollectAcceptedLines(text, skipLines, tokens, lines, choice)) {
    doc.errDetail = lines.refusal;
    return Fail(doc, ReadStatus::Unexpected);
  }

  if (kind == DataFileKind::Other) return ReadStatus::UnknownKind;
  doc.survey = SurveyData{};
  int h = 1;
  if (kind == DataFileKind::Contour) {
    const ContourLayout layout = DecideLayout(lines);
    if (layout != ContourLayout::Plain) {
      if (!ApplyContourSettings(lines, layout, doc.settings)) return Fail(doc, ReadStatus::Unexpected);
      h = layout == ContourLayout::New ? kNewHeaderLines : kOldHeaderLines;
    }
  }

  PointSet& points = doc.points;
  points.labelX.assign(lines.field(h, 1));
  points.labelY.assign(lines.field(h, 2));
  points.labelZ.assign(lines.field(h, 3));
  points.nn = lines.count() > h ? lines.count() - h : 0;

  doc.errMsg = messages::kInvalidData;
  if (!ConvertPoints(lines, h, points, doc.errDetail)) return Fail(doc, ReadStatus::InvalidData);
  const std::array<const std::vector<double>*, 3> columns{&points.dataX, &points.dataY, &points.dataZ};
  for (int column = 1; column <= 3; ++column) {
    if (!RangeIsFinite(*columns[static_cast<std::size_t>(column - 1)], points.nn)) {
      doc.errDetail = details::RangeOverflowText(column);
      return Fail(doc, ReadStatus::InvalidData);
    }
  }
  doc.errMsg.clear();
  if (kind == DataFileKind::Text && options.xNorth) {
    std::swap(points.dataX, points.dataY);
    std::swap(points.labelX, points.labelY);
  }
  return ReadStatus::Ok;
}

// The steps both entry points share. load() gives the file's bytes (a string
// or a view), or nullopt with the reason in its argument when the file cannot
// be read; it runs after the skip
// tokens have been checked, as the file is opened only then.
template <typename LoadBytes>
ReadStatus Read(std::string_view name, const SkipOptions& skip, const LoadOptions& options, Document& doc,
                LoadBytes load) {
  doc.errMsg.clear();
  doc.errDetail.clear();
  const auto tokens = ParseSkipTokens(skip.prefixes);
  if (!tokens) return Fail(doc, ReadStatus::Unexpected);
  try {
    FileReadError error;
    auto bytes = load(error);
    if (!bytes) {
      doc.errDetail = details::CannotReadText(name, error);
      return Fail(doc, ReadStatus::CannotOpen);
    }
    const DataFileKind kind = KindOfDataFile(name);
    if ((kind == DataFileKind::Text || kind == DataFileKind::Contour) && LooksBinary(*bytes)) {
      doc.errDetail = details::NotTextText();
      // Nothing of the file is a column name either: no label of the data before may stay.
      doc.points.labelX.clear();
      doc.points.labelY.clear();
      doc.points.labelZ.clear();
      return Fail(doc, ReadStatus::InvalidData);
    }
    return Interpret(DecodeToUtf8(std::move(*bytes)), name, skip.lines, *tokens, options, doc);
  } catch (const std::bad_alloc&) {
    return Fail(doc, ReadStatus::Unexpected);
  }
}

}  // namespace

ReadStatus ReadDataBytes(std::string_view bytes, std::string_view name, Document& doc, const SkipOptions& skip,
                         const LoadOptions& options) {
  if (const DataFileKind kind = KindOfDataFile(name); IsSurveyKind(kind)) {
    return ReadSurveyBytes(bytes, name, kind, options, doc);
  }
  return Read(name, skip, options, doc, [bytes](FileReadError&) { return std::optional<std::string_view>(bytes); });
}

ReadStatus ReadDataFile(const std::string& path, Document& doc, const SkipOptions& skip, const LoadOptions& options) {
  // A survey file has a reader of its own, some of them reading in pieces:
  // it is not read whole as a text file is.
  if (const DataFileKind kind = KindOfDataFile(path); IsSurveyKind(kind)) {
    return ReadSurveyFile(path, kind, options, doc);
  }
  return Read(path, skip, options, doc, [&path](FileReadError& error) {
    return ReadFileBytes(path, capacity::kMaxDataFileBytes, Oversize::Refuse, &error);
  });
}

}  // namespace plotvane
