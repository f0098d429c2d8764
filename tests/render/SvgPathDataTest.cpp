// The SVG writer's path data and text: numbers as short as they can be, path
// data that a reader following the SVG grammar turns back into exactly the
// points given, and any recorded text made safe for XML.

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "render/svg/SvgPathData.h"
#include "render/svg/SvgText.h"

namespace plotvane::svg {
namespace {

TEST(SvgNumbers, ShortestText) {
  const std::pair<std::int64_t, const char*> table[] = {
      {0, "0"},       {100, "1"},        {150, "1.5"}, {5, ".05"},     {-5, "-.05"},
      {-150, "-1.5"}, {12345, "123.45"}, {-100, "-1"}, {59700, "597"}, {10, ".1"},
  };
  for (const auto& [value, text] : table) {
    std::string out;
    AppendFixed(out, value);
    EXPECT_EQ(out, text) << value;
  }
  const std::pair<double, const char*> plain[] = {
      {0.7559, "0.756"}, {12.0, "12"}, {-0.0001, "0"}, {157.9562, "157.956"}};
  for (const auto& [value, text] : plain) {
    std::string out;
    AppendNumber(out, value);
    EXPECT_EQ(out, text) << value;
  }
  EXPECT_EQ(ToFixed(2.344), 234) << "rounded to nearest";
  EXPECT_EQ(ToFixed(-2.346), -235);
  EXPECT_EQ(ToFixed(std::nan("")), ToFixed(-1e300)) << "no undefined conversion";
}

// A reader of the subset the writer uses: m, z and implicit relative lineto.
std::vector<std::vector<FixedPoint>> ReadPath(const std::string& d) {
  std::vector<std::vector<FixedPoint>> subpaths;
  FixedPoint current, start;
  std::size_t i = 0;
  const auto number = [&]() {
    while (d[i] == ' ') ++i;
    std::size_t end = i;
    if (d[end] == '-') ++end;
    bool point = false;
    while (end < d.size() && (std::isdigit(static_cast<unsigned char>(d[end])) || (d[end] == '.' && !point))) {
      point = point || d[end] == '.';
      ++end;
    }
    const double v = std::stod(d.substr(i, end - i));
    i = end;
    return static_cast<std::int64_t>(std::llround(v * 100));
  };
  while (i < d.size()) {
    const char c = d[i];
    if (c == 'm') {
      ++i;
      FixedPoint p{current.x + number(), 0};
      p.y = current.y + number();
      current = start = p;
      subpaths.push_back({p});
    } else if (c == 'z') {
      ++i;
      current = start;
    } else if (c == ' ') {
      ++i;
    } else {
      FixedPoint p{current.x + number(), 0};
      p.y = current.y + number();
      current = p;
      subpaths.back().push_back(p);
    }
  }
  return subpaths;
}

TEST(SvgPathData, ReadsBackExactlyThePointsGiven) {
  std::mt19937 random(20261207);
  std::uniform_int_distribution<std::int64_t> coordinate(-60000, 60000);
  std::uniform_int_distribution<std::int64_t> near(-150, 150);
  std::vector<std::vector<FixedPoint>> polygons;
  for (int k = 0; k < 500; ++k) {
    std::vector<FixedPoint> polygon{{coordinate(random), coordinate(random)}};
    for (int j = 0; j < 2 + k % 4; ++j)
      polygon.push_back({polygon.back().x + near(random), polygon.back().y + near(random)});
    polygons.push_back(polygon);
  }
  std::string d;
  PathData path(d);
  path.reset();
  for (const auto& polygon : polygons) {
    path.moveTo(polygon.front());
    for (std::size_t j = 1; j < polygon.size(); ++j) path.lineTo(polygon[j]);
    path.close();
  }
  EXPECT_EQ(ReadPath(d), polygons);
}

TEST(SvgText, RecordedTextIsSafeForXml) {
  const std::pair<std::string, std::string> table[] = {
      {"標高(m)", "標高(m)"},
      {"a<b&c>\"d'", "a&lt;b&amp;c&gt;&quot;d&apos;"},
      {"bad\xff\xfe", "bad\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"cut\xe6\xa8", "cut\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"over\xc0\xaf", "over\xEF\xBF\xBD\xEF\xBF\xBD"},
      {"tab\tbell\x07", "tab\tbell "},
      {"ｶﾅ", "ｶﾅ"},
  };
  for (const auto& [text, expected] : table) {
    std::string out;
    AppendXmlText(out, text);
    EXPECT_EQ(out, expected);
  }
}

}  // namespace
}  // namespace plotvane::svg
