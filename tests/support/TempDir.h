#pragma once
// A fresh folder under the system's temporary folder, removed with everything
// in it when the object goes out of scope.

#include <string>
#include <string_view>

namespace plotvane::test {

class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& path() const { return m_path; }
  // path() + "/" + name
  std::string file(std::string_view name) const;
  // Writes bytes to path()/name and returns the full path.
  std::string write(std::string_view name, std::string_view bytes) const;

 private:
  std::string m_path;
};

// The whole content of a file as bytes; empty when it cannot be read.
std::string ReadBytes(const std::string& path);

// The folder of the project's sources (examples, test data).
std::string SourceDir();

}  // namespace plotvane::test
