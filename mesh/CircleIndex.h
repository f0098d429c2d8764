#pragma once
// Finds the triangles whose circumcircle may contain a new point, without
// looking at every triangle of the table.
//
// The heights between the lowest and the highest point are cut into bands at
// several resolutions: the finest has a power of four bands, each coarser
// level a quarter as many, the last a single band, so a height's band at any
// level is its finest band shifted right. A circle is filed at the finest
// level where the heights it can reach meet at most two bands, under the lower
// of them. A point can only be inside a circle filed under its own band or the
// one below at some level, so a query reads two bands per level.
//
// The heights a circle can reach are those of the part of its disc that lies
// over the X still to come: from the point being inserted to the last point.
// The huge circles of triangles with a super-triangle corner above or below
// the points reach into that strip only near the edge of the points, so they
// too are filed under a few bands; those that face the points still to come
// reach every height and share the single coarsest band. The bounds are
// widened by a margin far wider than the rounding of InCircle.
//
// An entry carries its circle, so a query tests it without looking up its
// triangle. Entries whose circle lies wholly left of the point are dropped for
// good: points come in ascending X, so no later point can reach them either.
// So are the entries a query claims: the caller removes their triangles. A
// triangle goes only when a query claims it, and it has one entry, so the
// index never holds an entry of a triangle that is gone.

#include <cstdint>
#include <span>
#include <vector>

#include "mesh/CircumCircle.h"

namespace plotvane {

class CircleIndex {
 public:
  // A filed circle, with the caller's record number.
  struct Entry {
    double xc, yc, r;
    std::int32_t record;
  };

  // The points to come lie in [xmin, xmax] x [ymin, ymax]. finestBands: about
  // how many bands the finest level should have; rounded down to a power of four.
  CircleIndex(double xmax, double ymin, double ymax, int finestBands);

  // Files the entry for the points from X = xlo on (the points still to be
  // inserted); a circle that reaches none of them is not filed at all.
  void insert(const Entry& entry, double xlo);

  // The records of the entries whose circle holds (xp, yp) by InCircle, which
  // are dropped: their triangles are removed. Valid until the next query.
  std::span<const std::int32_t> query(double xp, double yp);

 private:
  using Band = std::vector<Entry>;

  int finestBand(double y) const;
  void sweep(Band& band, double xp, double yp);

  double m_xmax;
  double m_ymin;
  double m_ymax;
  double m_scale;  // finest bands per unit of y
  int m_finestCount;
  std::vector<std::vector<Band>> m_levels;  // finest first
  std::vector<std::int32_t> m_claimed;      // the first m_claimedCount hold the answer of a query
  std::size_t m_claimedCount = 0;
};

}  // namespace plotvane
