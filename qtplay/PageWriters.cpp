// Image, SVG and PDF files of a picture. See PageWriters.h.

#include "qtplay/PageWriters.h"

#include <QFontMetricsF>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "qtplay/QtFonts.h"
#include "qtplay/QtPdfFonts.h"
#include "qtplay/QtPlayer.h"
#include "qtplay/SafeFileDevice.h"
#include "render/pdf/PdfWriter.h"
#include "render/svg/SvgWriter.h"

namespace plotvane::qtplay {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kScreenDpi = 96.0;

// The fonts of the SVG writer: those the player draws with.
class QtSvgFonts final : public svg::SvgFonts {
 public:
  svg::SvgFont font(const gdi::LOGFONT& font, double height) const override {
    const QFont q = qtFont(font, height);
    const QFontMetricsF metrics(q);
    return svg::SvgFont{q.family().toStdString(), static_cast<double>(q.pixelSize()), metrics.ascent(),
                        metrics.descent()};
  }
  double width(const gdi::LOGFONT& font, double height, std::string_view text) const override {
    const QFontMetricsF metrics(qtFont(font, height));
    return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
  }
};

}  // namespace

QRectF naturalRect(const gdi::EnhMetaFile& picture, double dpi) {
  if (picture.isNull()) return {};
  const gdi::RECT& f = picture.frame();
  const double width = std::abs(static_cast<double>(f.right) - f.left) * dpi / kHimetricPerInch;
  const double height = std::abs(static_cast<double>(f.bottom) - f.top) * dpi / kHimetricPerInch;
  return QRectF(0.0, 0.0, width, height);
}

QSize naturalPixelSize(const gdi::EnhMetaFile& picture, double dpi) {
  const QRectF rect = naturalRect(picture, dpi);
  return QSize(std::max(1, static_cast<int>(std::lround(rect.width()))),
               std::max(1, static_cast<int>(std::lround(rect.height()))));
}

QImage renderImage(const gdi::EnhMetaFile& picture, double dpi) {
  QImage image(naturalPixelSize(picture, dpi), QImage::Format_RGB32);
  image.fill(Qt::white);
  const int dotsPerMetre = static_cast<int>(std::lround(dpi / 0.0254));
  image.setDotsPerMeterX(dotsPerMetre);
  image.setDotsPerMeterY(dotsPerMetre);
  QPainter painter(&image);
  // The frame fills the whole pixels, as on screen: at 96 dpi the image is
  // the window's picture pixel for pixel.
  PlayEnhMetaFile(painter, picture, QRectF(QPointF(0, 0), image.size()), PlayOptions{true, dpi / kScreenDpi});
  return image;
}

void writeImage(const gdi::EnhMetaFile& picture, SafeFileWriter& file, const char* format, double dpi) {
  const QImage image = renderImage(picture, dpi).convertToFormat(QImage::Format_RGB888);
  SafeFileDevice device(file);
  QImageWriter writer(&device, format);
  if (!writer.write(image)) file.fail(SaveErrorKind::Other);
}

void writeSvg(const gdi::EnhMetaFile& picture, SafeFileWriter& file) {
  svg::WriteSvg(picture, QtSvgFonts(), [&file](std::string_view bytes) { file.write(bytes); });
}

WriteOutcome writeSvg(const gdi::EnhMetaFile& picture, QIODevice& device) {
  bool ok = true;
  svg::WriteSvg(picture, QtSvgFonts(), [&](std::string_view bytes) {
    ok = ok && device.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
  });
  if (!ok) return WriteFailureOf("cannot write the SVG: " + device.errorString().toStdString());
  return std::nullopt;
}

void writePdf(const gdi::EnhMetaFile& picture, SafeFileWriter& file) {
  pdf::WritePdf(picture, QtPdfFonts(), [&file](std::string_view bytes) { file.write(bytes); });
}

WriteOutcome printPage(const gdi::EnhMetaFile& picture, QPrinter& printer) {
  // The painter's origin is the top-left of the printable area; its units
  // are the printer's dots.
  QPainter painter;
  if (!painter.begin(&printer)) return WriteFailureOf("cannot start printing");
  const double dpi = printer.resolution();
  PlayEnhMetaFile(painter, picture, naturalRect(picture, dpi), PlayOptions{false, dpi / kScreenDpi});
  if (!painter.end()) return WriteFailureOf("the printer did not take the page");
  return std::nullopt;
}

}  // namespace plotvane::qtplay
