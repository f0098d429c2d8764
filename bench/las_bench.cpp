// Loading a LAS point cloud of ten million points: the reader streams the
// records and thins them to the point limit, never holding the cloud.
//
// The file (format 0, 200 MB) is written once to the temporary folder, in
// pieces, so that the benchmark's own peak memory is the reader's. The
// counter peak_MB is the process's peak resident size after the reads.

#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "data/DataFileReader.h"
#include "support/LasTestFile.h"

namespace plotvane {
namespace {

constexpr std::uint32_t kCloudPoints = 10'000'000;
constexpr std::size_t kRecordBytes = 20;  // point format 0

// A 1 km square of terrain in centimetres, every fifth point vegetation.
class TempLasFile {
 public:
  TempLasFile() {
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/plotvane-bench-XXXXXX.las";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = ::mkstemps(name.data(), 4);
    if (fd < 0) return;
    m_path.assign(name.data());
    test::LasTestFile header;
    header.pointFormat = 0;
    std::string bytes = test::LasBytes(header);
    test::Poke(bytes, test::kLasLegacyCountAt, kCloudPoints);
    bool written = Write(fd, bytes);
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::int32_t> coordinate(0, 100'000);
    std::string piece;
    for (std::uint32_t i = 0; i < kCloudPoints && written; ++i) {
      std::array<char, kRecordBytes> record{};
      const std::int32_t x = coordinate(random), y = coordinate(random);
      const std::int32_t z = x / 50 + y / 200 + coordinate(random) / 1000;
      std::memcpy(record.data(), &x, 4);
      std::memcpy(record.data() + 4, &y, 4);
      std::memcpy(record.data() + 8, &z, 4);
      record[15] = static_cast<char>(i % 5 == 4 ? 5 : 2);
      piece.append(record.data(), record.size());
      if (piece.size() >= (std::size_t{1} << 20) || i + 1 == kCloudPoints) {
        written = Write(fd, piece);
        piece.clear();
      }
    }
    ::close(fd);
    if (!written) {
      ::unlink(m_path.c_str());
      m_path.clear();
    }
  }
  ~TempLasFile() {
    if (!m_path.empty()) ::unlink(m_path.c_str());
  }
  TempLasFile(const TempLasFile&) = delete;
  TempLasFile& operator=(const TempLasFile&) = delete;
  const std::string& path() const { return m_path; }

 private:
  static bool Write(int fd, const std::string& bytes) {
    return ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
  }
  std::string m_path;
};

void LoadCloud(benchmark::State& state, std::vector<std::int32_t> classes) {
  static const TempLasFile file;
  if (file.path().empty()) {
    state.SkipWithError("cannot write the temporary LAS file");
    return;
  }
  LoadOptions options;
  options.lasClasses = std::move(classes);
  for (auto _ : state) {
    Document doc;
    if (ReadDataFile(file.path(), doc, {}, options) != ReadStatus::Ok || doc.points.nn == 0) {
      state.SkipWithError("the LAS file did not read");
      return;
    }
    benchmark::DoNotOptimize(doc.points.dataZ.data());
  }
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
  state.counters["points"] = kCloudPoints;
}

void BM_ReadLas_TenMillion(benchmark::State& state) { LoadCloud(state, {}); }
void BM_ReadLas_TenMillionGroundOnly(benchmark::State& state) { LoadCloud(state, {2}); }

BENCHMARK(BM_ReadLas_TenMillion)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ReadLas_TenMillionGroundOnly)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
}  // namespace plotvane

BENCHMARK_MAIN();
