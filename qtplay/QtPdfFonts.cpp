// Shaped texts and glyph outlines from Qt. See QtPdfFonts.h.

#include "qtplay/QtPdfFonts.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainterPath>
#include <QTextLayout>

#include "qtplay/QtFonts.h"

namespace plotvane::qtplay {
namespace {

// Outlines are taken at this pixel size: a thousand units to the em, where
// hinting moves no point by a visible amount.
constexpr double kOutlinePixels = 1000.0;

}  // namespace

std::uint32_t QtPdfFonts::faceOf(const QRawFont& font) const {
  const QString key = font.familyName() + u'\n' + font.styleName() + u'\n' + QString::number(font.weight()) + u'\n' +
                      QString::number(static_cast<int>(font.style()));
  if (const auto found = m_faceNumbers.constFind(key); found != m_faceNumbers.constEnd()) return *found;
  QRawFont large = font;
  large.setPixelSize(kOutlinePixels);
  const auto number = static_cast<std::uint32_t>(m_faces.size());
  m_faces.push_back(large);
  m_faceNumbers.insert(key, number);
  return number;
}

pdf::ShapedText QtPdfFonts::shape(const gdi::LOGFONT& font, double height, std::string_view text) const {
  const QFont q = qtFont(font, height);
  const QFontMetricsF metrics(q);
  const QString string = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
  pdf::ShapedText shaped{metrics.horizontalAdvance(string), metrics.ascent(), metrics.descent(), {}};
  QTextLayout layout(string, q);
  layout.beginLayout();
  QTextLine line = layout.createLine();
  layout.endLayout();
  if (!line.isValid()) return shaped;
  // Glyph positions count from the line's top-left; the text's own baseline
  // is at the font's ascent, as the player draws it.
  const double baseline = line.ascent();
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QRawFont raw = run.rawFont();
    const std::uint32_t face = faceOf(raw);
    const double scale = raw.pixelSize() / kOutlinePixels;
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
      shaped.glyphs.push_back(pdf::PlacedGlyph{face, indexes[i], positions[i].x(), positions[i].y() - baseline, scale});
    }
  }
  return shaped;
}

pdf::GlyphOutline QtPdfFonts::outline(std::uint32_t face, std::uint32_t glyph) const {
  pdf::GlyphOutline outline;
  if (face >= m_faces.size()) return outline;
  const QPainterPath path = m_faces[face].pathForGlyph(glyph);
  for (int i = 0; i < path.elementCount(); ++i) {
    const QPainterPath::Element e = path.elementAt(i);
    switch (e.type) {
      case QPainterPath::MoveToElement: outline.steps.push_back(pdf::OutlineStep::Move); break;
      case QPainterPath::LineToElement: outline.steps.push_back(pdf::OutlineStep::Line); break;
      case QPainterPath::CurveToElement: outline.steps.push_back(pdf::OutlineStep::Curve); break;
      case QPainterPath::CurveToDataElement: break;
    }
    outline.points.push_back(gdi::PointF{e.x, e.y});
  }
  return outline;
}

}  // namespace plotvane::qtplay
