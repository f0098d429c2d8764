// Shared pieces of the site-file readers. See SiteReadSupport.h.

#include "data/SiteReadSupport.h"

namespace plotvane {

Failure SiteFileFailure(std::string_view name, std::string_view where, std::string_view what) {
  std::string detail = "「" + std::string(name) + "」";
  if (!where.empty()) detail += " " + std::string(where);
  detail += ": " + std::string(what);
  return Failure{FailureKind::LoadFailed, std::string(kSiteFileUnusable), std::move(detail)};
}

void CloseIfRepeated(SiteShape& shape) {
  auto& vertices = shape.vertices;
  if (vertices.size() < 2) return;
  const SiteVertex& first = vertices.front();
  const SiteVertex& last = vertices.back();
  if (first.x != last.x || first.y != last.y) return;
  vertices.pop_back();
  shape.closed = true;
}

std::string ShownText(std::string_view text) {
  constexpr std::size_t kShownBytes = 40;
  if (text.size() <= kShownBytes) return std::string(text);
  std::size_t cut = kShownBytes;
  while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
  return std::string(text.substr(0, cut)) + "…";
}

}  // namespace plotvane
