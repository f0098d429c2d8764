// The PDF file of a page: its objects around the streamed content. See
// PdfWriter.h.

#include "render/pdf/PdfWriter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

#include "render/pdf/PdfContent.h"
#include "render/pdf/PdfTextLayer.h"
#include "render/svg/SvgPathData.h"

namespace plotvane::pdf {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kPointsPerInch = 72.0;

std::string Number(double value) {
  std::string out;
  svg::AppendNumber(out, value);
  return out;
}

// A glyph's outline as a form: its path, filled by the nonzero rule in the
// colour in effect where it is placed.
void WriteGlyph(PdfFile& file, int object, const GlyphOutline& outline) {
  std::string path;
  double left = std::numeric_limits<double>::max(), top = left;
  double right = std::numeric_limits<double>::lowest(), bottom = right;
  std::size_t next = 0;
  const auto emit = [&](char op) {
    const gdi::PointF& p = outline.points[next++];
    left = std::min(left, p.x), right = std::max(right, p.x);
    top = std::min(top, p.y), bottom = std::max(bottom, p.y);
    svg::AppendFixed(path, svg::ToFixed(p.x));
    path += ' ';
    svg::AppendFixed(path, svg::ToFixed(p.y));
    path += ' ';
    if (op != ' ') {
      path += op;
      path += ' ';
    }
  };
  for (const OutlineStep step : outline.steps) {
    if (next + (step == OutlineStep::Curve ? 3 : 1) > outline.points.size()) break;
    if (step == OutlineStep::Move) {
      if (next > 0) path += "h ";
      emit('m');
    } else if (step == OutlineStep::Line) {
      emit('l');
    } else {
      emit(' ');
      emit(' ');
      emit('c');
    }
  }
  if (next == 0) {
    left = top = right = bottom = 0.0;
  } else {
    path += "h f";
  }
  const std::string box = "[" + Number(std::floor(left)) + " " + Number(std::floor(top)) + " " +
                          Number(std::ceil(right)) + " " + Number(std::ceil(bottom)) + "]";
  file.writeStream(object, "/Type /XObject /Subtype /Form /BBox " + box, path);
}

// An 8 x 8 pattern of one-unit cells, white with its black cells, in the
// content's own units from the page's top-left corner.
void WritePattern(PdfFile& file, int object, const gdi::MonoPattern& pattern, double pageHeight) {
  std::string cells = "1 g 0 0 8 8 re f 0 g";
  for (int row = 0; row < 8; ++row) {
    for (int column = 0; column < 8; ++column) {
      if ((pattern[static_cast<std::size_t>(row)] >> (7 - column) & 1) == 0) continue;
      cells += ' ' + std::to_string(column) + ' ' + std::to_string(row) + " 1 1 re";
    }
  }
  cells += " f";
  file.writeStream(object,
                   "/Type /Pattern /PatternType 1 /PaintType 1 /TilingType 1 /BBox [0 0 8 8] /XStep 8 "
                   "/YStep 8 /Resources <<>> /Matrix [0.75 0 0 -0.75 0 " +
                       Number(pageHeight) + "]",
                   cells);
}

// The resources the content named, each object after the dictionary.
void WriteResources(PdfFile& file, int object, const PdfContent& content, const PdfFonts& fonts, double pageHeight) {
  std::vector<int> glyphs, patterns;
  for (std::size_t i = 0; i < content.glyphs().size(); ++i) glyphs.push_back(file.reserve());
  for (std::size_t i = 0; i < content.patterns().size(); ++i) patterns.push_back(file.reserve());
  const int textFont = content.usedTextFont() ? file.reserve() : 0;
  std::string dictionary = "<</ProcSet [/PDF /Text]";
  if (!glyphs.empty()) {
    dictionary += " /XObject <<";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
      dictionary += "/G" + std::to_string(i) + ' ' + std::to_string(glyphs[i]) + " 0 R ";
    }
    dictionary += ">>";
  }
  if (!patterns.empty()) {
    dictionary += " /Pattern <<";
    for (std::size_t i = 0; i < patterns.size(); ++i) {
      dictionary += "/P" + std::to_string(i) + ' ' + std::to_string(patterns[i]) + " 0 R ";
    }
    dictionary += ">>";
  }
  if (!content.palette().empty()) {
    dictionary += std::string(" /ColorSpace <<") + kPaletteName + " [/Indexed /DeviceRGB " +
                  std::to_string(content.palette().size() - 1) + " <";
    static constexpr char kDigits[] = "0123456789ABCDEF";
    for (const gdi::COLORREF colour : content.palette()) {
      for (const int component : {gdi::GetRValue(colour), gdi::GetGValue(colour), gdi::GetBValue(colour)}) {
        dictionary += kDigits[component >> 4];
        dictionary += kDigits[component & 0xF];
      }
    }
    dictionary += ">]>>";
  }
  if (textFont != 0) dictionary += std::string(" /Font <<") + kTextFontName + ' ' + std::to_string(textFont) + " 0 R>>";
  dictionary += ">>";
  file.begin(object);
  file.write(dictionary);
  file.end();
  for (std::size_t i = 0; i < glyphs.size(); ++i) {
    WriteGlyph(file, glyphs[i], fonts.outline(content.glyphs()[i].first, content.glyphs()[i].second));
  }
  for (std::size_t i = 0; i < patterns.size(); ++i) WritePattern(file, patterns[i], content.patterns()[i], pageHeight);
  if (textFont != 0) WriteTextFont(file, textFont);
}

}  // namespace

void WritePdf(const gdi::EnhMetaFile& picture, const PdfFonts& fonts, const ByteOutput& output) {
  double width = 1.0, height = 1.0;  // in 0.01 mm
  if (!picture.isNull()) {
    const gdi::RECT& f = picture.frame();
    width = std::abs(static_cast<double>(f.right) - f.left);
    height = std::abs(static_cast<double>(f.bottom) - f.top);
  }
  const double pageWidth = width * kPointsPerInch / kHimetricPerInch;
  const double pageHeight = height * kPointsPerInch / kHimetricPerInch;

  PdfFile file(output);
  const int catalog = file.reserve(), pages = file.reserve(), page = file.reserve(), resources = file.reserve();
  file.begin(catalog);
  file.write("<</Type /Catalog /Pages " + std::to_string(pages) + " 0 R>>");
  file.end();
  file.begin(pages);
  file.write("<</Type /Pages /Kids [" + std::to_string(page) + " 0 R] /Count 1>>");
  file.end();

  PdfContentStreams streams(file);
  PdfContent content(fonts, streams, pageHeight);
  gdi::PlayPicture(picture, gdi::RectF{0.0, 0.0, width, height}, content);
  content.finish();
  std::string contents;
  for (const int stream : streams.finish()) contents += std::to_string(stream) + " 0 R ";

  file.begin(page);
  file.write("<</Type /Page /Parent " + std::to_string(pages) + " 0 R /MediaBox [0 0 " + Number(pageWidth) + ' ' +
             Number(pageHeight) + "] /Contents [" + contents + "] /Resources " + std::to_string(resources) + " 0 R>>");
  file.end();
  WriteResources(file, resources, content, fonts, pageHeight);
  file.finish(catalog);
}

}  // namespace plotvane::pdf
