# Suites of the level geometry: the band arithmetic, the pieces and level
# lines of single triangles, and the places of the contour labels.
plotvane_add_test(levels_test levels/TriangleBandsTest.cpp levels/LabelPlacementTest.cpp
  levels/EveryNthLevelTest.cpp)
target_link_libraries(levels_test PRIVATE plotvane::levels)
