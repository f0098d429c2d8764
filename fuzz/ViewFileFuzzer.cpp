// Fuzzes the view-file reader: the bytes are decoded as a view file's are
// (UTF-8, else CP932) and read with ReadViewText.
//
// Properties, beyond "no crash, no sanitizer finding":
// - decoding always gives valid UTF-8, and valid UTF-8 without a byte-order
//   mark comes back unchanged;
// - after any read the switches are 0 or 1, the pattern fill never goes with
//   continuous colouring, and sq is empty or the canonical text of a number;
// - the outcome and the texts read do not depend on the settings before;
// - reading the same text again changes nothing;
// - the settings saved as a block read back to themselves, whenever their
//   texts can be written as items at all (no comma, line end, leading quote,
//   outer blank, or number in a non-canonical form).

#include <cstdint>
#include <string>
#include <string_view>

#include "common/TextDecoding.h"
#include "fuzz/FuzzCheck.h"
#include "settings/NumberText.h"
#include "settings/SettingsBlock.h"
#include "settings/ViewFile.h"

namespace plotvane::fuzz {
namespace {

DrawSettings OtherStart() {
  DrawSettings s;
  s.X1 = "x1";
  s.Z2 = "-7";
  s.sq = "0.25";
  s.ContourLines = 0;
  s.TriangleEdges = 1;
  s.selectFillMode(FillMode::FillPattern);
  return s;
}

void CheckSettings(const DrawSettings& s) {
  Require(s.ContourLines == 0 || s.ContourLines == 1, "ContourLines is 0 or 1");
  Require(s.TriangleEdges == 0 || s.TriangleEdges == 1, "TriangleEdges is 0 or 1");
  Require(s.ContinuousColour == 0 || s.ContinuousColour == 1, "ContinuousColour is 0 or 1");
  Require(s.fillMode != FillMode::FillPattern || s.ContinuousColour == 0, "no continuous colour with patterns");
  if (!s.sq.empty()) {
    const auto value = ParseNumber(s.sq);
    Require(value && NumberText(*value) == s.sq, "sq is empty or a canonical number");
  }
}

bool WritableItem(const std::string& text) {
  if (text.find_first_of(",\r\n") != std::string::npos) return false;
  if (!text.empty() && (text.front() == '"' || text.front() == ' ' || text.front() == '\t' || text.back() == ' ' ||
                        text.back() == '\t')) {
    return false;
  }
  const auto value = ParseNumber(text);
  return !value || NumberText(*value) == text;
}

bool Writable(const DrawSettings& s) {
  for (const std::string* text : {&s.X1, &s.X2, &s.Y1, &s.Y2, &s.Z1, &s.Z2, &s.n, &s.sq}) {
    if (!WritableItem(*text)) return false;
  }
  return true;
}

bool SameTexts(const DrawSettings& a, const DrawSettings& b) {
  return a.X1 == b.X1 && a.X2 == b.X2 && a.Y1 == b.Y1 && a.Y2 == b.Y2 && a.Z1 == b.Z1 && a.Z2 == b.Z2 && a.n == b.n &&
         a.sq == b.sq;
}

}  // namespace
}  // namespace plotvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  using namespace plotvane::fuzz;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = DecodeToUtf8(bytes);
  Require(IsValidUtf8(text), "decoding gives valid UTF-8");
  if (!bytes.starts_with("\xEF\xBB\xBF") && IsUtf8Text(bytes)) Require(text == bytes, "UTF-8 text stays as it is");

  DrawSettings fromDefault;
  const ViewReadStatus status = ReadViewText(text, fromDefault);
  CheckSettings(fromDefault);

  DrawSettings fromOther = OtherStart();
  Require(ReadViewText(text, fromOther) == status, "the outcome does not depend on the settings before");
  CheckSettings(fromOther);
  if (status == ViewReadStatus::Ok) {
    Require(SameTexts(fromDefault, fromOther), "the texts read do not depend on the settings before");
    Require(fromDefault.ContourLines == fromOther.ContourLines && fromDefault.TriangleEdges == fromOther.TriangleEdges,
            "the switches read do not depend on the settings before");
  }

  DrawSettings again = fromDefault;
  ReadViewText(text, again);
  Require(again == fromDefault, "reading the same text twice changes nothing more");

  if (Writable(fromDefault)) {
    DrawSettings back = OtherStart();
    Require(ReadViewText(SettingsBlockText(fromDefault), back) == ViewReadStatus::Ok, "a saved block reads");
    Require(back == fromDefault, "a saved block reads back to the same settings");
  }
  return 0;
}
