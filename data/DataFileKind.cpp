// The kind of a data file by its name. See DataFileKind.h.

#include "data/DataFileKind.h"

#include <algorithm>
#include <array>

namespace plotvane {
namespace {

// ASCII letters only: the endings are ASCII, and a name's other bytes must
// not be changed by a locale.
bool EndsWithIgnoringCase(std::string_view name, std::string_view lower) {
  if (name.size() < lower.size()) return false;
  return std::equal(lower.begin(), lower.end(), name.end() - static_cast<std::ptrdiff_t>(lower.size()),
                    [](char a, char b) { return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b); });
}

}  // namespace

DataFileKind KindOfDataFile(std::string_view name) {
  // Spreadsheets export ".csv", instruments and other mapping programs ".xyz"
  // and ".dat": the same columns under other names.
  constexpr std::array<std::string_view, 4> kTextEndings{".txt", ".csv", ".xyz", ".dat"};
  for (const std::string_view ending : kTextEndings) {
    if (name.ends_with(ending)) return DataFileKind::Text;
  }
  if (name.ends_with(".ctr")) return DataFileKind::Contour;
  struct Ending {
    std::string_view lower;
    DataFileKind kind;
  };
  constexpr std::array<Ending, 4> kSurveyEndings{{{".sim", DataFileKind::Sima},
                                                  {".las", DataFileKind::Las},
                                                  {".laz", DataFileKind::Laz},
                                                  {".xml", DataFileKind::LandXml}}};
  for (const Ending& ending : kSurveyEndings) {
    if (EndsWithIgnoringCase(name, ending.lower)) return ending.kind;
  }
  return DataFileKind::Other;
}

}  // namespace plotvane
