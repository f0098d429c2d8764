# The desktop program: a 99 999-point file loaded through the File menu to
# the map on screen, and the cursor read-out over that map.
if(TARGET plotvane_apptestsupport)
  if(NOT TARGET benchmark::benchmark)
    find_package(benchmark REQUIRED)
  endif()
  add_executable(app_bench app_bench.cpp)
  target_link_libraries(app_bench PRIVATE plotvane_apptestsupport benchmark::benchmark plotvane::options)
endif()
