# The triangulation and the whole load road.
plotvane_add_bench(mesh_bench mesh_bench.cpp plotvane_testsupport)
