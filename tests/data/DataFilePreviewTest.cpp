// The skip dialog's preview: the part each of the first lines plays under
// the skip count and prefixes, as the load reads them.

#include <gtest/gtest.h>

#include "data/DataFilePreview.h"

namespace plotvane {
namespace {

TEST(PreviewDataLines, EachLineHasThePartTheLoadGivesIt) {
  const std::string text = "Survey 2026\r\n# instrument\r\n\r\nX\tY\tZ\r\n1\t2\t3\r\n# note\r\n4\t5\t6\r\n7\t8\t9\r\n";
  const auto S = PreviewRole::Skipped, H = PreviewRole::Header, D = PreviewRole::Data;
  struct Case {
    int skip;
    const char* prefixes;
    std::vector<PreviewRole> roles;
  };
  const std::vector<Case> cases{
      // Nothing skipped: the title line is taken for the header, the others for data.
      {0, "", {H, D, S, D, D, D, D}},
      {1, "#", {S, S, S, H, D, S, D}},
      // A count past the header makes the first data line the header.
      {4, "#", {S, S, S, S, H, S, D}},
      // A prefix leaves a line out wherever it is; blank lines never count.
      {3, "", {S, S, S, H, D, D, D}},
      {0, "#", {H, S, S, D, D, S, D}},
  };
  for (const Case& c : cases) {
    const std::vector<PreviewLine> lines = PreviewDataLines(text, c.skip, c.prefixes, 7);
    ASSERT_EQ(lines.size(), 7u);
    for (std::size_t k = 0; k < lines.size(); ++k) {
      EXPECT_EQ(lines[k].number, static_cast<std::int64_t>(k) + 1);
      EXPECT_EQ(lines[k].role, c.roles[k]) << "skip " << c.skip << " prefixes '" << c.prefixes << "' line " << k + 1;
    }
  }
  EXPECT_EQ(PreviewDataLines(text, 0, "", 7)[3].text, "X\tY\tZ");
  EXPECT_EQ(PreviewDataLines(text, 0, "", 100).size(), 8u);  // no more lines than the text has
}

}  // namespace
}  // namespace plotvane
