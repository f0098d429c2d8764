// UTF-8 passes through, CP932 is converted, damage becomes U+FFFD.

#include <gtest/gtest.h>

#include <string>

#include "common/TextDecoding.h"
#include "common/TextLines.h"

namespace plotvane {
namespace {

struct DecodeCase {
  const char* name;
  std::string bytes;
  std::string text;
};

class DecodeCases : public testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeCases, Decodes) {
  EXPECT_EQ(DecodeToUtf8(std::string_view(GetParam().bytes)), GetParam().text);
  EXPECT_EQ(DecodeToUtf8(std::string(GetParam().bytes)), GetParam().text);  // the buffer handed over
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, DecodeCases,
    testing::Values(DecodeCase{"Ascii", "X\tY\r\n1,2", "X\tY\r\n1,2"}, DecodeCase{"Empty", "", ""},
                    DecodeCase{"Utf8", "テスト 経度", "テスト 経度"},
                    DecodeCase{"Utf8FourBytes", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
                    DecodeCase{"ByteOrderMarkDropped",
                               "\xEF\xBB\xBF"
                               "abc",
                               "abc"},
                    DecodeCase{"OnlyTheFirstMarkDropped", "\xEF\xBB\xBF\xEF\xBB\xBF", "\xEF\xBB\xBF"},
                    DecodeCase{"Cp932", "\x83\x65\x83\x58\x83\x67", "テスト"},
                    DecodeCase{"Cp932HalfWidth", "\xB1\xB2\xB3", "ｱｲｳ"},
                    DecodeCase{"Cp932AsciiUnchanged", "\\~\x83\x65", "\\~テ"},
                    DecodeCase{"Cp932NecExtension", "\x87\x40", "①"},
                    DecodeCase{"BadByteReplacedAndLineEndKept", "\x83\r\n1", "\xEF\xBF\xBD\r\n1"},
                    DecodeCase{"UndefinedByte",
                               "a\xFF"
                               "b",
                               "a\xEF\xBF\xBD"
                               "b"},
                    DecodeCase{"CutOffAtEnd", "a\x83", "a\xEF\xBF\xBD"},
                    // Past the first eight-byte blocks of ASCII, at an odd offset.
                    DecodeCase{"Utf8AfterLongAscii", "X\tY\tZ\r\n0.125\tテ", "X\tY\tZ\r\n0.125\tテ"},
                    DecodeCase{"Cp932AfterLongAscii", "X\tY\tZ\r\n0.125\t\x83\x65", "X\tY\tZ\r\n0.125\tテ"},
                    // Not UTF-8: an overlong form and a surrogate, read as CP932.
                    DecodeCase{"OverlongIsNotUtf8", "\xC0\xAF", "ﾀｯ"},
                    DecodeCase{"SurrogateIsNotUtf8", "\xED\xA0\x80", "恝\xEF\xBF\xBD"},
                    // Valid UTF-8 both ways: the rule weighs what each reading gives.
                    DecodeCase{"HalfWidthKanaPairThatIsValidUtf8", "X\t\xC3\xBD", "X\tﾃｽ"},
                    DecodeCase{"HalfWidthKanaPairsThatAreValidUtf8", "\xC3\xBD\xC4\xB3", "ﾃｽﾄｳ"},
                    DecodeCase{"Utf8KanaBesideLatinLetter", "\xC3\xA9 テ", "\xC3\xA9 テ"},
                    DecodeCase{"Utf8UnitSigns",
                               "T(\xC2\xB0"
                               "C)\t\xC2\xB1\xC2\xB5",
                               "T(\xC2\xB0"
                               "C)\t\xC2\xB1\xC2\xB5"},
                    DecodeCase{"Utf8LatinLetterAfterByteOrderMark",
                               "\xEF\xBB\xBF"
                               "H\xC3\xB6he",
                               "H\xC3\xB6he"},
                    DecodeCase{"Utf8LetterThatCp932CannotRead", "\xC3\xA0\xC3\xA0", "\xC3\xA0\xC3\xA0"},
                    DecodeCase{"LatinLettersAloneReadAsKana", "\xC3\xA9", "ﾃｩ"},
                    DecodeCase{"Utf8LatinLettersInWords", "X\tY\tH\xC3\xB6he\r\nGr\xC3\xB6sse",
                               "X\tY\tH\xC3\xB6he\r\nGr\xC3\xB6sse"},
                    DecodeCase{"Utf8LatinLetterEndingAWord", "Caf\xC3\xA9\t1", "Caf\xC3\xA9\t1"},
                    DecodeCase{"KanaWordsBesideAsciiWordsStayKana", "X\t\xC3\xBD\t\xC4\xB3 Y", "X\tﾃｽ\tﾄｳ Y"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(IsValidUtf8, RejectsMalformedSequences) {
  EXPECT_TRUE(IsValidUtf8("\xF4\x8F\xBF\xBF"));   // U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
  EXPECT_FALSE(IsValidUtf8("\xE3\x83"));          // cut off
  EXPECT_FALSE(IsValidUtf8("\x80"));              // stray continuation
  EXPECT_FALSE(IsValidUtf8("\xE0\x80\x80"));      // overlong three-byte form
}

TEST(LineCursor, SplitsAtEveryKindOfLineEnd) {
  LineCursor cursor("a\r\nb\nc\rd\n\re\r\r\nf");
  std::vector<std::string> lines;
  std::string_view line;
  while (cursor.next(line)) lines.emplace_back(line);
  EXPECT_EQ(lines, (std::vector<std::string>{"a", "b", "c", "d", "", "e", "", "f"}));
}

}  // namespace
}  // namespace plotvane
