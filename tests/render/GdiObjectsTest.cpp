// The process-wide object table: creation, description, deletion, stale
// handles and slot reuse.

#include <gtest/gtest.h>

#include "render/gdi/GdiObjects.h"

namespace plotvane::gdi {
namespace {

TEST(GdiObjects, CreatedObjectsDescribeThemselvesUntilDeleted) {
  const std::int32_t before = LiveObjectCount();
  const HPEN pen = CreatePen(PenStyle::PS_SOLID, 20, RGB(1, 2, 3));
  const HBRUSH solid = CreateSolidBrush(RGB(100, 100, 100));
  const HBRUSH pattern = CreatePatternBrush(MonoPattern{0x80, 0, 0x08, 0, 0x80, 0, 0x08, 0});
  const HFONT font = CreateFontA(12, 0, 900, 900, 0, false, false, false, 1, 0, 0, 0, 0, kPageFontFace);
  EXPECT_EQ(LiveObjectCount(), before + 4);

  EXPECT_EQ(GetObjectKind(pen), ObjectKind::Pen);
  EXPECT_EQ(GetObjectKind(solid), ObjectKind::Brush);
  EXPECT_EQ(GetObjectKind(font), ObjectKind::Font);
  EXPECT_EQ(*GetPenDescription(pen), (LOGPEN{PenStyle::PS_SOLID, 20, 0x030201}));
  EXPECT_EQ(GetBrushDescription(solid)->colour, RGB(100, 100, 100));
  EXPECT_EQ(GetBrushDescription(pattern)->style, BrushStyle::BS_PATTERN);
  EXPECT_EQ(GetBrushDescription(pattern)->pattern[2], 0x08);
  const LOGFONT* f = GetFontDescription(font);
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->height, 12);
  EXPECT_EQ(f->escapement, 900);
  EXPECT_EQ(f->orientation, 900);
  EXPECT_EQ(f->charSet, DEFAULT_CHARSET);
  EXPECT_EQ(f->faceName, "ＭＳ Ｐゴシック");
  EXPECT_EQ(GetPenDescription(solid), nullptr) << "a brush is not a pen";

  for (HGDIOBJ h : {HGDIOBJ(pen), HGDIOBJ(solid), HGDIOBJ(pattern), HGDIOBJ(font)}) EXPECT_TRUE(DeleteObject(h));
  EXPECT_EQ(LiveObjectCount(), before);
  EXPECT_EQ(GetObjectKind(pen), ObjectKind::None);
  EXPECT_FALSE(DeleteObject(pen)) << "a second delete of the same handle";
}

TEST(GdiObjects, NullHandleIsNoObject) {
  EXPECT_FALSE(DeleteObject(HGDIOBJ{}));
  EXPECT_EQ(GetObjectKind(HGDIOBJ{}), ObjectKind::None);
  EXPECT_FALSE(static_cast<bool>(HGDIOBJ{}));
}

TEST(GdiObjects, AReusedSlotGetsANewHandle) {
  const HPEN first = CreatePen(PenStyle::PS_SOLID, 1, RGB(255, 0, 0));
  ASSERT_TRUE(DeleteObject(first));
  const HPEN second = CreatePen(PenStyle::PS_SOLID, 2, RGB(0, 255, 0));
  EXPECT_EQ(first.value & 0xFFFFF, second.value & 0xFFFFF) << "the freed slot is reused";
  EXPECT_NE(first, second);
  EXPECT_EQ(GetPenDescription(first), nullptr) << "the stale handle must not name the new pen";
  EXPECT_FALSE(DeleteObject(first));
  EXPECT_EQ(GetPenDescription(second)->width, 2) << "deleting the stale handle left the new pen alone";
  EXPECT_TRUE(DeleteObject(second));
}

TEST(GdiObjects, ManyCreateDeleteCyclesKeepTheTableSmall) {
  const std::int32_t before = LiveObjectCount();
  HPEN last;
  for (int i = 0; i < 100000; ++i) {
    last = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
    ASSERT_TRUE(last);
    ASSERT_TRUE(DeleteObject(last));
  }
  EXPECT_EQ(LiveObjectCount(), before);
  EXPECT_LT(last.value & 0xFFFFF, 100u) << "slots are recycled, not appended";
}

TEST(GdiObjects, StockObjectsSurviveDeletionAndAreNotCounted) {
  const std::int32_t before = LiveObjectCount();
  const HGDIOBJ white = GetStockObject(StockObject::WHITE_BRUSH);
  EXPECT_TRUE(DeleteObject(white));
  EXPECT_EQ(GetBrushDescription(white)->colour, RGB(255, 255, 255));
  EXPECT_EQ(GetPenDescription(GetStockObject(StockObject::BLACK_PEN))->width, 0);
  EXPECT_EQ(GetPenDescription(GetStockObject(StockObject::NULL_PEN))->style, PenStyle::PS_NULL);
  EXPECT_EQ(GetObjectKind(GetStockObject(StockObject::SYSTEM_FONT)), ObjectKind::Font);
  EXPECT_EQ(LiveObjectCount(), before);
}

}  // namespace
}  // namespace plotvane::gdi
