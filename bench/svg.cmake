# The SVG writer against the metafile writer on the same full page.
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(svg_bench svg_bench.cpp QtBenchMain.cpp)
target_link_libraries(svg_bench PRIVATE plotvane::qtplay plotvane_testsupport benchmark::benchmark plotvane::options)
