// What a recording device context keeps: selections, deletions, points,
// text, mapping modes, played pictures, and how compact the records are.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>

#include "DemoPage.h"
#include "TraceSink.h"
#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"
#include "render/gdi/TextMeasurer.h"

namespace plotvane::gdi {
namespace {

constexpr std::array<POINT, 4> kSquare{POINT{0, 0}, POINT{100, 0}, POINT{100, 100}, POINT{0, 100}};

std::vector<RecordType> Types(const EnhMetaFile& picture) {
  std::vector<RecordType> types;
  picture.records().forEach([&](const RecordView& r) { types.push_back(r.type); });
  return types;
}

TEST(Recording, SelectObjectReturnsThePreviousObjectOfTheSameKind) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HPEN a = CreatePen(PenStyle::PS_SOLID, 20, RGB(255, 0, 0));
  const HPEN b = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 255, 0));
  const HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
  EXPECT_EQ(hdc.SelectObject(a), GetStockObject(StockObject::BLACK_PEN));
  EXPECT_EQ(hdc.SelectObject(brush), GetStockObject(StockObject::WHITE_BRUSH)) << "brushes have their own slot";
  EXPECT_EQ(hdc.SelectObject(b), HGDIOBJ(a));
  EXPECT_EQ(hdc.SelectObject(a), HGDIOBJ(b));
  for (HGDIOBJ h : {HGDIOBJ(a), HGDIOBJ(b), HGDIOBJ(brush)}) DeleteObject(h);
}

TEST(Recording, OnlySelectionsThatChangeTheDrawingAreRecorded) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HPEN red = CreatePen(PenStyle::PS_SOLID, 20, RGB(255, 0, 0));
  const HPEN sameRed = CreatePen(PenStyle::PS_SOLID, 20, RGB(255, 0, 0));
  const HPEN black = CreatePen(PenStyle::PS_SOLID, 0, RGB(0, 0, 0));  // equals the default pen
  hdc.SelectObject(red);
  hdc.SelectObject(red);
  hdc.SelectObject(sameRed);
  hdc.Polygon(kSquare);
  hdc.SelectObject(black);
  hdc.Polygon(kSquare);
  const EnhMetaFile picture = CloseEnhMetaFile(hdc);
  EXPECT_EQ(Types(picture), (std::vector<RecordType>{RecordType::SelectPen, RecordType::Polygon, RecordType::SelectPen,
                                                     RecordType::Polygon}));
  EXPECT_EQ(picture.pens().size(), 2u) << "the default pen and one red pen, each stored once";
  for (HGDIOBJ h : {HGDIOBJ(red), HGDIOBJ(sameRed), HGDIOBJ(black)}) DeleteObject(h);
}

TEST(Recording, ADeletedObjectStaysInEffectWhileSelected) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HPEN none = CreatePen(PenStyle::PS_NULL, 0, RGB(255, 255, 255));
  const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
  hdc.SelectObject(none);
  hdc.SelectObject(white);
  hdc.Polygon(kSquare);
  DeleteObject(white);
  DeleteObject(none);
  const HBRUSH pattern = CreatePatternBrush(test::kDemoPattern);
  hdc.SelectObject(pattern);  // may reuse a freed slot
  hdc.Polygon(kSquare);
  DeleteObject(pattern);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(hdc));
  const std::vector<std::string> expected{"pen solid 0.00 000000",
                                          "brush solid ffffff",
                                          "font 423.33 esc 0 System",
                                          "pen null 0.00 ffffff",
                                          "polygon (0.00,0.00) (2645.83,0.00) (2645.83,2645.83) (0.00,2645.83)",
                                          "brush pattern 8822882288228822",
                                          "polygon (0.00,0.00) (2645.83,0.00) (2645.83,2645.83) (0.00,2645.83)"};
  EXPECT_EQ(trace.lines, expected);
}

// A slot's handle values come round again after 4096 reuses; a context that
// saw the first object under that value must still record the new one.
TEST(Recording, ARepeatedHandleValueRecordsTheNewObject) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HPEN red = CreatePen(PenStyle::PS_SOLID, 20, RGB(255, 0, 0));
  hdc.SelectObject(red);
  DeleteObject(red);
  HPEN again;
  for (int i = 0; i < 4096; ++i) {
    again = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 255));
    if (again == red) break;
    DeleteObject(again);
  }
  ASSERT_EQ(again, red) << "the freed slot comes back with the same value";
  hdc.SelectObject(again);
  hdc.Polygon(kSquare);
  DeleteObject(again);
  const test::TraceSink trace = test::TraceInFrameSpace(CloseEnhMetaFile(hdc));
  EXPECT_EQ(trace.linesStartingWith("pen solid 529.17").back(), "pen solid 529.17 ff0000") << "blue, not red";
}

