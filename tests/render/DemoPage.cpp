// The demo page. See DemoPage.h.

#include "DemoPage.h"

#include <array>

#include "render/gdi/DeviceContext.h"
#include "render/gdi/GdiObjects.h"

namespace plotvane::test {

using namespace gdi;

namespace {

void FillRect(DeviceContext& hdc, int left, int bottom, int right, int top) {
  const std::array<POINT, 4> corners{POINT{left, bottom}, POINT{right, bottom}, POINT{right, top}, POINT{left, top}};
  hdc.Polygon(corners);
}

void Masks(DeviceContext& hdc) {
  const HPEN pen = CreatePen(PenStyle::PS_NULL, 0, RGB(255, 255, 255));
  const HBRUSH brush = CreateSolidBrush(RGB(255, 255, 255));
  hdc.SelectObject(pen);
  hdc.SelectObject(brush);
  FillRect(hdc, -10000, -10000, 20000, 0);
  FillRect(hdc, -10000, 10000, 20000, 20000);
  FillRect(hdc, -10000, -10000, 0, 20000);
  FillRect(hdc, 10000, -10000, 20000, 20000);
  DeleteObject(brush);
  DeleteObject(pen);
}

}  // namespace

EnhMetaFile MakeDemoMap() {
  DeviceContext hdc = CreateEnhMetaFileA(kMapFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  // Masks() leaves its null pen and white brush selected after deleting them:
  // the background is drawn with them, as deleted-but-selected objects stay in effect.
  Masks(hdc);
  FillRect(hdc, -10000, -10000, 20000, 20000);

  const HPEN lowPen = CreatePen(PenStyle::PS_SOLID, 20, kLowBand);
  const HBRUSH lowBrush = CreateSolidBrush(kLowBand);
  const HPEN highPen = CreatePen(PenStyle::PS_SOLID, 20, kHighBand);
  const HBRUSH highBrush = CreateSolidBrush(kHighBand);
  const HPEN nullPen = CreatePen(PenStyle::PS_NULL, 0, 0);
  const HBRUSH pattern = CreatePatternBrush(kDemoPattern);
  hdc.SelectObject(lowPen);
  hdc.SelectObject(lowBrush);
  FillRect(hdc, 0, 0, 10000, 5000);
  hdc.SelectObject(highPen);
  hdc.SelectObject(highBrush);
  FillRect(hdc, 0, 5000, 5000, 10000);
  hdc.SelectObject(nullPen);
  hdc.SelectObject(pattern);
  FillRect(hdc, 5000, 5000, 10000, 10000);

  const HPEN black = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
  hdc.SelectObject(black);
  hdc.MoveToEx(0, 5000);
  hdc.LineTo(10000, 5000);
  hdc.LineTo(0, 5000);
  DeleteObject(black);

  Masks(hdc);
  for (HGDIOBJ h :
       {HGDIOBJ(lowPen), HGDIOBJ(lowBrush), HGDIOBJ(highPen), HGDIOBJ(highBrush), HGDIOBJ(nullPen), HGDIOBJ(pattern)}) {
    DeleteObject(h);
  }
  return CloseEnhMetaFile(hdc);
}

EnhMetaFile MakeDemoTitle() {
  DeviceContext hdc = CreateEnhMetaFileA(kTitleFrame);
  hdc.SetMapMode(MapMode::MM_TEXT);
  const HFONT title =
      CreateFontA(16, 0, 0, 0, FW_DONTCARE, false, false, false, DEFAULT_CHARSET, 0, 0, 0, 0, kPageFontFace);
  const HGDIOBJ oldFont = hdc.SelectObject(title);
  hdc.DrawTextA("Demo 標高", RECT{87, 12, 465, 28}, DT_CENTER);
  hdc.SelectObject(oldFont);
  DeleteObject(title);

  const HFONT label =
      CreateFontA(12, 0, 0, 0, FW_DONTCARE, false, false, false, DEFAULT_CHARSET, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(label);
  hdc.DrawTextA("12.5", RECT{0, 413, 67, 425}, DT_RIGHT);
  hdc.SelectObject(oldFont);
  DeleteObject(label);

  const HFONT vertical =
      CreateFontA(12, 0, 900, 900, FW_DONTCARE, false, false, false, DEFAULT_CHARSET, 0, 0, 0, 0, kPageFontFace);
  hdc.SelectObject(vertical);
  hdc.TextOutA(23, 230, "標高ｶﾅ");
  hdc.SelectObject(oldFont);
  DeleteObject(vertical);
  return CloseEnhMetaFile(hdc);
}

EnhMetaFile MakeDemoPage() {
  DeviceContext hdc = CreateEnhMetaFileA(kPageFrame);
  hdc.SetMapMode(MapMode::MM_HIMETRIC);
  EnhMetaFile map = MakeDemoMap();
  hdc.PlayEnhMetaFile(map, kMapOnPage);
  DeleteEnhMetaFile(map);
  EnhMetaFile title = MakeDemoTitle();
  hdc.PlayEnhMetaFile(title, kTitleOnPage);
  DeleteEnhMetaFile(title);

  // After the map: its white surround covers the page around the square.
  const HPEN bracket = CreatePen(PenStyle::PS_SOLID, 20, RGB(0, 0, 0));
  hdc.SelectObject(bracket);
  const std::array<POINT, 4> left{POINT{2115, 1535}, POINT{1880, 1535}, POINT{1880, 11535}, POINT{2115, 11535}};
  hdc.Polyline(left);

  const HPEN none = CreatePen(PenStyle::PS_NULL, 0, 0);
  const HBRUSH bar = CreateSolidBrush(kHighBand);
  hdc.SelectObject(none);
  hdc.SelectObject(bar);
  FillRect(hdc, 13300, 1535, 13700, 11535);
  DeleteObject(bar);
  DeleteObject(none);
  DeleteObject(bracket);
  return CloseEnhMetaFile(hdc);
}

}  // namespace plotvane::test
