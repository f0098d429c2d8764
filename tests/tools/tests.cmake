# Suites of the tools area.
add_library(plotvane_tooltestsupport STATIC
  tools/ToolMeshes.cpp
  tools/QueryPoints.cpp)
target_link_libraries(plotvane_tooltestsupport PUBLIC plotvane_testsupport)

plotvane_add_test(mesh_value_at_test tools/MeshValueAtTest.cpp)
target_link_libraries(mesh_value_at_test PRIVATE plotvane_tooltestsupport)
plotvane_add_test(mesh_locator_test tools/MeshLocatorTest.cpp)
target_link_libraries(mesh_locator_test PRIVATE plotvane_tooltestsupport)
