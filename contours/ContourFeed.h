#pragma once
// The contours handed to a writer one level and one band at a time, so that
// a file of thousands of levels never holds more than one of them in memory.
//
// A feed calls its visitor with each level that has lines, by ascending k,
// then (separately) with each band that has polygons, as a ContourSet lists
// them (levels/ContourSet.h). What a visitor is given lives only during its
// call. A visitor returns false to stop the feed early. A feed can be walked
// more than once (the DXF writer counts before it writes); a feed built from
// the mesh builds each level again each time.

#include <functional>

#include "levels/ContourSet.h"

namespace plotvane {

using LevelVisitor = std::function<bool(const ContourLevel&)>;
using BandVisitor = std::function<bool(const ContourBand&)>;

class ContourFeed {
 public:
  virtual ~ContourFeed() = default;
  virtual void eachLevel(const LevelVisitor& visit) const = 0;
  virtual void eachBand(const BandVisitor& visit) const = 0;
};

// A contour set already in memory, as a feed.
class StoredContours : public ContourFeed {
 public:
  explicit StoredContours(const ContourSet& contours) : m_contours(contours) {}
  void eachLevel(const LevelVisitor& visit) const override {
    for (const ContourLevel& level : m_contours.levels) {
      if (!visit(level)) return;
    }
  }
  void eachBand(const BandVisitor& visit) const override {
    for (const ContourBand& band : m_contours.bands) {
      if (!visit(band)) return;
    }
  }

 private:
  const ContourSet& m_contours;
};

}  // namespace plotvane
