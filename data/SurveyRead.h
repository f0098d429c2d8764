#pragma once
// The steps the survey readers (SIMA, LAS, LandXML) share: collecting points
// in map order, handing them to the document, and failing as the text reader
// fails (no point left, the fixed message with a detail beneath it).

#include <string>
#include <string_view>
#include <vector>

#include "common/Capacity.h"
#include "common/Index.h"
#include "data/DataFileReader.h"
#include "data/Document.h"

namespace plotvane {

// A survey file gives at most as many points as a text data file holds: its
// accepted lines less the header.
inline constexpr PointIndex kMaxSurveyPoints = capacity::kMaxAcceptedLines - 1;

// Points in map order (east, north, value), 1-based like the point set.
struct SurveyPoints {
  std::vector<double> east{0.0}, north{0.0}, z{0.0};
  PointIndex count() const { return static_cast<PointIndex>(east.size()) - 1; }
  void add(double e, double n, double v) {
    east.push_back(e);
    north.push_back(n);
    z.push_back(v);
  }
};

// Column names for files whose north is their X (SIMA, the Japanese LandXML):
// the page says which axis is which.
inline constexpr std::string_view kEastLabel = "Y(東)";
inline constexpr std::string_view kNorthLabel = "X(北)";

// Moves the points into doc.points with their column names; InvalidData when
// a column's values lie too far apart to normalise, Ok otherwise.
ReadStatus StoreSurveyPoints(SurveyPoints&& points, std::string_view labelX, std::string_view labelY,
                             std::string_view labelZ, Document& doc);

// Ends a read that failed: no point, no survey data, errMsg by status
// (invalid data, or the unexpected failure) and detail beneath it.
ReadStatus FailSurveyRead(Document& doc, ReadStatus status, std::string detail);

// "点が 99 999 個を超えています。" and what to do about it.
std::string TooManyPointsText();

}  // namespace plotvane
