// Writing the contour file. See ContourFileWriter.h for the layout.

#include "data/ContourFileWriter.h"

#include <vector>

#include "common/SafeFile.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"

namespace plotvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

// A text line of the block as the reader gets it back: the reader drops empty
// lines, takes field 1 of a line with its outer spaces removed, and chooses
// the separator from the first line. So a text is written without outer
// spaces and with no tab or line end inside it, and a tab follows it when it
// is empty (an empty line would shift every line after it) and when line 1
// holds a comma or a space, which would otherwise become the file's separator
// and turn every point line into a single field.
std::string TextLine(std::string_view text, bool firstLine) {
  std::string line(TrimSpaces(text));
  for (char& c : line) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  line.assign(TrimSpaces(line));
  if (line.empty() || (firstLine && line.find_first_of(", ") != std::string::npos)) line += '\t';
  return line;
}

std::string BlockText(const DrawSettings& settings) {
  std::string text;
  const std::vector<std::string> lines = SettingsBlockLines(settings);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += i < static_cast<std::size_t>(kSettingsTextLines) ? TextLine(lines[i], i == 0) : lines[i];
    text += kLineEnd;
  }
  return text;
}

}  // namespace

std::string ContourFileText(const DrawSettings& settings, const PointSet& points) {
  std::string text = BlockText(settings);
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

WriteOutcome WriteContourFile(const std::string& path, const DrawSettings& settings, const PointSet& points) {
  return WriteFileSafely(path, ContourFileText(settings, points));
}

}  // namespace plotvane
