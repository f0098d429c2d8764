// Fuzzes the SIMA reader through ReadDataBytes: the input is the file's
// bytes. Properties: fuzz/SurveyFuzzCheck.h, and every parcel corner lies
// where a point of the file lies (finite).

#include <cmath>
#include <string>

#include "data/DataFileReader.h"
#include "fuzz/SurveyFuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  Document doc;
  const ReadStatus status = ReadDataBytes(bytes, "site.sim", doc);
  fuzz::CheckSurveyOutcome(status, doc);
  for (const Parcel& parcel : doc.survey.parcels) {
    for (const ParcelVertex& v : parcel.vertices) {
      fuzz::Require(std::isfinite(v.east) && std::isfinite(v.north), "a parcel corner lies somewhere");
    }
  }
  return 0;
}
