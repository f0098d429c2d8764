// The staging folder of GDAL's files. See StagedFiles.h.

#include "contours/StagedFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <vector>

#include "common/SaveError.h"
#include "common/SaveTarget.h"

namespace plotvane {
namespace {

Failure SaveFailure(SaveErrorKind kind, const std::string& path, std::string detail = {}) {
  return Failure{FailureKind::WriteFailed, SaveErrorMessage(kind, path), std::move(detail)};
}

// One staged file and where it goes.
struct Move {
  std::string staged;
  std::string given;  // the target's name as the user would give it, for messages
  SaveTarget target;
};

// Flushes the staged file and gives it the target's mode and, where the
// process may, owner and group (as SafeFileWriter does).
SaveErrorKind Prepare(const Move& move) {
  const int fd = ::open(move.staged.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return SaveErrorKindOf(errno);
  SaveErrorKind kind = SaveErrorKind::None;
  if (move.target.owner != static_cast<uid_t>(-1) && ::fchown(fd, move.target.owner, move.target.group) != 0) {
    // Only root may give a file away; the group alone may still be kept.
    if (::fchown(fd, static_cast<uid_t>(-1), move.target.group) != 0 && errno != EPERM) kind = SaveErrorKindOf(errno);
  }
  if (kind == SaveErrorKind::None && ::fchmod(fd, move.target.mode) != 0) kind = SaveErrorKindOf(errno);
  if (kind == SaveErrorKind::None && ::fdatasync(fd) != 0) kind = SaveErrorKindOf(errno);
  if (::close(fd) != 0 && kind == SaveErrorKind::None) kind = SaveErrorKindOf(errno);
  return kind;
}

}  // namespace

StagedFiles::StagedFiles(std::string target) : m_target(std::move(target)) {
  const auto slash = m_target.find_last_of('/');
  m_folder = slash == std::string::npos ? std::string() : m_target.substr(0, slash + 1);
  m_name = slash == std::string::npos ? m_target : m_target.substr(slash + 1);
}

StagedFiles::~StagedFiles() { discard(); }

WriteOutcome StagedFiles::open() {
  const SaveTarget target = ResolveSaveTarget(m_target);
  if (target.refusal != SaveErrorKind::None) return SaveFailure(target.refusal, m_target);
  std::string pattern = m_folder + "." + m_name.substr(0, 200) + ".XXXXXX";
  if (::mkdtemp(pattern.data()) == nullptr) return SaveFailure(SaveErrorKindOf(errno), m_target);
  m_staging = pattern;
  return std::nullopt;
}

std::string StagedFiles::path(std::string_view name) const { return m_staging + "/" + std::string(name); }

std::string StagedFiles::mainPath() const { return path(m_name); }

Failure StagedFiles::gdalFailure(const std::string& reason) const {
  return SaveFailure(SaveErrorKind::Other, m_target, reason);
}

WriteOutcome StagedFiles::commit() {
  std::vector<Move> moves;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(m_staging, error)) {
    const std::string name = entry.path().filename().string();
    Move move{entry.path().string(), m_folder + name, ResolveSaveTarget(m_folder + name)};
    if (move.target.refusal != SaveErrorKind::None) return SaveFailure(move.target.refusal, move.given);
    moves.push_back(std::move(move));
  }
  if (error) return SaveFailure(SaveErrorKindOf(error.value()), m_target);
  for (const Move& move : moves) {
    if (const SaveErrorKind kind = Prepare(move); kind != SaveErrorKind::None) return SaveFailure(kind, move.given);
  }
  for (const Move& move : moves) {
    if (::rename(move.staged.c_str(), move.target.path.c_str()) != 0) {
      return SaveFailure(SaveErrorKindOf(errno), move.given);
    }
  }
  discard();
  return std::nullopt;
}

void StagedFiles::discard() {
  if (m_staging.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(m_staging, ignored);
  m_staging.clear();
}

}  // namespace plotvane
