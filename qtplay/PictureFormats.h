#pragma once
// The picture formats of the page, one table for the desktop program's
// "画像保存" and for plotvane-cli render: the name that selects a format, the
// writer that writes it.
//
// A file's name selects the format by its last three characters, exactly as
// typed ("map.png", also "mappng"; "map.PNG" or a name without them selects
// none), as the desktop program always has; standard output is given the
// format by its name alone ("png").
//
//   bmp, png  the page at 96 dpi (597 x 477 pixels) or the dpi asked for
//   emf       the page as an enhanced metafile, the same bytes as the page file
//   svg, pdf  the page in vector form at its natural size

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "common/Failure.h"
#include "common/SafeFile.h"
#include "render/gdi/EnhMetaFile.h"

namespace plotvane::qtplay {

enum class PictureFormat { Bmp, Emf, Png, Svg, Pdf };

struct PictureFormatName {
  std::string_view name;
  PictureFormat format;
};

inline constexpr std::array<PictureFormatName, 5> kPictureFormats{{{"bmp", PictureFormat::Bmp},
                                                                   {"emf", PictureFormat::Emf},
                                                                   {"png", PictureFormat::Png},
                                                                   {"svg", PictureFormat::Svg},
                                                                   {"pdf", PictureFormat::Pdf}}};

// The format a file name selects by its last three letters in any case;
// nullopt when none.
std::optional<PictureFormat> PictureFormatOfPath(std::string_view path);
// The format named exactly ("svg"); nullopt for any other text.
std::optional<PictureFormat> PictureFormatNamed(std::string_view name);
// Whether the format is a raster image, which alone has a resolution.
inline bool IsRaster(PictureFormat format) { return format == PictureFormat::Bmp || format == PictureFormat::Png; }

// Writes the page into an open writer, which the caller commits; a failure is
// recorded in the writer. dpi matters to the raster formats only.
void WritePicture(const gdi::EnhMetaFile& page, SafeFileWriter& file, PictureFormat format, double dpi = 96.0);
// Writes the page at path (in the file system's encoding) through the safe
// writer.
WriteOutcome SavePicture(const gdi::EnhMetaFile& page, const std::string& path, PictureFormat format,
                         double dpi = 96.0);

}  // namespace plotvane::qtplay
