#pragma once
// Compact SVG path data, written straight into an output buffer.
//
// Coordinates are kept as whole hundredths of an output unit (1/96 inch, so
// a hundredth is 2.6 micrometres, finer than the metafile's 0.01 mm) and
// written relative to the current point: each subpath is "m dx dy dx dy ...
// z", the pairs after the first an implicit relative lineto, as short as the
// numbers allow (no leading zero, no trailing zeros, no separator before a
// minus sign or before a point that follows a number with one). The first
// "m" of a path counts from (0, 0), so it is absolute. Differences of
// integers carry no rounding error from one point to the next.

#include <cstdint>
#include <string>

namespace plotvane::svg {

// A point in hundredths of an output unit.
struct FixedPoint {
  std::int64_t x = 0;
  std::int64_t y = 0;
  friend bool operator==(const FixedPoint&, const FixedPoint&) = default;
};

// The value in hundredths, rounded to nearest.
std::int64_t ToFixed(double value);
FixedPoint ToFixed(double x, double y);

// Appends a number given in hundredths ("-1.5", ".05", "12").
void AppendFixed(std::string& out, std::int64_t hundredths);
// Appends a plain value with at most three decimals (widths, font sizes).
void AppendNumber(std::string& out, double value);

class PathData {
 public:
  explicit PathData(std::string& out) : m_out(out) {}

  // Starts the data of a new path element: the next point counts from (0, 0).
  void reset();
  void moveTo(FixedPoint p);
  void lineTo(FixedPoint p);  // continues the current subpath
  void close();
  // True when a lineTo would continue a subpath that ends at p.
  bool continuesAt(FixedPoint p) const { return m_open && m_current == p; }

 private:
  void pair(FixedPoint p);
  void number(std::int64_t value);

  std::string& m_out;
  FixedPoint m_current;
  FixedPoint m_start;
  bool m_open = false;         // a subpath is open: pairs continue it
  bool m_afterNumber = false;  // the last thing written is a number
  bool m_lastHadPoint = false;
};

}  // namespace plotvane::svg
