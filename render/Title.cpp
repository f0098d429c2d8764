// The page text. See Title.h.

#include "render/Title.h"

#include <array>
#include <string>

#include "settings/NumberText.h"

namespace plotvane {
namespace {

int Px(double v) { return RoundHalfEven(v).value_or(0); }

gdi::HFONT PageFont(int height, int escapement) {
  return gdi::CreateFontA(height, 0, escapement, escapement, gdi::FW_DONTCARE, false, false, false,
                          gdi::DEFAULT_CHARSET, 0, 0, 0, 0, gdi::kPageFontFace);
}

std::string ZValueText(double value) {
  const auto single = ToSingle(value);
  return single ? SingleText(*single) : NumberText(value);
}

struct Label {
  std::string text;
  gdi::RECT rect;
  unsigned format;
};

// The rows of the label font, in drawing order.
std::array<Label, 7> Labels(const PointSet& points, const DrawSettings& s, const DrawParameters& p, double k,
                            double fh) {
  const gdi::RECT lowRow{0, Px(11085 * k - fh / 2), 0, Px(11085 * k + fh / 2)};
  const gdi::RECT highRow{0, Px(1085 * k - fh / 2), 0, Px(1085 * k + fh / 2)};
  auto row = [](const gdi::RECT& r, double left, double right) {
    return gdi::RECT{Px(left), r.top, Px(right), r.bottom};
  };
  const int xTop = Px(11620 * k);
  const int xBottom = Px(11620 * k + fh);
  return {{
      {s.Y1, row(lowRow, 0, 1760 * k), gdi::DT_RIGHT},
      {s.Y2, row(highRow, 0, 1760 * k), gdi::DT_RIGHT},
      {s.X1, gdi::RECT{Px(1300 * k), xTop, Px(3300 * k), xBottom}, gdi::DT_CENTER},
      {s.X2, gdi::RECT{Px(11300 * k), xTop, Px(13300 * k), xBottom}, gdi::DT_CENTER},
      {points.labelX, gdi::RECT{Px(2300 * k), Px(11620 * k + 1.2 * fh), Px(12300 * k), Px(11620 * k + 2.2 * fh)},
       gdi::DT_CENTER},
      {ZValueText(p.z1), row(lowRow, 13900 * k, 18900 * k), gdi::DT_LEFT},
      {ZValueText(p.z2), row(highRow, 13900 * k, 18900 * k), gdi::DT_LEFT},
  }};
}

}  // namespace

void DrawTitle(gdi::DeviceContext& hdc, const PointSet& points, const DrawSettings& settings,
               const DrawParameters& parameters) {
  const double k = static_cast<double>(hdc.GetDeviceCaps(gdi::DeviceCap::HORZRES)) /
                   hdc.GetDeviceCaps(gdi::DeviceCap::HORZSIZE) / 100;
  const double pt = k * 25.4 / 72 * 100;

  const int titleHeight = Px(pt * 12);
  const gdi::HFONT titleFont = PageFont(titleHeight, 0);
  gdi::HGDIOBJ previous = hdc.SelectObject(titleFont);
  hdc.DrawTextA(points.labelZ, gdi::RECT{Px(2300 * k), Px(320 * k), Px(12300 * k), Px(320 * k + titleHeight)},
                gdi::DT_CENTER);
  hdc.SelectObject(previous);
  gdi::DeleteObject(titleFont);

  const int labelHeight = Px(pt * 9);
  const gdi::HFONT labelFont = PageFont(labelHeight, 0);
  previous = hdc.SelectObject(labelFont);
  for (const Label& label : Labels(points, settings, parameters, k, labelHeight))
    hdc.DrawTextA(label.text, label.rect, label.format);
  hdc.SelectObject(previous);
  gdi::DeleteObject(labelFont);

  const gdi::HFONT verticalFont = PageFont(labelHeight, 900);
  previous = hdc.SelectObject(verticalFont);
  gdi::SIZE extent;
  hdc.GetTextExtentPoint32A(points.labelY, &extent);
  const double W = extent.cx / (k * 100);  // millimetres
  hdc.TextOutA(Px(600 * k), Px(6085 * k + 50 * W * k), points.labelY);
  hdc.SelectObject(previous);
  gdi::DeleteObject(verticalFont);
}

}  // namespace plotvane
