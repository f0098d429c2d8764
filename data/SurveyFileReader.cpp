// Dispatch of the survey files to their readers. See SurveyFileReader.h.

#include "data/SurveyFileReader.h"

#include <memory>
#include <new>
#include <optional>

#include "common/ByteSource.h"
#include "common/ErrorDetails.h"
#include "common/TextDecoding.h"
#include "data/LandXmlReader.h"
#include "data/LasHeader.h"
#include "data/LasReader.h"
#include "data/SimaReader.h"
#include "data/SurveyRead.h"

namespace plotvane {
namespace {

constexpr std::uint64_t kMaxXmlFileBytes = std::uint64_t{1} << 30;

// The whole source, when it holds at most maxBytes; nullopt otherwise, with
// the reason in error.
std::optional<std::string> ReadBounded(ByteSource& source, std::size_t maxBytes, FileReadError& error) {
  if (source.size() > maxBytes) {
    error = {FileReadError::Kind::TooLarge, 0};
    return std::nullopt;
  }
  std::string bytes(static_cast<std::size_t>(source.size()) + 1, '\0');
  const std::optional<std::size_t> used = ReadFully(source, bytes.data(), bytes.size());
  if (!used) {
    error = source.error();
    return std::nullopt;
  }
  // One byte more than the size said: the file grew while it was read.
  if (*used > maxBytes || *used == bytes.size()) {
    error = {FileReadError::Kind::TooLarge, 0};
    return std::nullopt;
  }
  bytes.resize(*used);
  return bytes;
}

ReadStatus ReadFrom(ByteSource& source, std::string_view name, DataFileKind kind, const LoadOptions& options,
                    Document& doc) {
  FileReadError error;
  switch (kind) {
    case DataFileKind::LandXml:
      // Streamed, so the bound is only against a mistaken input that never ends.
      if (source.size() > kMaxXmlFileBytes) {
        error = {FileReadError::Kind::TooLarge, 0};
        break;
      }
      [[fallthrough]];
    case DataFileKind::Las: {
      const ReadStatus status =
          kind == DataFileKind::Las ? ReadLas(source, options, doc) : ReadLandXml(source, options, doc);
      if (status != ReadStatus::CannotOpen) return status;
      error = source.error();
      break;
    }
    case DataFileKind::Sima: {
      std::optional<std::string> bytes = ReadBounded(source, capacity::kMaxDataFileBytes, error);
      if (!bytes) break;
      return ReadSima(DecodeToUtf8(std::move(*bytes)), doc);
    }
    default: break;
  }
  return FailSurveyRead(doc, ReadStatus::CannotOpen, details::CannotReadText(name, error));
}

ReadStatus Guarded(Document& doc, const auto& read) {
  doc.errMsg.clear();
  doc.errDetail.clear();
  try {
    return read();
  } catch (const std::bad_alloc&) {
    return FailSurveyRead(doc, ReadStatus::Unexpected, details::FileReadErrorText({FileReadError::Kind::OutOfMemory}));
  }
}

}  // namespace

bool IsSurveyKind(DataFileKind kind) {
  return kind == DataFileKind::Sima || kind == DataFileKind::Las || kind == DataFileKind::Laz ||
         kind == DataFileKind::LandXml;
}

ReadStatus ReadSurveyFile(const std::string& path, DataFileKind kind, const LoadOptions& options, Document& doc) {
  return Guarded(doc, [&]() {
    // Refused by its name, before it is opened.
    if (kind == DataFileKind::Laz) return FailSurveyRead(doc, ReadStatus::Unexpected, LazRefusalText());
    FileReadError error;
    const std::unique_ptr<FileSource> source = FileSource::open(path, error);
    if (!source) return FailSurveyRead(doc, ReadStatus::CannotOpen, details::CannotReadText(path, error));
    return ReadFrom(*source, path, kind, options, doc);
  });
}

ReadStatus ReadSurveyBytes(std::string_view bytes, std::string_view name, DataFileKind kind, const LoadOptions& options,
                           Document& doc) {
  return Guarded(doc, [&]() {
    if (kind == DataFileKind::Laz) return FailSurveyRead(doc, ReadStatus::Unexpected, LazRefusalText());
    MemorySource source(bytes);
    return ReadFrom(source, name, kind, options, doc);
  });
}

}  // namespace plotvane
