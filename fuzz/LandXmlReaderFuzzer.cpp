// Fuzzes the LandXML reader through ReadDataBytes.
//
// Input: the file's bytes first; the last byte chooses the surface asked for
// (even: the first, odd: "S"). Properties: fuzz/SurveyFuzzCheck.h, which
// includes that every face names points of the set and turns clockwise.

#include <fuzzer/FuzzedDataProvider.h>

#include <string>

#include "data/DataFileReader.h"
#include "fuzz/SurveyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  FuzzedDataProvider input(data, size);
  LoadOptions options;
  if (input.ConsumeIntegral<std::uint8_t>() % 2 == 1) options.surface = "S";
  const std::string bytes = input.ConsumeRemainingBytesAsString();
  Document doc;
  fuzz::CheckSurveyOutcome(ReadDataBytes(bytes, "design.xml", doc, {}, options), doc);
  return 0;
}
