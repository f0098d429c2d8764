# The triangulation and the whole load road.
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(mesh_bench mesh_bench.cpp)
target_link_libraries(mesh_bench PRIVATE plotvane_testsupport benchmark::benchmark plotvane::options)
