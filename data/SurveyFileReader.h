#pragma once
// The road of a survey file (SIMA, and the formats that follow it in
// DataFileKind.h) from its name or bytes to its reader. Unlike a text data
// file, a survey file is read by a reader of its own format, some of them in
// pieces; what they share is here: the kind by name, the source of the
// bytes, the bounds, and the failure of a file that cannot be read.

#include <string>
#include <string_view>

#include "data/DataFileKind.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

// True for the kinds this road reads.
bool IsSurveyKind(DataFileKind kind);

// Reads the survey file at path (of a kind IsSurveyKind accepts) into doc:
// the points in map order, doc.survey, errMsg and errDetail as the text
// reader sets them.
ReadStatus ReadSurveyFile(const std::string& path, DataFileKind kind, const LoadOptions& options, Document& doc);

// The same for bytes in memory; name is the one the messages give.
ReadStatus ReadSurveyBytes(std::string_view bytes, std::string_view name, DataFileKind kind, const LoadOptions& options,
                           Document& doc);

}  // namespace plotvane
