// The metafile writer, checked by reading its files back with an independent
// parser (libUEMF): record safety, header, counts, coordinates, objects,
// pattern bits and text.

#include <gtest/gtest.h>

#include <uemf.h>
#include <uemf_safe.h>
#include <array>
#include <cstring>
#include <map>
#include <numeric>

#include "DemoPage.h"
#include "TraceSink.h"
#include "render/emf/EmfWriter.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/TextMeasurer.h"
#include "support/TempDir.h"

namespace plotvane::emf {
namespace {

using namespace gdi;

// The records of a metafile, each checked by libUEMF as it is read.
struct ParsedEmf {
  std::string bytes;
  std::vector<std::size_t> offsets;
  std::map<std::uint32_t, int> counts;
  bool tiled = false;  // records cover the file exactly

  template <typename T>
  const T& at(std::size_t i) const {
    return *reinterpret_cast<const T*>(bytes.data() + offsets[i]);
  }
  std::uint32_t type(std::size_t i) const { return at<U_EMR>(i).iType; }
  std::vector<std::size_t> ofType(std::uint32_t type) const {
    std::vector<std::size_t> found;
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      if (this->type(i) == type) found.push_back(i);
    }
    return found;
  }
};

ParsedEmf Parse(std::string bytes) {
  ParsedEmf parsed;
  parsed.bytes = std::move(bytes);
  std::size_t at = 0;
  while (at + 8 <= parsed.bytes.size()) {
    const auto* record = reinterpret_cast<const U_EMR*>(parsed.bytes.data() + at);
    if (record->nSize < 8 || record->nSize % 4 != 0 || at + record->nSize > parsed.bytes.size()) break;
    EXPECT_TRUE(U_emf_record_safe(parsed.bytes.data() + at))
        << "record " << parsed.offsets.size() << " type " << record->iType;
    parsed.offsets.push_back(at);
    ++parsed.counts[record->iType];
    at += record->nSize;
  }
  parsed.tiled = at == parsed.bytes.size();
  return parsed;
}

std::vector<U_POINT16> Points16(const ParsedEmf& emf, std::size_t i) {
  const auto& record = emf.at<U_EMRPOLYGON16>(i);
  return std::vector<U_POINT16>(record.apts, record.apts + record.cpts);
}

std::u16string Face(const U_LOGFONT& font) {
  std::u16string face;
  for (const std::uint16_t unit : font.lfFaceName) {
    if (unit == 0) break;
    face.push_back(static_cast<char16_t>(unit));
  }
  return face;
}

class DemoPageFile : public ::testing::Test {
 protected:
  void SetUp() override {
    page = test::MakeDemoPage();
    trace = test::TraceInFrameSpace(page);
    emf = Parse(EncodeEnhMetaFile(page));
  }
  EnhMetaFile page;
  test::TraceSink trace;
  ParsedEmf emf;
};

TEST_F(DemoPageFile, IsATiledSequenceOfSafeRecordsEndingInEof) {
  ASSERT_TRUE(emf.tiled);
  ASSERT_GE(emf.offsets.size(), 3u);
  EXPECT_EQ(emf.type(0), static_cast<std::uint32_t>(U_EMR_HEADER));
  EXPECT_EQ(emf.type(emf.offsets.size() - 1), static_cast<std::uint32_t>(U_EMR_EOF));
  EXPECT_EQ(emf.counts[U_EMR_HEADER], 1);
  EXPECT_EQ(emf.counts[U_EMR_EOF], 1);
}

TEST_F(DemoPageFile, HeaderDescribesThePageAndTheFile) {
  const auto& header = emf.at<U_EMRHEADER>(0);
  EXPECT_EQ(header.dSignature, static_cast<std::uint32_t>(U_ENHMETA_SIGNATURE));
  EXPECT_EQ(header.nBytes, emf.bytes.size());
  EXPECT_EQ(header.nRecords, emf.offsets.size());
  EXPECT_EQ(header.rclFrame.left, 0);
  EXPECT_EQ(header.rclFrame.top, -12620);
  EXPECT_EQ(header.rclFrame.right, 15795);
  EXPECT_EQ(header.rclFrame.bottom, 0);
  EXPECT_EQ(header.szlDevice.cx * 254, header.szlMillimeters.cx * 960) << "96 pixels per 25.4 mm";
  EXPECT_EQ(header.szlDevice.cy * 254, header.szlMillimeters.cy * 960);
  EXPECT_EQ(header.nDescription, 0u);
  // The map's white surround reaches one map width beyond the square, far
  // outside the page; the bounds in device pixels include it.
  EXPECT_LT(header.rclBounds.left, 0);
  EXPECT_GT(header.rclBounds.right, 597);

  std::uint32_t highest = 0;
  for (const std::uint32_t type :
       {U_EMR_CREATEPEN, U_EMR_CREATEBRUSHINDIRECT, U_EMR_CREATEDIBPATTERNBRUSHPT, U_EMR_EXTCREATEFONTINDIRECTW}) {
    for (const std::size_t i : emf.ofType(type)) highest = std::max(highest, emf.at<U_EMRCREATEPEN>(i).ihPen);
  }
  EXPECT_EQ(header.nHandles, highest + 1);
}

TEST_F(DemoPageFile, MapsLogicalUnitsToHundredthsOfAMillimetreDownward) {
  ASSERT_EQ(emf.ofType(U_EMR_SETMAPMODE).size(), 1u);
  EXPECT_EQ(emf.at<U_EMRSETMAPMODE>(emf.ofType(U_EMR_SETMAPMODE)[0]).iMode,
            static_cast<std::uint32_t>(U_MM_ANISOTROPIC));
  const auto& window = emf.at<U_EMRSETWINDOWEXTEX>(emf.ofType(U_EMR_SETWINDOWEXTEX).at(0));
  const auto& viewport = emf.at<U_EMRSETVIEWPORTEXTEX>(emf.ofType(U_EMR_SETVIEWPORTEXTEX).at(0));
  const auto& header = emf.at<U_EMRHEADER>(0);
  EXPECT_EQ(window.szlExtent.cx, header.szlMillimeters.cx * 100);
  EXPECT_EQ(window.szlExtent.cy, header.szlMillimeters.cy * 100) << "same sign as the viewport: y downward";
  EXPECT_EQ(viewport.szlExtent.cx, header.szlDevice.cx);
  EXPECT_EQ(viewport.szlExtent.cy, header.szlDevice.cy);
}

TEST_F(DemoPageFile, HasOneDrawingRecordPerPlayedCall) {
  EXPECT_EQ(emf.counts[U_EMR_POLYGON16] + emf.counts[U_EMR_POLYGON], static_cast<int>(trace.polygons.size()));
  EXPECT_EQ(emf.counts[U_EMR_POLYLINE16], 1);
  EXPECT_EQ(emf.counts[U_EMR_LINETO], 2);
  EXPECT_EQ(emf.counts[U_EMR_MOVETOEX], 1) << "the second line continues from the first";
  EXPECT_EQ(emf.counts[U_EMR_EXTTEXTOUTW], 3);
}

TEST_F(DemoPageFile, PolygonsLandAtTheirPagePositions) {
  // The map's lower band, map (0, 0)..(10000, 5000), is page x 2300..12300,
  // y 1535..6535 upward, which is logical y -1535..-6535 in the file.
  const std::vector<U_POINT16> expected{{2300, -1535}, {12300, -1535}, {12300, -6535}, {2300, -6535}};
  bool found = false;
  for (const std::size_t i : emf.ofType(U_EMR_POLYGON16)) {
    const std::vector<U_POINT16> points = Points16(emf, i);
    if (points.size() == 4 && std::equal(points.begin(), points.end(), expected.begin(),
                                         [](U_POINT16 a, U_POINT16 b) { return a.x == b.x && a.y == b.y; })) {
      found = true;
      const auto& record = emf.at<U_EMRPOLYGON16>(i);
      EXPECT_EQ(record.rclBounds.left, 2300);
      EXPECT_EQ(record.rclBounds.bottom, -1535);
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(DemoPageFile, ObjectsAreCreatedOncePerDistinctStyle) {
  std::vector<std::tuple<std::uint32_t, std::int32_t, std::uint32_t>> pens;
  for (const std::size_t i : emf.ofType(U_EMR_CREATEPEN)) {
    const U_LOGPEN& pen = emf.at<U_EMRCREATEPEN>(i).lopn;
    const std::uint32_t colour = pen.lopnColor.Red | pen.lopnColor.Green << 8 | pen.lopnColor.Blue << 16;
    pens.emplace_back(pen.lopnStyle, pen.lopnWidth.x, colour);
  }
  std::sort(pens.begin(), pens.end());
  EXPECT_EQ(std::adjacent_find(pens.begin(), pens.end()), pens.end()) << "no pen twice";
  EXPECT_TRUE(std::find(pens.begin(), pens.end(), std::make_tuple(0u, 20, 0xFF0000u)) != pens.end())
      << "the low band's width-20 outline in its own colour";
  EXPECT_TRUE(std::find(pens.begin(), pens.end(), std::make_tuple(5u, 0, 0xFFFFFFu)) != pens.end()) << "the null pen";
  EXPECT_EQ(emf.counts[U_EMR_DELETEOBJECT], emf.at<U_EMRHEADER>(0).nHandles - 1) << "everything released at the end";
}

TEST_F(DemoPageFile, PatternBrushCarriesTheBitsBlackAsBlack) {
  const std::vector<std::size_t> patterns = emf.ofType(U_EMR_CREATEDIBPATTERNBRUSHPT);
  ASSERT_EQ(patterns.size(), 1u);
  const char* record = emf.bytes.data() + emf.offsets[patterns[0]];
  const auto& brush = *reinterpret_cast<const U_EMRCREATEDIBPATTERNBRUSHPT*>(record);
  const auto& info = *reinterpret_cast<const U_BITMAPINFOHEADER*>(record + brush.offBmi);
  EXPECT_EQ(info.biWidth, 8);
  EXPECT_EQ(info.biHeight, 8);
  EXPECT_EQ(info.biBitCount, 1);
  const auto* colours = reinterpret_cast<const U_RGBQUAD*>(record + brush.offBmi + info.biSize);
  const auto* bits = reinterpret_cast<const std::uint8_t*>(record + brush.offBits);
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      const int bit = bits[(7 - row) * 4] >> (7 - column) & 1;  // bottom-up rows
      const bool black = colours[bit].Red == 0 && colours[bit].Green == 0 && colours[bit].Blue == 0;
      const bool wanted = (test::kDemoPattern[static_cast<std::size_t>(row)] >> (7 - column) & 1) != 0;
      EXPECT_EQ(black, wanted) << "row " << row << " column " << column;
    }
  }
}

TEST_F(DemoPageFile, FontsKeepTheFaceNameAndScaleToTheFile) {
  const std::vector<std::size_t> fonts = emf.ofType(U_EMR_EXTCREATEFONTINDIRECTW);
  std::vector<std::pair<std::int32_t, std::int32_t>> heightAndEscapement;
  for (const std::size_t i : fonts) {
    const U_LOGFONT& font = emf.at<U_EMREXTCREATEFONTINDIRECTW>(i).elfw.elfLogFont;
    EXPECT_EQ(Face(font), u"ＭＳ Ｐゴシック");
    EXPECT_EQ(font.lfCharSet, 1);
    heightAndEscapement.emplace_back(font.lfHeight, font.lfEscapement);
  }
  // 16 and 12 reference pixels of 2540 / 96 hundredths of a millimetre
  // (423.3 and 317.5), in the order the title uses them.
  ASSERT_EQ(heightAndEscapement.size(), 3u);
  EXPECT_EQ(heightAndEscapement[0], std::make_pair(423, 0));
  EXPECT_NEAR(heightAndEscapement[1].first, 317.5, 0.5);
  EXPECT_EQ(heightAndEscapement[1].second, 0);
  EXPECT_EQ(heightAndEscapement[2], std::make_pair(heightAndEscapement[1].first, 900));
}

TEST_F(DemoPageFile, TextIsAnchoredAlignedClippedAndSpaced) {
  const std::vector<std::size_t> texts = emf.ofType(U_EMR_EXTTEXTOUTW);
  ASSERT_EQ(texts.size(), 3u);
  const char* record = emf.bytes.data() + emf.offsets[texts[0]];
  const auto& text = *reinterpret_cast<const U_EMREXTTEXTOUTW*>(record);
  const std::u16string expected = u"Demo 標高";
  ASSERT_EQ(text.emrtext.nChars, expected.size());
  EXPECT_EQ(std::memcmp(record + text.emrtext.offString, expected.data(), expected.size() * 2), 0);
  EXPECT_EQ(text.emrtext.fOptions & U_ETO_CLIPPED, static_cast<std::uint32_t>(U_ETO_CLIPPED));
  // Centred on the title rectangle 87..465 pixels, its top at pixel 12;
  // a pixel is 2540 / 96 hundredths of a millimetre.
  const double unit = 2540.0 / 96;
  EXPECT_NEAR(text.emrtext.ptlReference.x, 276 * unit, 0.5);
  EXPECT_NEAR(text.emrtext.ptlReference.y, 12 * unit - 12620, 0.5);
  const auto* clip = reinterpret_cast<const U_RECTL*>(record + sizeof(U_EMREXTTEXTOUTW));
  EXPECT_NEAR(clip->left, 87 * unit, 0.5);
  EXPECT_NEAR(clip->right, 465 * unit, 0.5);
  EXPECT_NEAR(clip->top, 12 * unit - 12620, 0.5);
  EXPECT_NEAR(clip->bottom, 28 * unit - 12620, 0.5);
  const std::uint32_t offDx =
      *reinterpret_cast<const std::uint32_t*>(record + sizeof(U_EMREXTTEXTOUTW) + sizeof(U_RECTL));
  const auto* dx = reinterpret_cast<const std::int32_t*>(record + offDx);
  // The estimate: half the 423-unit cell per ASCII character, a full cell per
  // kanji, rounded so that the run keeps its whole width.
  EXPECT_NEAR(dx[0], 211.5, 0.5);
  EXPECT_NEAR(dx[5], 423, 1);
  EXPECT_NEAR(std::accumulate(dx, dx + expected.size(), 0), 4.5 * 423, 0.5);

  // The text-alignment state before the title is centred.
  std::uint32_t align = 0;
  for (std::size_t i = 0; i < texts[0]; ++i) {
    if (emf.type(i) == U_EMR_SETTEXTALIGN) align = emf.at<U_EMRSETTEXTALIGN>(i).iMode;
  }
  EXPECT_EQ(align, static_cast<std::uint32_t>(U_TA_CENTER));
}

TEST(EmfWriter, CoordinatesBeyondSixteenBitsUseTheFullRecords) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, -100, 100, 0});
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  const std::array<POINT, 4> far{POINT{0, 0}, POINT{40000, 0}, POINT{40000, 10}, POINT{0, 10}};
  hdc.Polygon(far);
  hdc.Polyline(far);
  ParsedEmf emf = Parse(EncodeEnhMetaFile(CloseEnhMetaFile(hdc)));
  ASSERT_EQ(emf.ofType(U_EMR_POLYGON).size(), 1u);
  EXPECT_EQ(emf.counts[U_EMR_POLYGON16], 0);
  EXPECT_EQ(emf.counts[U_EMR_POLYLINE], 1);
  const auto& polygon = emf.at<U_EMRPOLYGON>(emf.ofType(U_EMR_POLYGON)[0]);
  EXPECT_EQ(polygon.aptl[1].x, 40000);
  EXPECT_EQ(polygon.aptl[2].y, -10);
}

