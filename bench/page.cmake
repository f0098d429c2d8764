# The page: composing it, rasterising it, writing it as PNG and as the page file.
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(page_bench page_bench.cpp QtBenchMain.cpp)
target_link_libraries(page_bench PRIVATE plotvane::qtplay plotvane_testsupport benchmark::benchmark plotvane::options)
