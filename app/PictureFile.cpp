#include "app/PictureFile.h"

#include <QFile>
#include <array>

#include "qtplay/PageWriters.h"
#include "render/emf/EmfWriter.h"

namespace plotvane::app {
namespace {

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

PictureFileKind PictureFileKindOf(const QString& path) {
  struct Ending {
    const char* last3;
    PictureFileKind kind;
  };
  constexpr std::array<Ending, 5> kEndings{{{"bmp", PictureFileKind::Bmp},
                                            {"emf", PictureFileKind::Emf},
                                            {"png", PictureFileKind::Png},
                                            {"svg", PictureFileKind::Svg},
                                            {"pdf", PictureFileKind::Pdf}}};
  const QString last3 = path.right(3);
  for (const Ending& e : kEndings) {
    if (last3 == QLatin1String(e.last3)) return e.kind;
  }
  return PictureFileKind::None;
}

QString SavePictureFile(const gdi::EnhMetaFile& page, const QString& path, PictureFileKind kind) {
  switch (kind) {
    case PictureFileKind::Bmp: return qtplay::writeImage(page, path, "BMP");
    case PictureFileKind::Png: return qtplay::writeImage(page, path, "PNG");
    case PictureFileKind::Emf: return QString::fromStdString(gdi::CopyEnhMetaFileA(page, LocalPath(path)));
    case PictureFileKind::Svg: return qtplay::writeSvg(page, path);
    case PictureFileKind::Pdf: return qtplay::writePdf(page, path);
    case PictureFileKind::None: break;
  }
  return {};
}

}  // namespace plotvane::app
