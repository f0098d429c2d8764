#pragma once
// A closed recorded picture: the value CloseEnhMetaFile hands back.
//
// A picture is immutable and cheap to copy (copies share the recording).
// It holds:
// - its frame, (left, top, right, bottom) in 0.01 mm of the reference
//   device's frame space (y downward, see ReferenceDevice.h), as given to
//   CreateEnhMetaFileA;
// - the record stream (RecordStore.h);
// - the tables its Select records index: every distinct pen, brush and font
//   description selected while recording, each once. Entry 0 of each table is
//   the context's default (BLACK_PEN, WHITE_BRUSH, SYSTEM_FONT), in effect
//   until the first Select of that kind;
// - the texts of its text records and the pictures played into it. A played
//   picture is kept by reference, not copied, so deleting it after playing
//   (as the page composition does) costs nothing and keeps it alive.
//
// Deleting a picture (DeleteEnhMetaFile, or the last copy going out of scope)
// releases it.

#include <memory>
#include <string>
#include <vector>

#include "render/gdi/GdiTypes.h"
#include "render/gdi/RecordStore.h"

namespace plotvane::gdi {

class EnhMetaFile;

struct PictureData {
  RECT frame;
  RecordStore records;
  std::vector<LOGPEN> pens;
  std::vector<LOGBRUSH> brushes;
  std::vector<LOGFONT> fonts;
  std::vector<std::string> texts;
  std::vector<EnhMetaFile> pictures;
};

class EnhMetaFile {
 public:
  EnhMetaFile() = default;
  explicit EnhMetaFile(std::shared_ptr<const PictureData> data) : m_data(std::move(data)) {}

  bool isNull() const { return m_data == nullptr; }
  explicit operator bool() const { return m_data != nullptr; }

  // The accessors below require a non-null picture.
  const RECT& frame() const { return m_data->frame; }
  const RecordStore& records() const { return m_data->records; }
  const std::vector<LOGPEN>& pens() const { return m_data->pens; }
  const std::vector<LOGBRUSH>& brushes() const { return m_data->brushes; }
  const std::vector<LOGFONT>& fonts() const { return m_data->fonts; }
  const std::vector<std::string>& texts() const { return m_data->texts; }
  const std::vector<EnhMetaFile>& pictures() const { return m_data->pictures; }

  // Bytes held by this picture's own records and tables (played pictures not
  // included): the memory figure the renderer is budgeted against.
  std::int64_t byteSize() const;

  // True when both name the same recording.
  friend bool operator==(const EnhMetaFile& a, const EnhMetaFile& b) { return a.m_data == b.m_data; }

 private:
  std::shared_ptr<const PictureData> m_data;
};

// Releases the caller's reference; the picture is freed when no copy and no
// picture it was played into holds it any more.
inline void DeleteEnhMetaFile(EnhMetaFile& picture) { picture = EnhMetaFile(); }

}  // namespace plotvane::gdi
