#pragma once
// Playing a recorded picture into a QPainter: the screen, images, PDF and
// the printer all go through here (SVG is written from the records by
// render/svg/SvgWriter.h).
//
// The picture's frame is mapped onto a target rectangle in the painter's
// coordinates (y downward); see render/gdi/Playback.h for what each recorded
// call means. How the recorded semantics are met with Qt:
// - polygons are filled by Qt's odd-even rule and outlined with a pen of
//   round caps and joins centred on the edge; a null pen draws no outline;
// - a pattern brush is an opaque black-and-white 8 x 8 QImage texture (a
//   QBitmap brush would come out solid in PDF and be dropped from SVG),
//   tiled from the painter's origin, each pattern pixel patternScale painter
//   units wide;
// - fonts get pixel sizes in painter units (QtFonts.h), black text on an
//   opaque white box.
//
// Raster output (the screen, PNG, BMP) fills without antialiasing, by the
// pixel-centre rule of SpanFill.h on the exact corners, so that pieces
// sharing an edge share it in pixels: the map is a mosaic of abutting pieces,
// and antialiased edges, or corners rounded one by one, would let the
// background show through as seams between them. Lines and outlines go
// through points snapped to whole pixels, with every pen a whole number of
// pixels wide, at least one. Vector output keeps the exact coordinates.

#include <QPainter>
#include <QRectF>

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::qtplay {

struct PlayOptions {
  bool raster = true;         // snap to pixels, no antialiasing (see above)
  double patternScale = 1.0;  // painter units per pattern pixel
  // Raster output into a 32-bit QImage drawn in plain device pixels (no
  // transform, clipping, opacity or composition mode set on the painter):
  // draw fills and one-pixel lines straight into the pixels (PixelSink.h),
  // the same pixels as through QPainter at a fraction of its cost for a map
  // of many small pieces. Off: everything through QPainter.
  bool directPixels = true;
};

// Plays the picture so that its frame fills target. The painter's pen, brush,
// font, clipping and render hints are as they were afterwards.
void PlayEnhMetaFile(QPainter& painter, const gdi::EnhMetaFile& picture, const QRectF& target,
                     const PlayOptions& options = {});

// The 8 x 8 texture of a pattern brush: black where the bit is 1, white
// elsewhere, opaque.
QImage patternImage(const gdi::MonoPattern& pattern);

}  // namespace plotvane::qtplay
