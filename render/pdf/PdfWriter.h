#pragma once
// Writing a recorded picture as a one-page PDF, streamed from the records.
//
// The page is the picture's frame in points (157.95 x 126.20 mm is
// 447.73 x 357.73 pt). Its content is drawn in the frame's own 0.01 mm with y
// downward, coordinates as whole numbers, and deflated into the file as it
// is made (PdfContent.h says how each drawing call becomes operators,
// PdfContentStreams.h how they are deflated).
// Texts are shaped at the pixel sizes of the screen (1/96 inch), so they
// take the same room as in the PNG. Each glyph of the texts is an outline
// form written once and placed wherever it occurs, so the texts read the
// same in any reader without fonts; each text carries its characters for
// copying and searching. A map of any size costs a fixed amount of memory:
// the output goes through a callback in pieces of about 64 KiB.

#include "render/gdi/EnhMetaFile.h"
#include "render/pdf/PdfFile.h"
#include "render/pdf/PdfFonts.h"

namespace plotvane::pdf {

// Writes the PDF of the picture (a null picture gives an empty page of one
// unit).
void WritePdf(const gdi::EnhMetaFile& picture, const PdfFonts& fonts, const ByteOutput& output);

}  // namespace plotvane::pdf