// A clip is a path selected with RGN_AND after the clip is set to none,
// ended by the same; libUEMF checks each record.
TEST(EmfWriter, AClipIsAPathAndItsEndAnEmptyRegion) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, -100, 100, 0});
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  const std::array<POINT, 4> ring{POINT{10, 10}, POINT{90, 10}, POINT{90, 90}, POINT{10, 90}};
  ASSERT_TRUE(hdc.SelectClipPolygon(ring));
  hdc.Polygon(ring);
  ASSERT_TRUE(hdc.SelectClipNone());
  hdc.Polyline(ring);
  ParsedEmf emf = Parse(EncodeEnhMetaFile(CloseEnhMetaFile(hdc)));
  ASSERT_TRUE(emf.tiled);
  std::vector<std::uint32_t> sequence;
  for (std::size_t i = 0; i < emf.offsets.size(); ++i) {
    const std::uint32_t type = emf.type(i);
    if (type == U_EMR_EXTSELECTCLIPRGN || type == U_EMR_BEGINPATH || type == U_EMR_ENDPATH ||
        type == U_EMR_SELECTCLIPPATH || type == U_EMR_POLYGON16 || type == U_EMR_POLYLINE16) {
      sequence.push_back(type);
    }
  }
  EXPECT_EQ(sequence, (std::vector<std::uint32_t>{U_EMR_EXTSELECTCLIPRGN, U_EMR_BEGINPATH, U_EMR_POLYGON16,
                                                  U_EMR_ENDPATH, U_EMR_SELECTCLIPPATH, U_EMR_POLYGON16,
                                                  U_EMR_EXTSELECTCLIPRGN, U_EMR_POLYLINE16}));
  EXPECT_EQ(emf.at<U_EMRSELECTCLIPPATH>(emf.ofType(U_EMR_SELECTCLIPPATH)[0]).iMode, U_RGN_AND);
  for (const std::size_t i : emf.ofType(U_EMR_EXTSELECTCLIPRGN)) {
    EXPECT_EQ(emf.at<U_EMREXTSELECTCLIPRGN>(i).cbRgnData, 0u);
    EXPECT_EQ(emf.at<U_EMREXTSELECTCLIPRGN>(i).iMode, U_RGN_COPY);
  }
}