TEST(Recording, StaleOrNullHandlesSelectNothing) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HPEN gone = CreatePen(PenStyle::PS_SOLID, 5, RGB(1, 1, 1));
  DeleteObject(gone);
  EXPECT_FALSE(hdc.SelectObject(gone));
  EXPECT_FALSE(hdc.SelectObject(HGDIOBJ{}));
  EXPECT_EQ(CloseEnhMetaFile(hdc).records().recordCount(), 0);
}

TEST(Recording, PointsKeepTheirValuesNarrowOrWide) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const std::array<POINT, 4> narrow{POINT{-32768, 32767}, POINT{0, -1}, POINT{12300, 1535}, POINT{-10000, 20000}};
  const std::array<POINT, 3> wide{POINT{40000, -5}, POINT{-2147483647, 2147483647}, POINT{7, -40000}};
  hdc.Polygon(narrow);
  hdc.Polyline(wide);
  hdc.MoveToEx(70000, -3);
  hdc.LineTo(-1, 2);
  const EnhMetaFile picture = CloseEnhMetaFile(hdc);
  std::vector<std::vector<POINT>> read;
  picture.records().forEach([&](const RecordView& r) {
    std::vector<POINT> points;
    for (std::int32_t i = 0; i < PointCount(r); ++i) points.push_back(PointAt(r, i));
    read.push_back(points);
  });
  ASSERT_EQ(read.size(), 4u);
  EXPECT_EQ(read[0], std::vector<POINT>(narrow.begin(), narrow.end()));
  EXPECT_EQ(read[1], std::vector<POINT>(wide.begin(), wide.end()));
  EXPECT_EQ(read[2], (std::vector<POINT>{POINT{70000, -3}}));
  EXPECT_EQ(read[3], (std::vector<POINT>{POINT{-1, 2}}));
}

TEST(Recording, MoveToExReportsThePreviousPosition) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  POINT previous{99, 99};
  hdc.MoveToEx(5, 6, &previous);
  EXPECT_EQ(previous, (POINT{0, 0}));
  hdc.LineTo(7, 8);
  hdc.MoveToEx(1, 1, &previous);
  EXPECT_EQ(previous, (POINT{7, 8})) << "LineTo moves the current position";
}

TEST(Recording, TooFewPointsAreRefused) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  EXPECT_FALSE(hdc.Polygon(std::span<const POINT>(kSquare.data(), 1)));
  EXPECT_FALSE(hdc.Polyline(std::span<const POINT>()));
  EXPECT_EQ(CloseEnhMetaFile(hdc).records().recordCount(), 0);
}

TEST(Recording, AClosedContextRefusesDrawing) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  hdc.Polygon(kSquare);
  const EnhMetaFile picture = CloseEnhMetaFile(hdc);
  EXPECT_FALSE(hdc.isRecording());
  EXPECT_FALSE(hdc.Polygon(kSquare));
  EXPECT_FALSE(hdc.LineTo(1, 1));
  EXPECT_EQ(hdc.DrawTextA("x", RECT{0, 0, 10, 10}, DT_LEFT), 0);
  EXPECT_TRUE(CloseEnhMetaFile(hdc).isNull()) << "closing twice gives no second picture";
  EXPECT_EQ(picture.records().recordCount(), 1);
}

TEST(Recording, DrawTextReturnsTheHeightOfItsLines) {
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 1000, 1000});
  const HFONT font = CreateFontA(12, 0, 0, 0, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  EXPECT_EQ(hdc.DrawTextA("one line", RECT{0, 0, 100, 12}, DT_CENTER), 12);
  EXPECT_EQ(hdc.DrawTextA("two\r\nlines", RECT{0, 0, 100, 12}, DT_LEFT), 24);
  EXPECT_EQ(hdc.DrawTextA("two\nlines", RECT{0, 0, 100, 12}, DT_LEFT | DT_SINGLELINE), 12);
  EXPECT_EQ(hdc.DrawTextA("", RECT{0, 0, 100, 12}, DT_LEFT), 0);
  const EnhMetaFile picture = CloseEnhMetaFile(hdc);
  EXPECT_EQ(picture.texts().size(), 3u) << "an empty text records nothing";
  DeleteObject(font);
}

TEST(Recording, TheReferenceDeviceGivesThePageItsFontSizes) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kTitleFrame);
  // The page text computes pixels per 0.01 mm and pixels per point so.
  const double k =
      static_cast<double>(hdc.GetDeviceCaps(DeviceCap::HORZRES)) / hdc.GetDeviceCaps(DeviceCap::HORZSIZE) / 100;
  const double pt = k * 25.4 / 72 * 100;
  EXPECT_EQ(std::nearbyint(pt * 12), 16);
  EXPECT_EQ(std::nearbyint(pt * 9), 12);
  EXPECT_DOUBLE_EQ(k, 96.0 / 2540.0);
  EXPECT_DOUBLE_EQ(static_cast<double>(hdc.GetDeviceCaps(DeviceCap::VERTRES)) / hdc.GetDeviceCaps(DeviceCap::VERTSIZE),
                   96.0 / 25.4);
}

