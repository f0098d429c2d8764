# The value look-up, its spatial index and the grid conversion on a
# 99 999-point mesh. The meshes come from the tools test helpers.
if(TARGET plotvane_tooltestsupport)
  if(NOT TARGET benchmark::benchmark)
    find_package(benchmark REQUIRED)
  endif()
  add_executable(tools_bench tools_bench.cpp)
  target_link_libraries(tools_bench PRIVATE plotvane_tooltestsupport benchmark::benchmark plotvane::options)
endif()
