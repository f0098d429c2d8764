// Fuzzes the LAS reader through ReadDataBytes.
//
// Input: the file's bytes first; the last two bytes choose the options: a
// class to keep (0: all, else the byte less one) and a thinning cell (0: the
// automatic cell, else the byte as a power of two from 2^-8). Properties:
// fuzz/SurveyFuzzCheck.h; a header that lies is refused, never trusted for
// an allocation (the sanitizer's memory limit stops any that is).

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <string>

#include "data/DataFileReader.h"
#include "fuzz/SurveyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  FuzzedDataProvider input(data, size);
  LoadOptions options;
  if (const auto c = input.ConsumeIntegral<std::uint8_t>(); c > 0) options.lasClasses = {c - 1};
  if (const auto t = input.ConsumeIntegral<std::uint8_t>(); t > 0) options.thinCell = std::ldexp(1.0, t % 32 - 8);
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  Document doc;
  fuzz::CheckSurveyOutcome(ReadDataBytes(bytes, "cloud.las", doc, {}, options), doc);
  return 0;
}
