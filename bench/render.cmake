# The drawing layer: recording, playing and writing a full-size map.
if(NOT TARGET benchmark::benchmark)
  find_package(benchmark REQUIRED)
endif()
add_executable(render_bench render_bench.cpp)
target_link_libraries(render_bench PRIVATE plotvane::core benchmark::benchmark plotvane::options)
