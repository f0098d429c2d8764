// The texts of the error details. See ErrorDetails.h.

#include "common/ErrorDetails.h"

#include <cerrno>

#include "common/Capacity.h"

namespace plotvane::details {
namespace {

// A field of a damaged file can be a whole megabyte; the message shows its
// start, cut between UTF-8 characters.
constexpr std::size_t kShownBytes = 60;

std::string Shortened(std::string_view text) {
  if (text.size() <= kShownBytes) return std::string(text);
  std::size_t cut = kShownBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

std::string_view ColumnName(int column) {
  switch (column) {
    case 1: return "X";
    case 2: return "Y";
    default: return "Z";
  }
}

std::string Quoted(std::string_view text) { return "「" + std::string(text) + "」"; }

}  // namespace

std::string SystemErrorText(int error) {
  switch (error) {
    case ENOENT: return "ファイルまたはフォルダーが見つかりません。";
    case EACCES:
    case EPERM: return "アクセスが許可されていません。";
    case EISDIR: return "フォルダーです。";
    case ENOTDIR: return "パスの途中にフォルダーでないものがあります。";
    case ENAMETOOLONG: return "名前が長すぎます。";
    case ELOOP: return "シンボリックリンクが循環しています。";
    case EMFILE:
    case ENFILE: return "開いているファイルが多すぎます。";
    case ENOSPC: return "ディスクの空き容量が足りません。";
    case EDQUOT: return "ディスクの使用量が上限に達しています。";
    case EROFS: return "読み取り専用のファイルシステムです。";
    case EIO: return "入出力エラーが発生しました。";
    case ENOMEM: return "メモリが足りません。";
    case EFBIG: return "ファイルが大きすぎます。";
    case EBUSY:
    case ETXTBSY: return "使用中です。";
    case EXDEV: return "別のファイルシステムをまたいで移動できません。";
    default: return "システムのエラーです (番号 " + std::to_string(error) + ")。";
  }
}

std::string FileReadErrorText(const FileReadError& error) {
  using Kind = FileReadError::Kind;
  switch (error.kind) {
    case Kind::System: return SystemErrorText(error.systemError);
    case Kind::NotRegularFile: return "通常のファイルではありません (デバイスや名前付きパイプは読み込めません)。";
    case Kind::Folder: return "フォルダーです。";
    case Kind::TooLarge: return "ファイルが大きすぎます。";
    case Kind::OutOfMemory: return "メモリが足りません。";
    case Kind::None: break;
  }
  return "読み込めませんでした。";
}

std::string CannotReadText(std::string_view path, const FileReadError& error) {
  return Quoted(path) + "を読み込めません。" + FileReadErrorText(error);
}

std::string InvalidFieldText(std::int64_t line, int column, std::string_view text) {
  return InvalidNamedFieldText(line, ColumnName(column), text);
}

std::string InvalidNamedFieldText(std::int64_t line, std::string_view name, std::string_view text) {
  const std::string where = std::to_string(line) + " 行目";
  if (text.empty()) return where + "に " + std::string(name) + " の値がありません。";
  return where + "の " + std::string(name) + " " + Quoted(Shortened(text)) + "を数値として読めません。";
}

std::string RangeOverflowText(int column) {
  return std::string(ColumnName(column)) + " の値の幅が大きすぎて計算できません。";
}

std::string NoRangeText(int column, std::string_view value) {
  const std::string name(ColumnName(column));
  return "すべての点の " + name + " が同じ値 (" + std::string(value) +
         ") です。X, Y, Z のそれぞれに二つ以上の異なる値が必要です。";
}

std::string TooManyLinesText(std::int64_t line) {
  return std::to_string(line) + " 行目で、読み込める行数の上限（見出しを含めて " +
         std::to_string(capacity::kMaxAcceptedLines) + " 行）を超えました。";
}

std::string TooManyFieldsText(std::int64_t line) {
  return std::to_string(line) + " 行目の項目が、1 行に読み込める上限の " + std::to_string(capacity::kMaxFieldsPerLine) +
         " 個を超えています。";
}

std::string NoPointsText() { return "データの点がありません。見出しの行のあとにデータの行がありません。"; }

std::string UnknownKindText() {
  return "読み込めるのは名前が .txt, .csv, .xyz, .dat, .ctr, .sim, .las または .xml で終わるファイルです。";
}

std::string DuplicatePlaceText(std::string_view first, std::string_view second, std::string_view x,
                               std::string_view y) {
  return std::string(first) + "と" + std::string(second) + "の点が同じ座標 (X " + std::string(x) + ", Y " +
         std::string(y) + ") です。";
}

std::string MergedDuplicatesText(std::int64_t removed, bool mean) {
  return "同じ座標の点 " + std::to_string(removed) + " 個を" + (mean ? "、Z を平均して" : "、最初の点を残して") +
         "まとめました。";
}

std::string NotTextText() {
  return "テキストファイルではありません (文字でないバイトを含みます)。X, Y, Z "
         "を文字で書いたファイルを選んでください。";
}

}  // namespace plotvane::details
