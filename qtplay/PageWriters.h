#pragma once
// Writing a recorded page to image and document files.
//
// The raster and PDF writers play the same picture (QtPlayer.h) and differ
// only in the device; the SVG is written from the records themselves
// (render/svg/SvgWriter.h). Sizes follow from the picture's frame: the page's 157.95 x 126.20 mm
// frame is 597 x 477 pixels at 96 per inch. A higher resolution draws the
// same page sharper: positions, pens, text and the pattern cells all scale,
// so a 192-dpi image looks like the 96-dpi one at twice the pixels.
//
// Every writer has two forms. One streams into a SafeFileWriter that the
// caller opened and commits (standard output, for the command line); a
// failure, of the disk or of the encoder, is recorded in that writer. The
// other writes the file at a path (its name in the file system's encoding)
// through the safe writer, replacing an existing file only by a complete new
// one, and returns the user's message (SaveError.h), empty on success.
// Everything here needs a QGuiApplication.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include "common/SafeFile.h"
#include "render/gdi/EnhMetaFile.h"

class QIODevice;
class QPrinter;

namespace plotvane::qtplay {

// The picture's frame at `dpi` dots per inch, with its top-left at (0, 0).
QRectF naturalRect(const gdi::EnhMetaFile& picture, double dpi);
// The rectangle's size in whole pixels, at least 1 x 1.
QSize naturalPixelSize(const gdi::EnhMetaFile& picture, double dpi);

// The picture on white at its natural size at `dpi` (the frame stretched to
// the whole pixels of naturalPixelSize), recorded as that resolution in the
// image.
QImage renderImage(const gdi::EnhMetaFile& picture, double dpi = 96.0);

// PNG or BMP (`format` "PNG" or "BMP", 24-bit colour) of renderImage.
void writeImage(const gdi::EnhMetaFile& picture, SafeFileWriter& file, const char* format, double dpi = 96.0);
QString writeImage(const gdi::EnhMetaFile& picture, const QString& path, const char* format, double dpi = 96.0);
// SVG in pixels of 1/96 inch, so that the page keeps its size in millimetres
// (render/svg/SvgWriter.h, with the fonts the player draws with).
void writeSvg(const gdi::EnhMetaFile& picture, SafeFileWriter& file);
QString writeSvg(const gdi::EnhMetaFile& picture, const QString& path);
// The same SVG into an open device (the clipboard's data, for one); the
// error message names the device's failure.
QString writeSvg(const gdi::EnhMetaFile& picture, QIODevice& device);
// PDF of one page exactly the size of the frame, no margins.
void writePdf(const gdi::EnhMetaFile& picture, SafeFileWriter& file);
QString writePdf(const gdi::EnhMetaFile& picture, const QString& path);
// One printed page: the picture at its natural size with its top-left at the
// top-left corner of the printable area, in vector form.
QString printPage(const gdi::EnhMetaFile& picture, QPrinter& printer);

}  // namespace plotvane::qtplay
