// Hostile data files through the whole load road. Each case loads a good data
// set first and then the hostile file, and must end with the program's
// message (or a sound one), never a crash or a hang, and with nothing of the
// earlier data set drawn or looked up as if it belonged to the new file.
// Big inputs are generated here, in a temporary folder.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/Capacity.h"
#include "common/ErrorDetails.h"
#include "common/Messages.h"
#include "hostile/HostileSupport.h"

namespace plotvane {
namespace {

using test::RepeatedLines;

constexpr std::string_view kHeader = "X\tY\tZ\r\n";
constexpr std::string_view kTriangle = "X\tY\tZ\r\n0\t0\t1\r\n100\t0\t2\r\n50\t100\t3\r\n";

// The message the user sees for each outcome; empty where there is none.
std::string_view MessageOf(LoadStatus status) {
  switch (status) {
    case LoadStatus::Meshed:
    case LoadStatus::NoPoints:
    case LoadStatus::Cancelled: return {};
    case LoadStatus::InvalidData: return messages::kInvalidData;
    case LoadStatus::TooFewPoints: return messages::kTooFewPoints;
    case LoadStatus::DuplicatePoints: return messages::kDuplicatePoints;
    case LoadStatus::AllCollinear: return messages::kAllCollinear;
    default: return messages::kUnexpectedReadFailure;
  }
}

struct HostileFile {
  const char* name;
  const char* fileName;
  std::function<std::string()> bytes;
  std::vector<LoadStatus> outcomes;  // the sound ones
  std::function<void(const Document&)> check = nullptr;
  std::int16_t skipLines = 0;
  std::function<std::string()> skipPrefixes = nullptr;
};

std::string Fields(int count, std::string_view field) {
  std::string line(field);
  for (int i = 1; i < count; ++i) (line += '\t') += field;
  return line;
}

// The three fields of line followed by more, up to total fields.
std::string Padded(std::string_view line, int total) {
  std::string out(line);
  for (int i = 3; i < total; ++i) out += "\t9";
  return out;
}

std::string Tokens(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += "p" + std::to_string(i) + " ";
  return text;
}

const test::Points& TwelvePoints() {
  static const test::Points points = test::UniformPoints(12, 3);
  return points;
}

void ExpectTwelvePoints(const Document& doc) {
  const test::Points& p = TwelvePoints();
  ASSERT_EQ(doc.points.nn, p.size());
  for (int i = 0; i < p.size(); ++i) {
    EXPECT_EQ(doc.points.dataX[i + 1], p.x[i]);
    EXPECT_EQ(doc.points.dataY[i + 1], p.y[i]);
    EXPECT_EQ(doc.points.dataZ[i + 1], p.z[i]);
  }
}

void ExpectLabels(const Document& doc, std::string_view x, std::string_view y, std::string_view z) {
  EXPECT_EQ(doc.points.labelX, x);
  EXPECT_EQ(doc.points.labelY, y);
  EXPECT_EQ(doc.points.labelZ, z);
}

std::string MixedLineEnds() {
  const std::string crlf = test::PointsText(TwelvePoints());
  std::string out;
  const char* ends[] = {"\r\n", "\n", "\r"};
  int k = 0;
  for (std::size_t pos = 0; pos < crlf.size();) {
    const std::size_t end = crlf.find("\r\n", pos);
    out.append(crlf, pos, end - pos);
    out += ends[k++ % 3];
    pos = end + 2;
  }
  return out;
}

const HostileFile kCases[] = {
    {"EmptyFile", "a.txt", [] { return std::string(); }, {LoadStatus::NoPoints}},
    {"BinaryNoise",
     "a.txt",
     [] { return test::NoiseBytes(1 << 16, 7); },
     {LoadStatus::InvalidData, LoadStatus::ReadFailed}},
    {"BinaryNoiseAsContourFile",
     "a.ctr",
     [] { return test::NoiseBytes(1 << 16, 8); },
     {LoadStatus::InvalidData, LoadStatus::ReadFailed}},
    {"FiftyMegabyteHeaderLine", "a.txt", [] { return std::string(50u << 20, 'x'); }, {LoadStatus::NoPoints}},
    {"MegabyteNumber",
     "a.txt",
     [] { return std::string(kHeader) + std::string(1u << 20, '7') + "\t1\t1\r\n"; },
     {LoadStatus::InvalidData}},
    {"FiftyMegabytesOfSeparators", "a.txt", [] { return std::string(50u << 20, '\t'); }, {LoadStatus::ReadFailed}},
    {"LineLimitExactly",
     "a.txt",
     [] { return std::string(kHeader) + RepeatedLines("1\t2\t3", capacity::kMaxAcceptedLines - 1); },
     // All points equal: read in full (nn = 99 999), then nothing to normalise.
     {LoadStatus::NoRange},
     [](const Document& d) { EXPECT_EQ(d.points.nn, capacity::kMaxAcceptedLines - 1); }},
    {"OneLineBeyondTheLimit",
     "a.txt",
     [] { return std::string(kHeader) + RepeatedLines("1\t2\t3", capacity::kMaxAcceptedLines); },
     {LoadStatus::ReadFailed},
     [](const Document& d) {
       EXPECT_EQ(d.points.nn, 0);
       // The header is line 1: the first line beyond the limit is line 100 001.
       EXPECT_EQ(d.errDetail, details::TooManyLinesText(capacity::kMaxAcceptedLines + 1));
     }},
    {"BlankLinesDoNotCount",
     "a.txt",
     [] { return std::string(kTriangle) + RepeatedLines("", capacity::kMaxAcceptedLines + 5); },
     {LoadStatus::Meshed}},
    {"HundredFields",
     "a.txt",
     [] {
       return Fields(100, "H") + "\r\n" + Padded("0\t0\t1", 100) + "\r\n" + Padded("100\t0\t2", 100) + "\r\n" +
              Padded("50\t100\t3", 100) + "\r\n";
     },
     {LoadStatus::Meshed}},
    {"HundredAndOneFields",
     "a.txt",
     [] { return std::string(kTriangle) + Fields(101, "4") + "\r\n"; },
     {LoadStatus::ReadFailed},
     [](const Document& d) { EXPECT_EQ(d.errDetail, details::TooManyFieldsText(5)); }},
    {"HundredSkipPrefixes",
     "a.txt",
     [] { return std::string(kTriangle); },
     {LoadStatus::Meshed},
     nullptr,
     0,
     [] { return Tokens(100); }},
    {"HundredAndOneSkipPrefixes",
     "a.txt",
     [] { return std::string(kTriangle); },
     {LoadStatus::ReadFailed},
     nullptr,
     0,
     [] { return Tokens(101); }},
    {"SkipLinesBeyondTheFile", "a.txt", [] { return std::string(kTriangle); }, {LoadStatus::NoPoints}, nullptr, 32767},
    {"CrOnlyLineEnds",
     "a.txt",
     [] { return test::PointsText(TwelvePoints(), "\r"); },
     {LoadStatus::Meshed},
     ExpectTwelvePoints},
    {"LfOnlyLineEnds",
     "a.txt",
     [] { return test::PointsText(TwelvePoints(), "\n"); },
     {LoadStatus::Meshed},
     ExpectTwelvePoints},
    {"MixedLineEnds", "a.txt", MixedLineEnds, {LoadStatus::Meshed}, ExpectTwelvePoints},
    {"ByteOrderMark",
     "a.txt",
     [] { return "\xEF\xBB\xBF" + test::PointsText(TwelvePoints()); },
     {LoadStatus::Meshed},
     [](const Document& d) { ExpectLabels(d, "X", "Y", "Z"); }},
    {"Cp932Labels",
     "a.txt",
     // 東西, 南北 and 標高 in code page 932.
     [] { return "\x93\x8C\x90\xBC\t\x93\xEC\x96\x6B\t\x95\x57\x8D\x82\r\n" + std::string(kTriangle.substr(7)); },
     {LoadStatus::Meshed},
     [](const Document& d) { ExpectLabels(d, "東西", "南北", "標高"); }},
    {"InvalidUtf8Labels",
     "a.txt",
     // Not UTF-8, so read as code page 932: 0xFF is no character there, the
     // overlong UTF-8 slash C0 AF is the half-width katakana ﾀｯ, and of the
     // encoded surrogate ED A0 80 the first two bytes form one character.
     [] { return "\xFF\xFE\t\xC0\xAF\t\xED\xA0\x80\r\n" + std::string(kTriangle.substr(7)); },
     {LoadStatus::Meshed},
     [](const Document& d) { ExpectLabels(d, "\uFFFD\uFFFD", "ﾀｯ", "\u605D\uFFFD"); }},
    {"NulInLabel",
     "a.txt",
     [] { return std::string("A\0B\tY\tZ\r\n", 9) + std::string(kTriangle.substr(7)); },
     {LoadStatus::Meshed},
     [](const Document& d) { EXPECT_EQ(d.points.labelX, std::string("A\0B", 3)); }},
    {"NulInNumber",
     "a.txt",
     [] { return std::string(kTriangle) + std::string("1\0002\t3\t4\r\n", 9); },
     {LoadStatus::InvalidData}},
    {"NumberBeyondDouble",
     "a.txt",
     [] { return std::string(kTriangle) + "1e400\t3\t4\r\n"; },
     {LoadStatus::InvalidData}},
    {"NegativeZero",
     "a.txt",
     [] { return "X\tY\tZ\r\n-0\t0\t1\r\n100\t0\t2\r\n50\t100\t3\r\n"; },
     {LoadStatus::Meshed},
     [](const Document& d) { EXPECT_TRUE(std::signbit(d.points.dataX[1])); }},
    {"NegativeZeroDuplicatesZero",
     "a.txt",
     [] { return "X\tY\tZ\r\n-0\t0\t1\r\n100\t0\t2\r\n50\t100\t3\r\n0\t-0\t4\r\n"; },
     {LoadStatus::DuplicatePoints}},
    {"Subnormals",
     "a.txt",
     [] { return "X\tY\tZ\r\n0\t0\t1\r\n4.9e-324\t0\t2\r\n2.5e-323\t1e-310\t3\r\n"; },
     {LoadStatus::Meshed}},
    {"Infinity", "a.txt", [] { return std::string(kTriangle) + "inf\t3\t4\r\n"; }, {LoadStatus::InvalidData}},
    {"NotANumber", "a.txt", [] { return std::string(kTriangle) + "1\tnan\t4\r\n"; }, {LoadStatus::InvalidData}},
    {"RangeBeyondDouble",
     "a.txt",
     [] { return std::string(kTriangle) + "1e308\t3\t4\r\n-1e308\t5\t6\r\n"; },
     {LoadStatus::InvalidData}},
    {"LineOfSpaces", "a.txt", [] { return std::string(kTriangle) + "     \r\n"; }, {LoadStatus::InvalidData}},
    {"HexadecimalNumber", "a.txt", [] { return std::string(kTriangle) + "0x10\t3\t4\r\n"; }, {LoadStatus::InvalidData}},
    {"UnknownExtension", "a.TXT", [] { return std::string(kTriangle); }, {LoadStatus::UnknownKind}},
};

class HostileDataFile : public testing::TestWithParam<HostileFile> {};

TEST_P(HostileDataFile, EndsSoundlyAndLeavesNothingOfTheEarlierData) {
  const HostileFile& c = GetParam();
  test::TempDir dir;
  Document doc;
  const Document earlier = test::LoadGoodFile(dir, doc);
  const SkipOptions skip{c.skipLines, c.skipPrefixes ? c.skipPrefixes() : std::string()};
  const std::string path = dir.write(c.fileName, c.bytes());

  const LoadStatus status = OpenDataFile(path, doc, NullProgress(), skip);
  EXPECT_NE(std::find(c.outcomes.begin(), c.outcomes.end(), status), c.outcomes.end())
      << "unexpected outcome " << static_cast<int>(status);
  EXPECT_EQ(doc.errMsg, MessageOf(status));
  EXPECT_EQ(ShowsErrorMessage(status), !doc.errMsg.empty());
  if (status == LoadStatus::Meshed) {
    test::ExpectSoundMesh(doc);
  } else {
    test::ExpectNothingOfEarlierDataInUse(doc, earlier);
  }
  if (c.check) c.check(doc);
}

INSTANTIATE_TEST_SUITE_P(Cases, HostileDataFile, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<HostileFile>& item) { return item.param.name; });

}  // namespace
}  // namespace plotvane
