// Image, SVG and PDF files of a picture. See PageWriters.h.

#include "qtplay/PageWriters.h"

#include <QImageWriter>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

#include "qtplay/QtPlayer.h"

namespace plotvane::qtplay {
namespace {

constexpr double kHimetricPerInch = 2540.0;
constexpr double kScreenDpi = 96.0;
// PDF coordinates are fine enough at this resolution for 0.01 mm geometry.
constexpr int kPdfDpi = 1200;

QString Failure(const QSaveFile& file, const QString& what) { return file.fileName() + QStringLiteral(": ") + what; }

QString Commit(QSaveFile& file) {
  if (!file.commit()) return Failure(file, file.errorString());
  return {};
}

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

QString writeImage(const gdi::EnhMetaFile& picture, const QString& path, const char* format, double dpi) {
  const QImage image = renderImage(picture, dpi).convertToFormat(QImage::Format_RGB888);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(file, file.errorString());
  QImageWriter writer(&file, format);
  if (!writer.write(image)) {
    file.cancelWriting();
    return Failure(file, writer.errorString());
  }
  return Commit(file);
}

QString writeSvg(const gdi::EnhMetaFile& picture, QIODevice& device) {
  // The view box is the whole-pixel size, so that one unit stays 1/96 inch
  // and the pattern cells fall on whole units.
  const QSize size = naturalPixelSize(picture, kScreenDpi);
  QSvgGenerator generator;
  generator.setOutputDevice(&device);
  generator.setResolution(static_cast<int>(kScreenDpi));
  generator.setSize(size);
  generator.setViewBox(QRectF(QPointF(0, 0), size));
  QPainter painter;
  if (!painter.begin(&generator)) return QStringLiteral("cannot start the SVG");
  PlayEnhMetaFile(painter, picture, naturalRect(picture, kScreenDpi), PlayOptions{false, 1.0, true});
  return {};
}

QString writeSvg(const gdi::EnhMetaFile& picture, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(file, file.errorString());
  if (const QString error = writeSvg(picture, file); !error.isEmpty()) {
    file.cancelWriting();
    return Failure(file, error);
  }
  return Commit(file);
}

QString writePdf(const gdi::EnhMetaFile& picture, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return Failure(file, file.errorString());
  const QRectF mm = naturalRect(picture, 25.4);
  {
    QPdfWriter writer(&file);
    writer.setResolution(kPdfDpi);
    writer.setPageSize(QPageSize(mm.size(), QPageSize::Millimeter, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    QPainter painter;
    if (!painter.begin(&writer)) {
      file.cancelWriting();
      return Failure(file, QStringLiteral("cannot start the PDF"));
    }
    PlayEnhMetaFile(painter, picture, naturalRect(picture, kPdfDpi), PlayOptions{false, kPdfDpi / kScreenDpi});
  }
  return Commit(file);
}

QString printPage(const gdi::EnhMetaFile& picture, QPrinter& printer) {
  // The painter's origin is the top-left of the printable area; its units
  // are the printer's dots.
  QPainter painter;
  if (!painter.begin(&printer)) return QStringLiteral("cannot start printing");
  const double dpi = printer.resolution();
  PlayEnhMetaFile(painter, picture, naturalRect(picture, dpi), PlayOptions{false, dpi / kScreenDpi});
  if (!painter.end()) return QStringLiteral("the printer did not take the page");
  return {};
}

}  // namespace plotvane::qtplay
