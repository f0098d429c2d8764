# The hostile-input suite: malformed, huge and degenerate data files and view
# files, the safe writer's failure cases and save policy, every output on a
# full disk and on hostile targets, and repeated sessions that must not
# grow memory or open descriptors. Each test gets a generous wall-clock bound
# here, so that a hang fails its test instead of stalling the run.
add_executable(hostile_test
  hostile/HostileSupport.cpp
  hostile/HostileDataFileTest.cpp
  hostile/HostileGeometryTest.cpp
  hostile/HostileViewFileTest.cpp
  hostile/HostileInputPathTest.cpp
  hostile/SafeFileTest.cpp
  hostile/SaveTargetTest.cpp
  hostile/OutputSupport.cpp
  hostile/OutputTargetTest.cpp
  hostile/FullDiskTest.cpp
  hostile/ResourceTest.cpp)
target_link_libraries(hostile_test PRIVATE plotvane_testsupport GTest::gtest_main plotvane::options)
# The output suites run plotvane-cli itself, for its real exit status and
# standard output.
target_compile_definitions(hostile_test PRIVATE PLOTVANE_CLI="$<TARGET_FILE:plotvane-cli>")
add_dependencies(hostile_test plotvane-cli)
if(PLOTVANE_SANITIZERS)
  target_sources(hostile_test PRIVATE hostile/SanitizerCanaryTest.cpp)
endif()
gtest_discover_tests(hostile_test DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES
  PROPERTIES TIMEOUT 60 LABELS hostile ENVIRONMENT "PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
