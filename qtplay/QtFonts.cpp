// Font substitution and sizing. See QtFonts.h.

#include "qtplay/QtFonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <cmath>
#include <mutex>

namespace plotvane::qtplay {
namespace {

// Large enough that hinting does not disturb the proportions measured at it.
constexpr int kReferencePixels = 256;

struct Substitute {
  std::string_view face;
  const char* family;
};

constexpr Substitute kSubstitutes[] = {
    {"ＭＳ Ｐゴシック", "IPAPGothic"},
    {"MS PGothic", "IPAPGothic"},
    {"ＭＳ ゴシック", "IPAGothic"},
    {"MS Gothic", "IPAGothic"},
};

// Em height per cell height of a family: the cell is ascent + descent.
double EmPerCell(const QString& family) {
  // The desktop program measures on two threads: the window's and the page
  // file writer's.
  static std::mutex guard;
  static QHash<QString, double> cache;
  const std::lock_guard lock(guard);
  if (const auto found = cache.constFind(family); found != cache.constEnd()) return *found;
  QFont probe(family);
  probe.setPixelSize(kReferencePixels);
  const QFontMetricsF metrics(probe);
  const double cell = metrics.ascent() + metrics.descent();
  const double ratio = cell > 0 ? kReferencePixels / cell : 1.0;
  cache.insert(family, ratio);
  return ratio;
}

QFont Styled(const gdi::LOGFONT& font, const QString& family) {
  QFont q(family);
  q.setWeight(font.weight <= 0 ? QFont::Normal : static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  q.setItalic(font.italic);
  q.setUnderline(font.underline);
  q.setStrikeOut(font.strikeOut);
  return q;
}

}  // namespace

QString substituteFamily(std::string_view faceName) {
  for (const Substitute& s : kSubstitutes) {
    if (s.face == faceName) return QString::fromLatin1(s.family);
  }
  return QString::fromUtf8(faceName.data(), static_cast<qsizetype>(faceName.size()));
}

QFont qtFont(const gdi::LOGFONT& font, double height) {
  const QString family = substituteFamily(font.faceName);
  QFont q = Styled(font, family);
  const double em = height > 0 ? height * EmPerCell(family) : -height;
  q.setPixelSize(std::max(1, static_cast<int>(std::lround(em))));
  return q;
}

double QtTextMeasurer::textWidth(const gdi::LOGFONT& font, std::u16string_view text) const {
  if (text.empty() || font.height == 0) return 0.0;
  const QString family = substituteFamily(font.faceName);
  QFont q = Styled(font, family);
  q.setPixelSize(kReferencePixels);
  const double em = font.height > 0 ? font.height * EmPerCell(family) : -font.height;
  const QString s = QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
  return QFontMetricsF(q).horizontalAdvance(s) * em / kReferencePixels;
}

}  // namespace plotvane::qtplay
