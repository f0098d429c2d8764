#pragma once
// Writing a recorded page to image and document files.
//
// The raster writers and the printer play the same picture (QtPlayer.h) and
// differ only in the device; the SVG and the PDF are written from the records
// themselves (render/svg/SvgWriter.h, render/pdf/PdfWriter.h). Sizes follow from the picture's frame: the page's 157.95
// x 126.20 mm frame is 597 x 477 pixels at 96 per inch. A higher resolution draws the same page sharper: positions,
// pens, text and the pattern cells all scale, so a 192-dpi image looks like the 96-dpi one at twice the pixels.
//
// Every writer streams into a SafeFileWriter that the caller opened and
// commits (PictureFormats.h writes files at a path with them); a failure, of
// the disk or of the encoder, is recorded in that writer.
// Everything here needs a QGuiApplication.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

#include "common/Failure.h"
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
// SVG in pixels of 1/96 inch, so that the page keeps its size in millimetres
// (render/svg/SvgWriter.h, with the fonts the player draws with).
void writeSvg(const gdi::EnhMetaFile& picture, SafeFileWriter& file);
// The same SVG into an open device (the clipboard's data, for one); the
// failure's message names the device's error.
WriteOutcome writeSvg(const gdi::EnhMetaFile& picture, QIODevice& device);
// PDF of one page exactly the size of the frame, no margins, its texts drawn
// as outlines of the fonts the player draws with (render/pdf/PdfWriter.h).
void writePdf(const gdi::EnhMetaFile& picture, SafeFileWriter& file);
// One printed page: the picture at its natural size with its top-left at the
// top-left corner of the printable area, in vector form.
WriteOutcome printPage(const gdi::EnhMetaFile& picture, QPrinter& printer);

}  // namespace plotvane::qtplay
