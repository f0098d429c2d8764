// The kinds and messages of failed saves. See SaveError.h.

#include "common/SaveError.h"

#include <cerrno>

namespace plotvane {

SaveErrorKind SaveErrorKindOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return SaveErrorKind::NoSpace;
    case EACCES:
    case EPERM: return SaveErrorKind::Permission;
    case EROFS:
    case ETXTBSY: return SaveErrorKind::ReadOnly;
    case ENOENT:
    case ENOTDIR: return SaveErrorKind::NoFolder;
    case EISDIR: return SaveErrorKind::NotRegular;
    default: return SaveErrorKind::Other;
  }
}

std::string_view SaveErrorReason(SaveErrorKind kind) {
  switch (kind) {
    case SaveErrorKind::None: return {};
    case SaveErrorKind::NoSpace: return "ディスクの空きが足りないため保存できませんでした。";
    case SaveErrorKind::Permission: return "書き込みの権限がないため保存できませんでした。";
    case SaveErrorKind::NotRegular: return "通常のファイルではないため保存できませんでした。";
    case SaveErrorKind::ReadOnly: return "読み取り専用のため保存できませんでした。";
    case SaveErrorKind::NoFolder: return "保存先のフォルダが見つからないため保存できませんでした。";
    case SaveErrorKind::HardLinked:
      return "ほかの名前（ハードリンク）からも使われているファイルのため保存できませんでした。";
    case SaveErrorKind::NoInodes:
      return "保存先のファイルシステムに新しいファイルを作る余地（iノード）がないため保存できませんでした。";
    case SaveErrorKind::Other: return "保存できませんでした。";
  }
  return "保存できませんでした。";
}

std::string SaveErrorMessage(SaveErrorKind kind, std::string_view path) {
  if (kind == SaveErrorKind::None) return {};
  std::string message(SaveErrorReason(kind));
  message += '\n';
  message += path;
  return message;
}

}  // namespace plotvane
