// The PDF file's body read back by hand: every object where the
// cross-reference table says, content streams inflated back to the content
// in order however it was cut, the characters each text carries, and
// polygons merged into one path only where that fills the same.

#include <gtest/gtest.h>

#define ZLIB_CONST
#include <zlib.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "render/pdf/PdfContent.h"
#include "render/pdf/PdfContentStreams.h"
#include "render/pdf/PdfFile.h"

namespace plotvane::pdf {
namespace {

std::string Inflate(std::string_view packed) {
  z_stream z{};
  inflateInit(&z);
  z.next_in = reinterpret_cast<const Bytef*>(packed.data());
  z.avail_in = static_cast<uInt>(packed.size());
  std::string out;
  char buffer[1 << 15];
  int status = Z_OK;
  while (status == Z_OK) {
    z.next_out = reinterpret_cast<Bytef*>(buffer);
    z.avail_out = sizeof buffer;
    status = inflate(&z, Z_NO_FLUSH);
    out.append(buffer, sizeof buffer - z.avail_out);
  }
  inflateEnd(&z);
  EXPECT_EQ(status, Z_STREAM_END);
  return out;
}

// A whole file: its objects' offsets from the cross-reference table, each
// checked to start its object.
struct ReadFile {
  std::string bytes;
  std::vector<std::size_t> offsets;  // of object n at n

