#pragma once
// Writing a recorded picture as a Windows enhanced metafile.
//
// The file holds the picture flattened: pictures played into it are written
// in place, mapped into the outer picture's frame, so a reader needs no
// nesting. Layout of the file:
// - the header: the picture's frame in 0.01 mm, the reference device of
//   ReferenceDevice.h (1920 x 1440 pixels, 508 x 381 mm, 96 per inch), the
//   bounds of what is drawn in device pixels;
// - MM_ANISOTROPIC with window and viewport extents that make one logical
//   unit 0.01 mm with y downward: logical coordinates are frame-space
//   coordinates, so the frame (0, -12620, 15795, 0) of the page holds the
//   page's drawing at y 0..-12620;
// - alternate polygon fill, black text on an opaque white background, as a
//   new device context has them;
// - each distinct pen, brush and font created once (EmfObjects.h), selected
//   where the picture selects it; pattern brushes as 1-bit bitmap pattern
//   brushes; fonts as EXTCREATEFONTINDIRECTW with the face name in UTF-16;
// - polygons and polylines as the 16-bit records when every coordinate fits,
//   lines as MOVETOEX/LINETO, text as EXTTEXTOUTW with a top-aligned
//   reference point, the run's alignment, its clip rectangle and character
//   advances from the process-wide TextMeasurer;
// - the objects deleted, then EOF.

#include <string>

#include "common/Failure.h"
#include "common/SafeFile.h"
#include "render/gdi/EnhMetaFile.h"

namespace plotvane::emf {

// The bytes of the metafile of a picture; empty for a null picture. Holds
// the whole file in memory: for small pictures and tests.
std::string EncodeEnhMetaFile(const gdi::EnhMetaFile& picture);

// Streams the metafile of a picture into an open writer, which the caller
// commits; a null picture is recorded as the writer's failure.
void WriteEnhMetaFile(const gdi::EnhMetaFile& picture, SafeFileWriter& file);

}  // namespace plotvane::emf

namespace plotvane::gdi {

// Writes the picture as an enhanced metafile at path, replacing the file
// there only once the new one is complete. The records are streamed to the
// file (a first pass counts them for the header), so a full map's file of
// tens of megabytes is never held in memory. Returns the failure, none on
// success. A scratch file is not synced to disk (common/SafeFile.h).
WriteOutcome CopyEnhMetaFileA(const EnhMetaFile& picture, const std::string& path,
                              Durability durability = Durability::Synced);

}  // namespace plotvane::gdi
