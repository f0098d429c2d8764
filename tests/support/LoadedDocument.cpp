// Shared loaded documents. See LoadedDocument.h.

#include "support/LoadedDocument.h"

#include <map>
#include <memory>

#include "load/OpenDataFile.h"
#include "support/PointGenerators.h"
#include "support/TempDir.h"

namespace plotvane::test {

Document& LoadedUniformDocument(int count) {
  static std::map<int, std::unique_ptr<Document>> loaded;
  auto& doc = loaded[count];
  if (!doc) {
    const TempDir dir;
    const std::string path = dir.write("points.txt", DataFileText(UniformPoints(count, 20261207)));
    doc = std::make_unique<Document>();
    OpenDataFile(path, *doc, NullProgress());
  }
  return *doc;
}

}  // namespace plotvane::test