  void readXref() {
    const std::size_t start = std::stoul(bytes.substr(bytes.rfind("startxref\n") + 10));
    ASSERT_EQ(bytes.compare(start, 7, "xref\n0 "), 0);
    std::istringstream table(bytes.substr(start + 7));
    std::size_t count = 0;
    table >> count;
    offsets.assign(count, 0);
    std::string offset, generation, kind;
    for (std::size_t n = 0; n < count; ++n) {
      table >> offset >> generation >> kind;
      offsets[n] = std::stoul(offset);
      if (n == 0) continue;
      const std::string head = std::to_string(n) + " 0 obj\n";
      EXPECT_EQ(bytes.compare(offsets[n], head.size(), head), 0) << "object " << n;
    }
  }
  // The inflated data of stream object n, its /Length checked.
  std::string stream(int n) const {
    const std::size_t at = offsets[static_cast<std::size_t>(n)];
    const std::size_t length = std::stoul(bytes.substr(bytes.find("/Length ", at) + 8));
    const std::size_t data = bytes.find(">>\nstream\n", at) + 10;
    EXPECT_EQ(bytes.compare(data + length, 10, "\nendstream"), 0) << "object " << n;
    return Inflate(std::string_view(bytes).substr(data, length));
  }
};

// The content made by draw on a page, as a reader takes it.
template <typename Draw>
std::string ContentOf(const PdfFonts& fonts, Draw draw) {
  ReadFile file;
  std::vector<int> objects;
  {
    PdfFile pdf([&file](std::string_view bytes) { file.bytes += bytes; });
    PdfContentStreams streams(pdf);
    PdfContent content(fonts, streams, 100.0);
    draw(content);
    content.finish();
    objects = streams.finish();
    pdf.finish(objects.front());
  }
  file.readXref();
  std::string all;
  for (const int n : objects) all += file.stream(n);
  return all;
}

// Glyphs of ten units a byte.
class BoxFonts final : public PdfFonts {
 public:
  ShapedText shape(const gdi::LOGFONT&, double, std::string_view text) const override {
    ShapedText shaped{10.0 * static_cast<double>(text.size()), 8.0, 2.0, {}};
    for (std::size_t i = 0; i < text.size(); ++i) {
      shaped.glyphs.push_back(
          PlacedGlyph{0, static_cast<unsigned char>(text[i]), 10.0 * static_cast<double>(i), 0.0, 1.0});
    }
    return shaped;
  }
  GlyphOutline outline(std::uint32_t, std::uint32_t) const override { return {}; }
};

TEST(PdfFile, ContentStreamsGiveBackTheContentInOrder) {
  std::mt19937 rng(5);
  std::vector<std::string> pieces;
  std::string expected;
  for (int k = 0; k < 300; ++k) {
    std::string piece;
    const int lines = std::uniform_int_distribution<int>(0, 3000)(rng);
    for (int i = 0; i < lines; ++i) piece += std::to_string(rng() % 100000) + ' ' + std::to_string(rng() % 9) + " l\n";
    expected += piece;
    pieces.push_back(piece);
  }
  ReadFile file;
  std::vector<int> objects;
  {
    PdfFile pdf([&file](std::string_view bytes) { file.bytes += bytes; });
    PdfContentStreams streams(pdf);
    for (std::string& piece : pieces) {
      streams.write(piece);
      EXPECT_TRUE(piece.empty());
    }
    objects = streams.finish();
    pdf.finish(objects.front());
  }
  EXPECT_GT(objects.size(), 4u) << "cut into several streams";
  file.readXref();
  std::string content;
  for (const int n : objects) content += file.stream(n);
  EXPECT_EQ(content, expected);
}

TEST(PdfFile, EveryTextCarriesItsCharactersAsUtf16) {
  const struct {
    const char* text;
    const char* actual;  // ActualText
    const char* codes;   // the invisible characters
  } cases[] = {
      {"A", "<FEFF0041>", "<0041>"},
      {"標高", "<FEFF6A199AD8>", "<6A199AD8>"},
      {"ｶﾅ", "<FEFFFF76FF85>", "<FF76FF85>"},
      {"\xF0\x9F\x98\x80", "<FEFFD83DDE00>", "<FFFD>"},  // beyond 16 bits: a surrogate pair
      {"a\xFF"
       "b",
       "<FEFF0061FFFD0062>", "<0061FFFD0062>"},  // not UTF-8: the replacement character
  };

  for (const auto& c : cases) {
    const std::string content = ContentOf(BoxFonts(), [&](PdfContent& page) {
      page.text(gdi::TextRun{gdi::PointF{100, 200}, gdi::TextAlign::Left, false, {}, c.text});
    });
    EXPECT_NE(content.find(std::string("/Span <</ActualText ") + c.actual + ">> BDC"), std::string::npos)
        << c.text << ":\n"
        << content;
    EXPECT_NE(content.find("EMC"), std::string::npos);
    EXPECT_NE(content.find(std::string("Tm ") + c.codes + " Tj"), std::string::npos) << c.text << ":\n" << content;
    EXPECT_NE(content.find("3 Tr"), std::string::npos) << "invisible";
  }
}

// The signed areas of the subpaths of a content's paths, y downward.
std::vector<double> SubpathAreas(const std::string& content) {
  std::istringstream in(content);
  std::vector<double> areas, numbers;
  std::vector<std::pair<double, double>> ring;
  std::string token;
  while (in >> token) {
    if (token == "m") ring.clear();
    if (token == "m" || token == "l") ring.emplace_back(numbers[numbers.size() - 2], numbers.back());
    if (token == "h") {
      double sum = 0;
      for (std::size_t i = 0, j = ring.size() - 1; i < ring.size(); j = i++) {
        sum += ring[j].first * ring[i].second - ring[i].first * ring[j].second;
      }
      areas.push_back(sum);
    }
    char* end = nullptr;
    const double value = std::strtod(token.c_str(), &end);
    if (*end == '\0') numbers.push_back(value);
  }
  return areas;
}

TEST(PdfFile, PolygonsShareAPathOnlyWhereItFillsTheSame) {
  std::mt19937 rng(9);
  for (int round = 0; round < 50; ++round) {
    // Convex quadrilaterals around random centres, either way round.
    std::vector<std::vector<gdi::PointF>> quads;
    for (int k = 0; k < 6; ++k) {
      std::uniform_real_distribution<double> place(0.0, 1000.0), size(5.0, 50.0);
      const double x = place(rng), y = place(rng), r = size(rng);
      std::vector<gdi::PointF> q = {{x - r, y}, {x, y - r}, {x + r, y}, {x, y + r}};
      if (rng() % 2) std::reverse(q.begin(), q.end());
      quads.push_back(q);
    }
    const std::vector<gdi::PointF> notConvex = {{0, 0}, {100, 0}, {50, 20}, {100, 100}, {0, 100}};
    const std::string content = ContentOf(BoxFonts(), [&](PdfContent& page) {
      page.setPen(gdi::LOGPEN{gdi::PenStyle::PS_NULL, 0, 0}, 0.0);
      page.setBrush(gdi::LOGBRUSH{gdi::BrushStyle::BS_SOLID, gdi::RGB(0, 0, 255), {}});
      for (const auto& q : quads) page.polygon(q);
      page.polygon(notConvex);
    });
    EXPECT_EQ(content.find("\nf\n"), content.rfind("\nf\n")) << "one path for the quadrilaterals";
    EXPECT_NE(content.find("\nf*\n"), std::string::npos) << "its own even-odd path for the concave one";
    const std::vector<double> areas = SubpathAreas(content);
    ASSERT_EQ(areas.size(), quads.size() + 1);
    for (std::size_t k = 0; k < quads.size(); ++k) EXPECT_GT(areas[k], 0) << "all turned the same way";
  }
}

}  // namespace
}  // namespace plotvane::pdf
