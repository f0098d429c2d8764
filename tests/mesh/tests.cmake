# Suites of the mesh area.
plotvane_add_test(triangulate_test mesh/TriangulateTest.cpp mesh/MeshTestSupport.cpp)
plotvane_add_test(fast_mesh_test mesh/FastMeshEquivalenceTest.cpp mesh/MeshTestSupport.cpp)
plotvane_add_test(distortion_test mesh/DistortionTest.cpp)
