// Fuzzes the load road on small files: OpenDataFile (read, range, settings,
// normalisation, Triangulate, TriangleDistortions, the locator), MeshValueAt at a few
// points, then the page composed from the settings the file brought and the
// page encoded as a metafile.
//
// Input: the file's bytes first; the last bytes choose the kind (".txt" or
// ".ctr"), skipLines (0..3), a distortion limit (none, or one within 0..1)
// and up to four query points (see fuzz/make_seeds.sh). Every input is loaded
// into a document that holds a good data set with its mesh, as when the user
// opens one file after another.
//
// Properties, beyond "no crash, no sanitizer finding":
// - the outcome and errMsg agree, and a document is drawable exactly when the
//   load meshed; after any other outcome no triangle is left and no look-up
//   answers from the earlier mesh;
// - a mesh has valid indices, nt + 1 distortions within 0..1, and mesh
//   coordinates within 0..100;
// - the spatial look-up gives the same answer as the plain scan, at data
//   points, triangle centres, edge midpoints and arbitrary points;
// - a failed load composes no page; a meshed one composes the page in its
//   frame with 2..1000 levels, and its metafile is whole records from the
//   header to the end-of-file record.

#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "common/Messages.h"
#include "fuzz/FuzzCheck.h"
#include "load/OpenDataFile.h"
#include "render/PageComposition.h"
#include "render/RenderSettings.h"
#include "render/emf/EmfRecords.h"
#include "render/emf/EmfWriter.h"
#include "settings/NumberText.h"
#include "tools/MeshLocator.h"
#include "tools/MeshValueAt.h"

namespace plotvane::fuzz {
namespace {

std::string g_folder;

std::string Write(const std::string& name, const std::string& bytes) {
  const std::string path = g_folder + "/" + name;
  std::FILE* file = std::fopen(path.c_str(), "wb");
  Require(file != nullptr, "the fuzz folder takes files");
  Require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size() && std::fclose(file) == 0,
          "the fuzz folder takes files");
  return path;
}

void RemoveFolder() {
  for (const char* name : {"/good.txt", "/input.txt", "/input.ctr"}) std::remove((g_folder + name).c_str());
  ::rmdir(g_folder.c_str());
}

std::string GoodFile() {
  std::string text = "E\tN\tH\r\n";
  for (int i = 0; i < 5; ++i) {
    for (int j = 0; j < 4; ++j) {
      const double x = 10.0 * i + 0.37 * j;
      const double y = 7.0 * j + 0.21 * i;
      text += NumberText(x) + "\t" + NumberText(y) + "\t" + NumberText(x * 0.5 - y + i * j) + "\r\n";
    }
  }
  return text;
}

std::string_view ExpectedMessage(LoadStatus status) {
  switch (status) {
    case LoadStatus::Meshed:
    case LoadStatus::NoPoints:
    case LoadStatus::Cancelled: return {};
    case LoadStatus::InvalidData: return messages::kInvalidData;
    case LoadStatus::TooFewPoints: return messages::kTooFewPoints;
    case LoadStatus::DuplicatePoints: return messages::kDuplicatePoints;
    case LoadStatus::AllCollinear: return messages::kAllCollinear;
    case LoadStatus::UnknownKind:
    case LoadStatus::CannotOpen:
    case LoadStatus::ReadFailed:
    case LoadStatus::NoRange:
    case LoadStatus::MeshFailed: return messages::kUnexpectedReadFailure;
    case LoadStatus::BadBreaklines: return messages::kBadBreaklines;
  }
  return {};
}

void CheckMesh(const Document& doc) {
  const Mesh& m = doc.mesh;
  const PointIndex nn = doc.points.nn;
  Require(m.nt >= 1 && m.ipt.size() >= static_cast<std::size_t>(3 * m.nt + 1), "ipt holds nt triangles");
  Require(m.hh.size() == static_cast<std::size_t>(m.nt) + 1, "hh holds one distortion per triangle");
  Require(LocatorOf(m).triangleCount() == m.nt, "the locator belongs to this mesh");
  for (std::size_t k = 1; k <= static_cast<std::size_t>(3 * m.nt); ++k) {
    Require(m.ipt[k] >= 1 && m.ipt[k] <= nn, "every vertex index names a point");
  }
  // 1 - 2r/R of an exactly equilateral triangle comes out a few units of the
  // last place below 0 (-8.9e-16 seen): the bound allows that much rounding.
  constexpr double kRounding = 1e-12;
  for (TriangleIndex k = 1; k <= m.nt; ++k) {
    Require(m.hh[k] >= -kRounding && m.hh[k] <= 1.0, "distortions lie in 0..1");
  }
  for (PointIndex i = 1; i <= nn; ++i) {
    for (double v : {m.meshX[i], m.meshY[i], m.meshZ[i]}) {
      // (v - min) * 100 / (max - min) can land one unit in the last place
      // beside 100 at the maximum: the product rounds before the division.
      Require(v >= 0.0 && v <= 100.00000000000003, "mesh values lie in 0..100");
    }
  }
}

void Compare(const Document& doc, const DistortionLimit& limit, float X, float Y) {
  const MeshValue fast = MeshValueAt(doc.mesh, doc.range, limit, X, Y);
  const MeshValue plain = MeshValueAtLinear(doc.mesh, doc.range, limit, X, Y);
  Require(fast.kind == plain.kind, "the spatial look-up and the scan agree on the kind");
  if (fast.hasValue()) {
    Require(std::isfinite(fast.z), "a value is finite");
    Require(std::memcmp(&fast.z, &plain.z, sizeof fast.z) == 0, "the spatial look-up and the scan agree on Z");
  }
}

// Compares at the point (xn, yn) of the normalised plane, in data units,
// when those fit in single precision.
void CompareAt(const Document& doc, const DistortionLimit& limit, double xn, double yn) {
  const DataRange& r = doc.range;
  const auto x = ToSingle(r.xMin + (r.xMax - r.xMin) * xn / 100);
  const auto y = ToSingle(r.yMin + (r.yMax - r.yMin) * yn / 100);
  if (x && y) Compare(doc, limit, *x, *y);
}

void CheckLookUps(const Document& doc, const DistortionLimit& limit,
                  const std::vector<std::pair<float, float>>& queries) {
  const Mesh& m = doc.mesh;
  for (PointIndex i = 1; i <= std::min<PointIndex>(doc.points.nn, 16); ++i) {
    const auto x = ToSingle(doc.points.dataX[i]);
    const auto y = ToSingle(doc.points.dataY[i]);
    if (x && y) Compare(doc, limit, *x, *y);
  }
  for (TriangleIndex k = 1; k <= std::min<TriangleIndex>(m.nt, 16); ++k) {
    const auto a = m.ipt[3 * k - 2], b = m.ipt[3 * k - 1], c = m.ipt[3 * k];
    CompareAt(doc, limit, (m.meshX[a] + m.meshX[b] + m.meshX[c]) / 3, (m.meshY[a] + m.meshY[b] + m.meshY[c]) / 3);
    CompareAt(doc, limit, (m.meshX[a] + m.meshX[b]) / 2, (m.meshY[a] + m.meshY[b]) / 2);
  }
  for (const auto& [x, y] : queries) Compare(doc, limit, x, y);
}

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
  std::uint32_t v = 0;
  for (std::size_t i = 0; i < 4; ++i) {
    v |= static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
  }
  return v;
}

