#pragma once
// What the LandXML reader collects of one surface or of the survey points,
// and how it becomes the point set and the faces: ids resolved, unused points
// dropped, every face turned clockwise.

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "data/SurveyRead.h"

namespace plotvane {

struct LandXmlFace {
  std::array<std::string, 3> ids;
  std::int64_t line = 0;
};

struct LandXmlCollected {
  SurveyPoints points;                               // in file order, map order (east, north, z)
  std::unordered_map<std::string, PointIndex> byId;  // P id to its index in points
  std::vector<LandXmlFace> faces;
};

// The faces' points (those used, in file order) and the faces as 1-based
// clockwise triples into them. An error text naming the face's line when a
// face names an id the surface lacks.
struct ResolvedSurface {
  SurveyPoints points;
  std::vector<std::int32_t> faces;
  PointIndex unusedPoints = 0;
  std::string error;
};
ResolvedSurface ResolveSurface(LandXmlCollected&& collected);

}  // namespace plotvane
