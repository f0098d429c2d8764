#include "data/ReaderTestSupport.h"

namespace plotvane::test {

ReadOutcome ReadBytesAsFile(std::string_view name, std::string_view bytes, int skipLines,
                            std::string_view skipPrefixes) {
  const TempDir dir;
  ReadOutcome out{ReadStatus::Ok, Document{}};
  out.doc.settings = DefaultDrawSettings();
  out.status = ReadDataFile(dir.write(name, bytes), out.doc,
                            SkipOptions{static_cast<std::int16_t>(skipLines), std::string(skipPrefixes)});
  return out;
}

std::array<double, 3> PointAt(const Document& doc, int i) {
  const auto k = static_cast<std::size_t>(i);
  return {doc.points.dataX.at(k), doc.points.dataY.at(k), doc.points.dataZ.at(k)};
}

}  // namespace plotvane::test
