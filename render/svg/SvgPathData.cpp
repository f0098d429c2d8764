// Compact path data. See SvgPathData.h.

#include "render/svg/SvgPathData.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace plotvane::svg {
namespace {

// Ten million units, far beyond any page: coordinates stay small enough that
// the writer's area and turn tests cannot overflow.
constexpr double kLimit = 1e9;

// The text of a value in hundredths; the result says whether it has a point.
bool FixedText(std::int64_t v, std::string& out) {
  if (v < 0) out += '-';
  const std::uint64_t magnitude = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
  const std::uint64_t whole = magnitude / 100;
  const std::uint64_t fraction = magnitude % 100;
  if (whole != 0 || fraction == 0) out += std::to_string(whole);
  if (fraction == 0) return false;
  out += '.';
  out += static_cast<char>('0' + fraction / 10);
  if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
  return true;
}

}  // namespace

std::int64_t ToFixed(double value) {
  const double scaled = std::nearbyint(value * 100.0);
  if (!(scaled > -kLimit)) return static_cast<std::int64_t>(-kLimit);  // also NaN
  if (scaled > kLimit) return static_cast<std::int64_t>(kLimit);
  return static_cast<std::int64_t>(scaled);
}

FixedPoint ToFixed(double x, double y) { return FixedPoint{ToFixed(x), ToFixed(y)}; }

void AppendFixed(std::string& out, std::int64_t hundredths) { FixedText(hundredths, out); }

void AppendNumber(std::string& out, double value) {
  char buffer[48];
  std::snprintf(buffer, sizeof buffer, "%.3f", std::isfinite(value) ? value : 0.0);
  std::string text(buffer);
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  out += text;
}

void PathData::reset() {
  m_current = m_start = FixedPoint{};
  m_open = m_afterNumber = m_lastHadPoint = false;
}

void PathData::number(std::int64_t value) {
  const bool negative = value < 0;
  const bool startsWithPoint = !negative && value > -100 && value < 100 && value % 100 != 0;
  if (m_afterNumber && !negative && !(startsWithPoint && m_lastHadPoint)) m_out += ' ';
  m_lastHadPoint = FixedText(value, m_out);
  m_afterNumber = true;
}

void PathData::pair(FixedPoint p) {
  number(p.x - m_current.x);
  number(p.y - m_current.y);
  m_current = p;
}

void PathData::moveTo(FixedPoint p) {
  m_out += 'm';
  m_afterNumber = false;
  pair(p);
  m_start = p;
  m_open = true;
}

void PathData::lineTo(FixedPoint p) {
  if (!m_open) moveTo(m_current);
  pair(p);
}

void PathData::close() {
  if (!m_open) return;
  m_out += 'z';
  m_afterNumber = false;
  m_current = m_start;
  m_open = false;
}

}  // namespace plotvane::svg
