# Suites of the tools area.
add_library(plotvane_tooltestsupport STATIC
  tools/ToolMeshes.cpp
  tools/QueryPoints.cpp
  tools/SlowVolume.cpp)
target_link_libraries(plotvane_tooltestsupport PUBLIC plotvane_testsupport)

plotvane_add_test(tools_test
  tools/MeshValueAtTest.cpp
  tools/MeshLocatorTest.cpp
  tools/GridParametersTest.cpp
  tools/GridConversionTest.cpp
  tools/GridScanTest.cpp
  tools/VolumeTest.cpp
  tools/DifferenceOverlayTest.cpp
  tools/BoundaryTest.cpp)
target_link_libraries(tools_test PRIVATE plotvane_tooltestsupport)
