// The target policy of a save. See SaveTarget.h.

#include "common/SaveTarget.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <vector>

namespace plotvane {
namespace {

// As the kernel, which gives up on a path after this many links.
constexpr int kMaxLinks = 40;

std::string Folder(const std::string& path) {
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The link's text; empty when it cannot be read.
std::string LinkText(const std::string& link) {
  std::vector<char> buffer(PATH_MAX + 1);
  const ssize_t n = ::readlink(link.c_str(), buffer.data(), buffer.size());
  if (n <= 0 || static_cast<std::size_t>(n) >= buffer.size()) return {};
  return std::string(buffer.data(), static_cast<std::size_t>(n));
}

mode_t NewFileMode() {
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

SaveTarget Refused(std::string path, SaveErrorKind kind) {
  return SaveTarget{.path = std::move(path), .refusal = kind};
}

}  // namespace

SaveTarget ResolveSaveTarget(const std::string& path) {
  if (path.empty()) return Refused(path, SaveErrorKind::Other);
  std::string current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0) {
      if (errno == ENOENT) return SaveTarget{.path = current, .mode = NewFileMode()};
      return Refused(current, SaveErrorKindOf(errno));
    }
    if (S_ISLNK(st.st_mode)) {
      const std::string text = LinkText(current);
      if (text.empty()) return Refused(current, SaveErrorKind::Other);
      current = text.front() == '/' ? text : Folder(current) + text;
      continue;
    }
    if (!S_ISREG(st.st_mode)) return Refused(current, SaveErrorKind::NotRegular);
    if ((st.st_mode & 0222) == 0) return Refused(current, SaveErrorKind::ReadOnly);
    if (::access(current.c_str(), W_OK) != 0) return Refused(current, SaveErrorKindOf(errno));
    if (st.st_nlink > 1) return Refused(current, SaveErrorKind::HardLinked);
    return SaveTarget{
        .path = current, .mode = static_cast<mode_t>(st.st_mode & 07777), .owner = st.st_uid, .group = st.st_gid};
  }
  return Refused(current, SaveErrorKind::Other);
}

}  // namespace plotvane
