// Fuzzes ReadDataBytes, both file kinds and so all three contour layouts.
//
// Input: the file's bytes first; the last bytes choose the kind (".txt" or
// ".ctr"), skipLines (0..3) and skipPrefixes (none, one of a few fixed sets, or
// a short text taken from the front of the input, ended by a backslash and one
// more character). See fuzz/make_seeds.sh for how seeds are laid out.
//
// Properties, beyond "no crash, no sanitizer finding":
// - the status and errMsg agree, and a failure leaves nn = 0 with only
//   element 0 in the data arrays;
// - a successful read holds nn + 1 elements, at most the line limit, every
//   value finite and every column's range finite, labels valid UTF-8;
// - the switches end as 0 or 1 and the pattern fill never goes with
//   continuous colouring;
// - reading into a document that already holds another data set gives the
//   same points, labels and message as reading into a fresh one.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

#include "common/Capacity.h"
#include "common/Messages.h"
#include "common/TextDecoding.h"
#include "data/DataFileReader.h"
#include "fuzz/FuzzCheck.h"

namespace plotvane::fuzz {
namespace {

constexpr const char* kFixedPrefixes[] = {"", "#", "# * !", "X", "  //  ;  "};

void CheckFinite(const std::vector<double>& values, PointIndex nn) {
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

void CheckOutcome(ReadStatus status, const Document& doc) {
  const PointSet& p = doc.points;
  switch (status) {
    case ReadStatus::Ok:
      Require(doc.errMsg.empty(), "a successful read leaves errMsg empty");
      Require(p.nn >= 0 && p.nn < capacity::kMaxAcceptedLines, "nn lies within the line limit");
      CheckFinite(p.dataX, p.nn);
      CheckFinite(p.dataY, p.nn);
      CheckFinite(p.dataZ, p.nn);
      Require(IsValidUtf8(p.labelX) && IsValidUtf8(p.labelY) && IsValidUtf8(p.labelZ), "labels are UTF-8");
      break;
    case ReadStatus::InvalidData:
    case ReadStatus::Unexpected:
      Require(
          doc.errMsg == (status == ReadStatus::InvalidData ? messages::kInvalidData : messages::kUnexpectedReadFailure),
          "a failed read carries its message");
      Require(p.nn == 0 && p.dataX.size() == 1 && p.dataY.size() == 1 && p.dataZ.size() == 1,
              "a failed read leaves no point");
      break;
    case ReadStatus::UnknownKind:
    case ReadStatus::CannotOpen: Require(false, "bytes named .txt or .ctr are always interpreted");
  }
  const DrawSettings& s = doc.settings;
  Require(s.ContourLines == 0 || s.ContourLines == 1, "ContourLines is 0 or 1");
  Require(s.TriangleEdges == 0 || s.TriangleEdges == 1, "TriangleEdges is 0 or 1");
  Require(s.ContinuousColour == 0 || s.ContinuousColour == 1, "ContinuousColour is 0 or 1");
  Require(s.fillMode != FillMode::FillPattern || s.ContinuousColour == 0, "no continuous colour with patterns");
}

// A document holding another data set and other settings, as after an earlier load.
Document EarlierDocument() {
  Document doc;
  doc.points.nn = 2;
  doc.points.dataX = {0, 7, 8};
  doc.points.dataY = {0, 9, 10};
  doc.points.dataZ = {0, 11, 12};
  doc.points.labelX = "old";
  doc.errMsg = "old message";
  return doc;
}

}  // namespace
}  // namespace plotvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  using namespace plotvane::fuzz;
  FuzzedDataProvider input(data, size);
  const char* name = input.ConsumeBool() ? "data.ctr" : "data.txt";
  const auto skipLines = input.ConsumeIntegralInRange<std::int16_t>(0, 3);
  const auto choice = input.ConsumeIntegralInRange<std::size_t>(0, std::size(kFixedPrefixes));
  const std::string prefixes =
      choice < std::size(kFixedPrefixes) ? kFixedPrefixes[choice] : input.ConsumeRandomLengthString(64);
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  const SkipOptions skip{skipLines, prefixes};
  Document fresh;
  const ReadStatus status = ReadDataBytes(bytes, name, fresh, skip);
  CheckOutcome(status, fresh);

  Document earlier = EarlierDocument();
  Require(ReadDataBytes(bytes, name, earlier, skip) == status, "the outcome does not depend on earlier data");
  Require(earlier.errMsg == fresh.errMsg, "errMsg does not depend on earlier data");
  Require(earlier.points.nn == fresh.points.nn && earlier.points.dataX == fresh.points.dataX &&
              earlier.points.dataY == fresh.points.dataY && earlier.points.dataZ == fresh.points.dataZ,
          "the points do not depend on earlier data");
  if (status == ReadStatus::Ok || status == ReadStatus::InvalidData) {
    Require(earlier.points.labelX == fresh.points.labelX && earlier.points.labelY == fresh.points.labelY &&
                earlier.points.labelZ == fresh.points.labelZ,
            "the labels do not depend on earlier data");
  }
  return 0;
}