class FixedWidthMeasurer final : public TextMeasurer {
 public:
  double textWidth(const LOGFONT& font, std::u16string_view text) const override {
    return 0.75 * font.height * static_cast<double>(text.size());
  }
};

TEST(Recording, TextExtentUsesTheInstalledMeasurer) {
  DeviceContext hdc = CreateEnhMetaFileA(test::kTitleFrame);
  const HFONT font = CreateFontA(12, 0, 900, 900, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(font);
  SIZE size;
  SetTextMeasurer(std::make_shared<FixedWidthMeasurer>());
  ASSERT_TRUE(hdc.GetTextExtentPoint32A("標高ab", &size));
  EXPECT_EQ(size, (SIZE{36, 12})) << "four UTF-16 units of 9 pixels";
  SetTextMeasurer(nullptr);
  ASSERT_TRUE(hdc.GetTextExtentPoint32A("標高ab", &size));
  EXPECT_EQ(size, (SIZE{36, 12})) << "the estimate: 12 per full-width and 6 per ASCII character";
  ASSERT_TRUE(hdc.GetTextExtentPoint32A("ｶﾅ", &size));
  EXPECT_EQ(size.cx, 12) << "half-width katakana count as half";
  DeleteObject(font);
}

TEST(Recording, ThePageLeavesNoObjectsBehind) {
  const std::int32_t before = LiveObjectCount();
  const EnhMetaFile page = test::MakeDemoPage();
  EXPECT_EQ(LiveObjectCount(), before);
  EXPECT_EQ(page.pictures().size(), 2u);
}

TEST(Recording, PlayedPicturesLiveAsLongAsThePageThatHoldsThem) {
  EnhMetaFile map = test::MakeDemoMap();
  DeviceContext hdc = CreateEnhMetaFileA(test::kPageFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  ASSERT_TRUE(hdc.PlayEnhMetaFile(map, test::kMapOnPage));
  const std::int32_t mapPolygons = static_cast<std::int32_t>(test::TraceInFrameSpace(map).polygons.size());
  DeleteEnhMetaFile(map);
  EXPECT_TRUE(map.isNull());
  const EnhMetaFile page = CloseEnhMetaFile(hdc);
  EXPECT_EQ(static_cast<std::int32_t>(test::TraceInFrameSpace(page).polygons.size()), mapPolygons);
}

TEST(Recording, APictureWithoutAreaCannotBePlayed) {
  DeviceContext flat = CreateEnhMetaFileA(RECT{0, 0, 100, 0});
  const EnhMetaFile picture = CloseEnhMetaFile(flat);
  DeviceContext hdc = CreateEnhMetaFileA(RECT{0, 0, 100, 100});
  EXPECT_FALSE(hdc.PlayEnhMetaFile(picture, RECT{0, 0, 10, 10}));
  EXPECT_FALSE(hdc.PlayEnhMetaFile(EnhMetaFile(), RECT{0, 0, 10, 10}));
}

// A map of 200 000 triangles issues about three pieces per triangle, each a
// pen select, a brush select and a four-point polygon; plus a contour segment
// (select, move, two lines) for every other triangle. The records must stay
// small enough for the whole page to fit the memory budget.
TEST(Recording, RecordsOfAFullSizeMapStayCompact) {
  constexpr int kPieces = 600000;
  std::vector<HPEN> pens;
  std::vector<HBRUSH> brushes;
  for (int k = 0; k < 20; ++k) {
    pens.push_back(CreatePen(PenStyle::PS_SOLID, 20, RGB(k + 1, 0, 0)));
    brushes.push_back(CreateSolidBrush(RGB(k + 1, 0, 0)));
  }
  DeviceContext hdc = CreateEnhMetaFileA(test::kMapFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  for (int i = 0; i < kPieces; ++i) {
    const int band = (i / 2) % 20;
    hdc.SelectObject(pens[band]);
    hdc.SelectObject(brushes[band]);
    const int x = (i * 37) % 10000, y = (i * 91) % 10000;
    const std::array<POINT, 4> piece{POINT{x, y}, POINT{x + 40, y}, POINT{x + 40, y + 30}, POINT{x, y + 30}};
    hdc.Polygon(piece);
    if (i % 6 == 0) {
      const HPEN line = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
      hdc.SelectObject(line);
      hdc.MoveToEx(x, y);
      hdc.LineTo(x + 40, y + 30);
      hdc.LineTo(x, y);
      DeleteObject(line);
    }
  }
  const EnhMetaFile map = CloseEnhMetaFile(hdc);
  const double perPiece = static_cast<double>(map.byteSize()) / kPieces;
  RecordProperty("bytes_per_piece", std::to_string(perPiece));
  EXPECT_LT(perPiece, 40.0);
  EXPECT_EQ(map.pens().size(), 22u) << "the default, 20 bands and the black line pen";
  for (const HPEN p : pens) DeleteObject(p);
  for (const HBRUSH b : brushes) DeleteObject(b);
}

}  // namespace
}  // namespace plotvane::gdi
