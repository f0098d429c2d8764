// Accumulating volumes: see VolumeSums.h.

#include "tools/VolumeSums.h"

#include <algorithm>
#include <cmath>

#include "tools/PlanMask.h"

namespace plotvane {

double LevelTolerance(double scale) { return std::ldexp(scale, -40); }

void CompensatedSum::add(double x) {
  const double t = m_sum + x;
  m_compensation += std::fabs(m_sum) >= std::fabs(x) ? (m_sum - t) + x : (x - t) + m_sum;
  m_sum = t;
}

PieceIntegral VolumeSums::integrate(const ConvexPiece& piece) const {
  return m_mask ? m_mask->integrate(piece) : Integrate(piece);
}

// A piece wholly on one side: above (d >= 0) or below.
void VolumeSums::addSigned(const ConvexPiece& piece, bool above) {
  const PieceIntegral part = integrate(piece);
  if (above) {
    m_cut.add(part.integral);
    m_cutArea.add(part.area);
  } else {
    m_fill.add(-part.integral);
    m_fillArea.add(part.area);
  }
}

void VolumeSums::add(const ConvexPiece& piece) {
  if (piece.size() < 3) return;
  double largest = 0;
  bool anyAbove = false, anyBelow = false;
  std::array<double, ConvexPiece::kCapacity> d{}, minusD{};
  for (std::int32_t k = 0; k < piece.size(); ++k) {
    d[k] = piece[k].d;
    minusD[k] = -d[k];
    largest = std::max(largest, std::fabs(d[k]));
    anyAbove = anyAbove || d[k] > 0;
    anyBelow = anyBelow || d[k] < 0;
  }
  m_area.add(integrate(piece).area);
  if (!(largest > m_tolerance)) return;  // level within rounding
  if (!anyBelow) {
    addSigned(piece, true);
  } else if (!anyAbove) {
    addSigned(piece, false);
  } else {
    // Split along the line where S = R: both parts are convex, and d is 0 on
    // the cut edge.
    addSigned(KeepNonNegative(piece, d), true);
    addSigned(KeepNonNegative(piece, minusD), false);
  }
}

void VolumeSums::add(const VolumeSums& other) {
  const VolumeFigures f = other.figures();
  m_cut.add(f.cut);
  m_fill.add(f.fill);
  m_area.add(f.area);
  m_cutArea.add(f.cutArea);
  m_fillArea.add(f.fillArea);
}

VolumeFigures VolumeSums::figures() const {
  return {m_cut.value(), m_fill.value(), m_area.value(), m_cutArea.value(), m_fillArea.value()};
}

}  // namespace plotvane
