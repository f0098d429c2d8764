#include "support/SettingsTestSupport.h"

namespace plotvane {

void PrintTo(const DrawSettings& s, std::ostream* out) {
  const char* const modes[] = {"colour", "grey", "pattern"};
  *out << "{X " << s.X1 << ".." << s.X2 << ", Y " << s.Y1 << ".." << s.Y2 << ", Z " << s.Z1 << ".." << s.Z2 << ", n "
       << s.n << ", sq '" << s.sq << "', lines " << s.ContourLines << ", edges " << s.TriangleEdges << ", continuous "
       << s.ContinuousColour << ", " << modes[static_cast<int>(s.fillMode)] << '}';
}

namespace test {

DrawSettings WithTexts(DrawSettings base, std::initializer_list<std::pair<TextField, std::string>> changes) {
  for (const auto& [field, text] : changes) base.*field = text;
  return base;
}

DrawSettings Settings(const char* x1, const char* x2, const char* y1, const char* y2, const char* z1, const char* z2,
                      const char* n, const char* sq, int contourLines, int triangleEdges, int continuousColour,
                      FillMode fillMode) {
  DrawSettings s{.X1 = x1, .X2 = x2, .Y1 = y1, .Y2 = y2, .Z1 = z1, .Z2 = z2, .n = n, .sq = sq};
  s.ContourLines = contourLines;
  s.TriangleEdges = triangleEdges;
  s.ContinuousColour = continuousColour;
  s.fillMode = fillMode;
  return s;
}

DrawSettings WithLimit(std::string sq) {
  DrawSettings s;
  s.sq = std::move(sq);
  return s;
}

}  // namespace test
}  // namespace plotvane
