#include "app/PageClipboard.h"

#include <QBuffer>

#include "qtplay/PageWriters.h"
#include "render/emf/EmfWriter.h"

namespace plotvane::app {
namespace {

const QString kSvgType = QStringLiteral("image/svg+xml");
const QStringList kEmfTypes{QStringLiteral("image/x-emf"), QStringLiteral("image/emf")};

}  // namespace

PageMimeData::PageMimeData(const QImage& screen, gdi::EnhMetaFile page) : m_page(std::move(page)) {
  setImageData(screen);
}

QStringList PageMimeData::formats() const {
  QStringList types = QMimeData::formats();
  if (!m_page.isNull()) types << kSvgType << kEmfTypes;
  return types;
}

bool PageMimeData::hasFormat(const QString& mimeType) const { return formats().contains(mimeType); }

QVariant PageMimeData::retrieveData(const QString& mimeType, QMetaType type) const {
  if (!m_page.isNull() && mimeType == kSvgType) {
    if (m_svg.isEmpty()) {
      QBuffer buffer(&m_svg);
      buffer.open(QIODevice::WriteOnly);
      if (qtplay::writeSvg(m_page, buffer)) m_svg.clear();
    }
    return m_svg;
  }
  if (!m_page.isNull() && kEmfTypes.contains(mimeType)) {
    if (m_emf.isEmpty()) m_emf = QByteArray::fromStdString(emf::EncodeEnhMetaFile(m_page));
    return m_emf;
  }
  return QMimeData::retrieveData(mimeType, type);
}

}  // namespace plotvane::app
