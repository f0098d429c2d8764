# Suites of the mesh area.
plotvane_add_test(mesh_test
  mesh/MeshTestSupport.cpp
  mesh/TriangulateTest.cpp
  mesh/FastMeshEquivalenceTest.cpp
  mesh/DistortionTest.cpp
  mesh/ExactPredicatesTest.cpp
  mesh/MeshInvariantTest.cpp
  mesh/InsertConstraintsTest.cpp)
