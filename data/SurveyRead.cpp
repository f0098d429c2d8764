// Shared steps of the survey readers. See SurveyRead.h.

#include "data/SurveyRead.h"

#include <cmath>
#include <utility>

#include "common/ErrorDetails.h"
#include "common/Messages.h"

namespace plotvane {
namespace {

// The normalisation (v - min) * 100 / (max - min) must stay finite.
bool RangeIsFinite(const std::vector<double>& values) {
  if (values.size() < 2) return true;
  double low = values[1];
  double high = values[1];
  for (std::size_t i = 2; i < values.size(); ++i) {
    low = std::fmin(low, values[i]);
    high = std::fmax(high, values[i]);
  }
  return std::isfinite((high - low) * 100);
}

}  // namespace

ReadStatus StoreSurveyPoints(SurveyPoints&& points, std::string_view labelX, std::string_view labelY,
                             std::string_view labelZ, Document& doc) {
  const std::vector<double>* columns[] = {&points.east, &points.north, &points.z};
  for (int column = 1; column <= 3; ++column) {
    if (!RangeIsFinite(*columns[column - 1])) {
      return FailSurveyRead(doc, ReadStatus::InvalidData, details::RangeOverflowText(column));
    }
  }
  PointSet& p = doc.points;
  p.nn = points.count();
  p.dataX = std::move(points.east);
  p.dataY = std::move(points.north);
  p.dataZ = std::move(points.z);
  p.labelX.assign(labelX);
  p.labelY.assign(labelY);
  p.labelZ.assign(labelZ);
  doc.errMsg.clear();
  return ReadStatus::Ok;
}

ReadStatus FailSurveyRead(Document& doc, ReadStatus status, std::string detail) {
  doc.points.nn = 0;
  doc.points.dataX.assign(1, 0.0);
  doc.points.dataY.assign(1, 0.0);
  doc.points.dataZ.assign(1, 0.0);
  doc.survey = SurveyData{};
  doc.errMsg = status == ReadStatus::InvalidData ? messages::kInvalidData : messages::kUnexpectedReadFailure;
  doc.errDetail = std::move(detail);
  return status;
}

std::string TooManyPointsText() {
  return "点が " + std::to_string(kMaxSurveyPoints) + " 個を超えています。点を減らしてから読み込んでください。";
}

}  // namespace plotvane