void CheckPage(Document& doc) {
  const gdi::EnhMetaFile page = ComposePage(doc, NullProgress());
  Require(!page.isNull(), "a meshed load composes a page");
  Require(page.frame() == kPageFrame, "the page has the page's frame");
  const std::string file = emf::EncodeEnhMetaFile(page);
  Require(file.size() >= emf::kHeaderSize && file.size() % 4 == 0, "the metafile is whole records");
  Require(U32At(file, 0) == static_cast<std::uint32_t>(emf::Emr::EMR_HEADER), "the metafile starts with its header");
  Require(U32At(file, 40) == emf::kEmfSignature, "the header carries the signature");
  Require(U32At(file, 48) == file.size(), "the header gives the file's size");
  std::size_t at = 0;
  std::uint32_t last = 0;
  while (at < file.size()) {
    Require(file.size() - at >= 8, "each record has its type and size");
    const std::uint32_t size = U32At(file, at + 4);
    Require(size >= 8 && size % 4 == 0 && size <= file.size() - at, "each record lies within the file");
    last = U32At(file, at);
    at += size;
  }
  Require(last == static_cast<std::uint32_t>(emf::Emr::EMR_EOF), "the metafile ends with its end-of-file record");
}

}  // namespace
}  // namespace plotvane::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace plotvane::fuzz;
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/plotvane-fuzz-XXXXXX";
  Require(::mkdtemp(pattern.data()) != nullptr, "a fuzz folder can be made");
  g_folder = pattern;
  std::atexit(RemoveFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace plotvane;
  using namespace plotvane::fuzz;
  FuzzedDataProvider input(data, size);
  const bool contour = input.ConsumeBool();
  const auto skipLines = input.ConsumeIntegralInRange<std::int16_t>(0, 3);
  const std::string sq = input.ConsumeBool() ? NumberText(input.ConsumeProbability<double>()) : std::string();
  std::vector<std::pair<float, float>> queries(input.ConsumeIntegralInRange<std::size_t>(0, 4));
  for (auto& [x, y] : queries) {
    x = input.ConsumeFloatingPoint<float>();
    y = input.ConsumeFloatingPoint<float>();
  }
  const std::string bytes = input.ConsumeRemainingBytesAsString();

  Document doc;
  static const std::string good = Write("good.txt", GoodFile());
  Require(OpenDataFile(good, doc, NullProgress()) == LoadStatus::Meshed, "the good file meshes");

  const LoadStatus status =
      OpenDataFile(Write(contour ? "input.ctr" : "input.txt", bytes), doc, NullProgress(), SkipOptions{skipLines, {}});
  Require(doc.errMsg == ExpectedMessage(status), "errMsg matches the outcome");
  Require(ShowsErrorMessage(status) == !doc.errMsg.empty(), "a message is shown exactly when there is one");
  Require(doc.drawable() == (status == LoadStatus::Meshed), "drawable exactly after a meshed load");
  if (status != LoadStatus::Meshed) {
    Require(doc.mesh.nt == 0 && !doc.mesh.locator.built(), "a failed load leaves no mesh");
    Require(!MeshValueAt(doc, 20.0f, 10.0f).hasValue(), "a failed load answers no look-up");
    if (!doc.errMsg.empty()) Require(ComposePage(doc, NullProgress()).isNull(), "a failed load composes no page");
    return 0;
  }
  CheckMesh(doc);
  DrawSettings chosenLimit;
  chosenLimit.sq = sq;
  CheckLookUps(doc, ReadDistortionLimit(chosenLimit), queries);
  // The chosen limit hides triangles on the page too; without one, a
  // contour file's own limit stays.
  if (!sq.empty()) doc.settings.sq = sq;
  CheckPage(doc);
  return 0;
}
