#pragma once
// The clipboard's copy of the page: the screen bitmap (597 x 477) at once,
// and the vector page as SVG ("image/svg+xml") and as an enhanced metafile
// ("image/x-emf", "image/emf") when a program pastes them. The vector forms
// are made from the page as it was when copied, only on request: a map of
// 200 000 triangles takes seconds to turn into SVG, and most pastes never
// ask for it.

#include <QImage>
#include <QMimeData>

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::app {

class PageMimeData final : public QMimeData {
  Q_OBJECT
 public:
  // page may be null (before the first page): then only the bitmap is offered.
  PageMimeData(const QImage& screen, gdi::EnhMetaFile page);

  QStringList formats() const override;
  bool hasFormat(const QString& mimeType) const override;

 protected:
  QVariant retrieveData(const QString& mimeType, QMetaType type) const override;

 private:
  gdi::EnhMetaFile m_page;
  mutable QByteArray m_svg;
  mutable QByteArray m_emf;
};

}  // namespace plotvane::app
