// The picture formats. See PictureFormats.h.

#include "qtplay/PictureFormats.h"

#include <string>

#include "qtplay/PageWriters.h"
#include "render/emf/EmfWriter.h"

namespace plotvane::qtplay {

std::optional<PictureFormat> PictureFormatOfPath(std::string_view path) {
  if (path.size() < 3) return std::nullopt;
  // "MAP.PNG" as "map.png": ASCII letters only, so that no locale touches a name's other bytes.
  std::string ending(path.substr(path.size() - 3));
  for (char& c : ending) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  return PictureFormatNamed(ending);
}

std::optional<PictureFormat> PictureFormatNamed(std::string_view name) {
  for (const PictureFormatName& f : kPictureFormats) {
    if (name == f.name) return f.format;
  }
  return std::nullopt;
}

void WritePicture(const gdi::EnhMetaFile& page, SafeFileWriter& file, PictureFormat format, double dpi) {
  switch (format) {
    case PictureFormat::Bmp: writeImage(page, file, "BMP", dpi); return;
    case PictureFormat::Png: writeImage(page, file, "PNG", dpi); return;
    case PictureFormat::Emf: emf::WriteEnhMetaFile(page, file); return;
    case PictureFormat::Svg: writeSvg(page, file); return;
    case PictureFormat::Pdf: writePdf(page, file); return;
  }
}

WriteOutcome SavePicture(const gdi::EnhMetaFile& page, const std::string& path, PictureFormat format, double dpi) {
  return WriteFileSafely(path, [&](SafeFileWriter& file) { WritePicture(page, file, format, dpi); });
}

}  // namespace plotvane::qtplay
