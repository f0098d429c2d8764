# Reading a data file at the line limit.
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(read_bench read_bench.cpp)
target_link_libraries(read_bench PRIVATE plotvane::core benchmark::benchmark plotvane::options)
