// ReadDataFile on a file at the line limit: a header and 99 999 points.
//
// Two files: numbers with 17 significant digits (what a program writing
// doubles exactly produces, the longest fields) and numbers with two decimals
// (typical survey data). The file is written once to the temporary folder;
// each iteration reads it from scratch into a fresh document, as a load does.

#include <benchmark/benchmark.h>

#include <unistd.h>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "data/DataFileReader.h"

namespace plotvane {
namespace {

constexpr int kPoints = 99999;

std::string DataText(int significantDigits) {
  std::mt19937 random(20240601);
  std::uniform_real_distribution<double> coordinate(-5000.0, 5000.0);
  std::string text = "Easting\tNorthing\tElevation\r\n";
  char line[128];
  for (int i = 0; i < kPoints; ++i) {
    const double x = coordinate(random);
    const double y = coordinate(random);
    const double z = (x * 0.01) + (y * 0.002) + coordinate(random) * 0.001;
    const int n = significantDigits > 0 ? std::snprintf(line, sizeof line, "%.*g\t%.*g\t%.*g\r\n", significantDigits, x,
                                                        significantDigits, y, significantDigits, z)
                                        : std::snprintf(line, sizeof line, "%.2f\t%.2f\t%.2f\r\n", x, y, z);
    text.append(line, static_cast<std::size_t>(n));
  }
  return text;
}

// A temporary ".txt" file, removed at the end of the benchmark.
class TempDataFile {
 public:
  explicit TempDataFile(const std::string& text) {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/plotvane-bench-XXXXXX.txt";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return;
    m_path.assign(name.data());
    const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    ::close(fd);
    if (!written) {
      ::unlink(m_path.c_str());
      m_path.clear();
    }
  }
  ~TempDataFile() {
    if (!m_path.empty()) ::unlink(m_path.c_str());
  }
  TempDataFile(const TempDataFile&) = delete;
  TempDataFile& operator=(const TempDataFile&) = delete;
  const std::string& path() const { return m_path; }

 private:
  std::string m_path;
};

void ReadLimitFile(benchmark::State& state, int significantDigits) {
  const std::string text = DataText(significantDigits);
  const TempDataFile file(text);
  if (file.path().empty()) {
    state.SkipWithError("cannot write the temporary data file");
    return;
  }
  for (auto _ : state) {
    Document doc;
    const ReadStatus status = ReadDataFile(file.path(), doc);
    if (status != ReadStatus::Ok || doc.points.nn != kPoints) {
      state.SkipWithError("the data file did not read");
      return;
    }
    benchmark::DoNotOptimize(doc.points.dataZ.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(text.size()));
  state.counters["lines"] = kPoints + 1;
}

void BM_ReadDataFile_17Digits(benchmark::State& state) { ReadLimitFile(state, 17); }
void BM_ReadDataFile_TwoDecimals(benchmark::State& state) { ReadLimitFile(state, 0); }

BENCHMARK(BM_ReadDataFile_17Digits)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadDataFile_TwoDecimals)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
