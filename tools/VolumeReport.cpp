// The volume report: see VolumeReport.h.

#include "tools/VolumeReport.h"

#include <charconv>

#include "common/SafeFile.h"

namespace plotvane {
namespace {

std::string CsvField(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

}  // namespace

std::vector<std::pair<std::string, double>> VolumeFigureRows(const VolumeFigures& f) {
  return {{"cut", f.cut},   {"fill", f.fill},        {"net", f.net()},
          {"area", f.area}, {"cut area", f.cutArea}, {"fill area", f.fillArea}};
}

std::string RoundTripText(double value) {
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

std::string VolumeReportText(const VolumeInputs& inputs, const VolumeFigures& figures) {
  const bool grid = inputs.request.method == VolumeMethod::Grid;
  std::string header =
      "\xEF\xBB\xBF"
      "file,against,plane,method,cell";
  std::string row = CsvField(inputs.file) + ',' + CsvField(inputs.against) + ',' +
                    (inputs.plane ? RoundTripText(*inputs.plane) : std::string()) + ',' + (grid ? "grid" : "tin") +
                    ',' + (grid ? RoundTripText(inputs.request.cell) : std::string());
  for (const auto& [name, value] : VolumeFigureRows(figures)) {
    header += ',' + name;
    row += ',' + RoundTripText(value);
  }
  return header + "\r\n" + row + "\r\n";
}

WriteOutcome WriteVolumeReport(const std::string& path, const VolumeInputs& inputs, const VolumeFigures& figures) {
  return WriteFileSafely(path, VolumeReportText(inputs, figures));
}

}  // namespace plotvane
