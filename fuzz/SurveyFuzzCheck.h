#pragma once
// The properties every survey reader keeps, whatever its input: a failure
// leaves no point and no survey data; a success leaves at most 99 999 finite
// points whose ranges can be normalised, UTF-8 labels, and faces that name
// points of the set and turn clockwise (or have no area).

#include <cmath>
#include <vector>

#include "common/Messages.h"
#include "common/TextDecoding.h"
#include "data/DataFileReader.h"
#include "data/Document.h"
#include "data/SurveyRead.h"
#include "fuzz/FuzzCheck.h"

namespace plotvane::fuzz {

inline void CheckSurveyColumn(const std::vector<double>& values, PointIndex nn) {
  Require(static_cast<PointIndex>(values.size()) == nn + 1, "a data array holds nn + 1 elements");
  double lo = 0, hi = 0;
  for (PointIndex i = 1; i <= nn; ++i) {
    const double v = values[static_cast<std::size_t>(i)];
    Require(std::isfinite(v), "every value read is finite");
    lo = i == 1 ? v : std::fmin(lo, v);
    hi = i == 1 ? v : std::fmax(hi, v);
  }
  Require(std::isfinite((hi - lo) * 100), "every column's range can be normalised");
}

inline void CheckSurveyFaces(const Document& doc) {
  const std::vector<std::int32_t>& f = doc.survey.faces;
  const PointSet& p = doc.points;
  Require(f.size() % 3 == 0, "faces come in threes");
  for (std::size_t k = 0; k < f.size(); k += 3) {
    for (std::size_t c = 0; c < 3; ++c) Require(f[k + c] >= 1 && f[k + c] <= p.nn, "a face names points of the set");
    const auto x = [&](std::size_t c) { return p.dataX[static_cast<std::size_t>(f[k + c])]; };
    const auto y = [&](std::size_t c) { return p.dataY[static_cast<std::size_t>(f[k + c])]; };
    const double area = (x(1) - x(0)) * (y(2) - y(0)) - (x(2) - x(0)) * (y(1) - y(0));
    Require(!(area > 0), "every face turns clockwise");
  }
}

inline void CheckSurveyOutcome(ReadStatus status, const Document& doc) {
  const PointSet& p = doc.points;
  switch (status) {
    case ReadStatus::Ok:
      Require(doc.errMsg.empty(), "a successful read leaves errMsg empty");
      Require(p.nn >= 0 && p.nn <= kMaxSurveyPoints, "nn lies within the point limit");
      CheckSurveyColumn(p.dataX, p.nn);
      CheckSurveyColumn(p.dataY, p.nn);
      CheckSurveyColumn(p.dataZ, p.nn);
      Require(IsValidUtf8(p.labelX) && IsValidUtf8(p.labelY) && IsValidUtf8(p.labelZ), "labels are UTF-8");
      Require(IsValidUtf8(doc.survey.loadNote), "the load note is UTF-8");
      CheckSurveyFaces(doc);
      break;
    case ReadStatus::InvalidData:
    case ReadStatus::Unexpected:
      Require(
          doc.errMsg == (status == ReadStatus::InvalidData ? messages::kInvalidData : messages::kUnexpectedReadFailure),
          "a failed read carries its message");
      Require(!doc.errDetail.empty(), "a failed read says why");
      Require(p.nn == 0 && p.dataX.size() == 1 && p.dataY.size() == 1 && p.dataZ.size() == 1,
              "a failed read leaves no point");
      Require(doc.survey.faces.empty() && doc.survey.parcels.empty(), "a failed read leaves no survey data");
      break;
    case ReadStatus::UnknownKind:
    case ReadStatus::CannotOpen: Require(false, "bytes of a survey kind are always interpreted");
  }
}

}  // namespace plotvane::fuzz