TEST(EmfWriter, AnEmptyPictureIsAValidFile) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kPageFrame);
  ParsedEmf emf = Parse(EncodeEnhMetaFile(CloseEnhMetaFile(hdc)));
  EXPECT_TRUE(emf.tiled);
  const auto& header = emf.at<U_EMRHEADER>(0);
  EXPECT_EQ(header.rclBounds.right, -1) << "nothing drawn";
  EXPECT_EQ(header.nHandles, 1);
  EXPECT_TRUE(EncodeEnhMetaFile(EnhMetaFile()).empty());
}

TEST(EmfWriter, CopyWritesTheEncodedBytesOrReportsWhyNot) {
  const test::TempDir dir;
  const EnhMetaFile page = test::MakeDemoPage();
  const std::string path = dir.file("temp0001.emf");
  EXPECT_FALSE(CopyEnhMetaFileA(page, path));
  EXPECT_EQ(test::ReadBytes(path), EncodeEnhMetaFile(page));
  EXPECT_TRUE(CopyEnhMetaFileA(page, dir.file("missing/folder.emf")));
  EXPECT_TRUE(CopyEnhMetaFileA(EnhMetaFile(), dir.file("none.emf")));
  EXPECT_EQ(test::ReadBytes(dir.file("none.emf")), "");
}

}  // namespace
}  // namespace plotvane::emf
