# Reading a data file at the line limit.
plotvane_add_bench(read_bench read_bench.cpp plotvane::core)
# Loading a LAS point cloud of ten million points, thinned to the point limit.
plotvane_add_bench(las_bench las_bench.cpp plotvane::core)
target_sources(las_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/support/LasTestFile.cpp)
target_include_directories(las_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
