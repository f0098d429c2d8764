// Writing the contour file. See ContourFileWriter.h for the layout.

#include "data/ContourFileWriter.h"

#include "common/SafeFile.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"

namespace plotvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string ContourFileText(const DrawSettings& settings, const PointSet& points) {
  std::string text = SettingsBlockText(settings);
  text += kLineEnd;
  text += points.labelX + '\t' + points.labelY + '\t' + points.labelZ;
  text += kLineEnd;
  // About 20 characters a number; one reservation instead of repeated growth.
  text.reserve(text.size() + static_cast<std::size_t>(points.nn) * 64);
  for (PointIndex i = 1; i <= points.nn; ++i) {
    const auto k = static_cast<std::size_t>(i);
    text += NumberText(points.dataX[k]);
    text += '\t';
    text += NumberText(points.dataY[k]);
    text += '\t';
    text += NumberText(points.dataZ[k]);
    text += kLineEnd;
  }
  return text;
}

std::string WriteContourFile(const std::string& path, const DrawSettings& settings, const PointSet& points) {
  return WriteFileSafely(path, ContourFileText(settings, points));
}

}  // namespace plotvane
