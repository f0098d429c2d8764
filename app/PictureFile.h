#pragma once
// The picture files of "画像保存": the kind is chosen by the last three
// characters of the name, exactly as typed (".BMP" or a name without an
// extension saves nothing).
//
//   bmp  the page at 96 dpi, 597 x 477 pixels, as the screen shows it
//   emf  the page as an enhanced metafile, the same bytes as the page file;
//        written from the page in memory, so it works without a page file
//   png  as bmp; svg, pdf  the page in vector form at its natural size
//
// Every kind replaces an existing file only with a complete new one.

#include <QString>

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::app {

enum class PictureFileKind { None, Bmp, Emf, Png, Svg, Pdf };

PictureFileKind PictureFileKindOf(const QString& path);

// Writes page to path as kind, which is not None. Returns the error
// message, empty on success.
QString SavePictureFile(const gdi::EnhMetaFile& page, const QString& path, PictureFileKind kind);

}  // namespace plotvane::app
