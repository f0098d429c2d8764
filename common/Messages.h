#pragma once
// The program's own messages, exactly as the user sees them.

#include <string_view>

namespace plotvane::messages {

inline constexpr std::string_view kInvalidData = "不正なデータが含まれています。";
inline constexpr std::string_view kUnexpectedReadFailure = "予期せぬ理由で読込に失敗しました。";
inline constexpr std::string_view kTooFewPoints = "データの数が２個以下です。";
inline constexpr std::string_view kDuplicatePoints = "重複した座標があります。";
inline constexpr std::string_view kAllCollinear = "すべての座標が一本の直線上にあります。";
inline constexpr std::string_view kBadBreaklines = "ブレークラインを使えません。";

inline constexpr std::string_view kErrorTitle = "Error";
inline constexpr std::string_view kProgressMeshing = "メッシュの作成中です。";
inline constexpr std::string_view kProgressDrawing = "描画中です。";

}  // namespace plotvane::messages
