// The CSV writer. See CsvWriter.h.

#include "contours/CsvWriter.h"

#include "contours/ChunkedText.h"
#include "contours/ExactNumber.h"

namespace plotvane {

void WriteCsv(const ContourFeed& contours, SafeFileWriter& writer) {
  ChunkedText out(writer);
  std::string& text = out.text();
  text += "level,line,vertex,x,y\r\n";
  contours.eachLevel([&](const ContourLevel& level) {
    const std::string levelText = ExactText(level.value) + ',';
    for (std::size_t l = 0; l < level.lines.size(); ++l) {
      const ContourLine& line = level.lines[l];
      const std::string lineText = levelText + std::to_string(l + 1) + ',';
      const std::size_t count = line.points.size() + (line.closed ? 1 : 0);
      for (std::size_t v = 0; v < count; ++v) {
        const ContourPoint& p = line.points[v % line.points.size()];
        text += lineText;
        text += std::to_string(v + 1);
        text += ',';
        AppendExactPair(text, p.x, p.y);
        text += "\r\n";
        out.spill();
      }
    }
    return true;
  });
}

}  // namespace plotvane
