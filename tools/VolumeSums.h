#pragma once
// The figures of an earthwork volume and their accumulation piece by piece.
//
// For a surface S and a reference R over the plan area where both exist:
// cut = the integral of max(S - R, 0), fill = the integral of max(R - S, 0),
// net = cut - fill, area = the plan area, cut area and fill area the parts of
// it where S lies above and below R. All in data units (the file's X, Y and
// Z units; a volume is X unit x Y unit x Z unit).
//
// A piece on which S and R agree to within the level tolerance counts in
// area only: two surfaces built from the same points differ there by rounding
// alone, and without the tolerance that noise would scatter such a piece
// at random between cut area and fill area. Its volume contribution would
// be at most the tolerance times its area.
//
// Sums of a million pieces are compensated (Neumaier), so that the figures
// do not depend on the order the pieces come in beyond the last digits.

#include "tools/ConvexPiece.h"

namespace plotvane {

struct VolumeFigures {
  double cut = 0, fill = 0;
  double area = 0, cutArea = 0, fillArea = 0;

  double net() const { return cut - fill; }
  // No plan area in common: there is no volume to report, not a zero one.
  bool overlap() const { return area > 0; }
};

// The tolerance below which S - R counts as zero, for values up to scale in
// magnitude: 2^-40 of it, some four thousand units in the last place of a
// double, far below any survey's resolution.
double LevelTolerance(double scale);

class CompensatedSum {
 public:
  void add(double x);
  double value() const { return m_sum + m_compensation; }

 private:
  double m_sum = 0, m_compensation = 0;
};

class PlanMask;

class VolumeSums {
 public:
  // With a mask, only the part of each piece inside the site boundary counts.
  explicit VolumeSums(double levelTolerance, const PlanMask* mask = nullptr)
      : m_tolerance(levelTolerance), m_mask(mask) {}

  // Adds a piece whose vertices carry d = S - R.
  void add(const ConvexPiece& piece);
  // Adds the sums of another part of the same computation.
  void add(const VolumeSums& other);

  VolumeFigures figures() const;

 private:
  void addSigned(const ConvexPiece& piece, bool above);
  PieceIntegral integrate(const ConvexPiece& piece) const;

  double m_tolerance;
  const PlanMask* m_mask;
  CompensatedSum m_cut, m_fill, m_area, m_cutArea, m_fillArea;
};

}  // namespace plotvane
