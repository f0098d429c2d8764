# The contours: building the level lines (and bands) of the full data set and
# writing them, beside the page of the same data (page_bench).
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(contours_bench contours_bench.cpp)
target_link_libraries(contours_bench PRIVATE plotvane::contours plotvane_testsupport benchmark::benchmark
  plotvane::options)
