// Memory accounting of a recorded picture. See EnhMetaFile.h.

#include "render/gdi/EnhMetaFile.h"

namespace plotvane::gdi {

std::int64_t EnhMetaFile::byteSize() const {
  if (isNull()) return 0;
  const PictureData& d = *m_data;
  std::int64_t bytes = sizeof(PictureData) + d.records.byteSize();
  bytes += static_cast<std::int64_t>(d.pens.capacity() * sizeof(LOGPEN));
  bytes += static_cast<std::int64_t>(d.brushes.capacity() * sizeof(LOGBRUSH));
  bytes += static_cast<std::int64_t>(d.fonts.capacity() * sizeof(LOGFONT));
  for (const LOGFONT& f : d.fonts) bytes += static_cast<std::int64_t>(f.faceName.capacity());
  bytes += static_cast<std::int64_t>(d.texts.capacity() * sizeof(std::string));
  for (const std::string& t : d.texts) bytes += static_cast<std::int64_t>(t.capacity());
  bytes += static_cast<std::int64_t>(d.pictures.capacity() * sizeof(EnhMetaFile));
  return bytes;
}

}  // namespace plotvane::gdi
