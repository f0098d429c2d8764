#pragma once
// Writing a recorded page to image and document files.
//
// Every writer plays the same picture (QtPlayer.h); they differ only in the
// device. Sizes follow from the picture's frame: the page's 157.95 x 126.20 mm
// frame is 597 x 477 pixels at 96 per inch. A higher resolution draws the
// same page sharper: positions, pens, text and the pattern cells all scale,
// so a 192-dpi image looks like the 96-dpi one at twice the pixels.
//
// Files are written through QSaveFile: an existing file is replaced only by
// a complete new one. Each writer returns an error message, empty on success.
// Everything here needs a QGuiApplication.

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

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
QString writeImage(const gdi::EnhMetaFile& picture, const QString& path, const char* format, double dpi = 96.0);
// SVG in pixels of 1/96 inch, so that the page keeps its size in millimetres.
// Pattern fills are drawn as their black cells (PlayOptions::patternCells).
// Qt's generator writes a group per style change: a map of 200 000 triangles
// makes a file of about 300 MB and needs over a gigabyte while writing.
QString writeSvg(const gdi::EnhMetaFile& picture, const QString& path);
// The same SVG into an open device (the clipboard's data, for one).
QString writeSvg(const gdi::EnhMetaFile& picture, QIODevice& device);
// PDF of one page exactly the size of the frame, no margins.
QString writePdf(const gdi::EnhMetaFile& picture, const QString& path);
// One printed page: the picture at its natural size with its top-left at the
// top-left corner of the printable area, in vector form.
QString printPage(const gdi::EnhMetaFile& picture, QPrinter& printer);

}  // namespace plotvane::qtplay
