# Suites of the common area.
plotvane_add_test(common_test common/TextDecodingTest.cpp common/ErrorDetailsTest.cpp common/OrderedPipelineTest.cpp
  common/TemporaryFileCleanupTest.cpp common/ReplacedFileTest.cpp)
# The signal tests end a separate process part way through a save.
add_executable(slow_safe_writer common/SlowSafeWriter.cpp)
target_link_libraries(slow_safe_writer PRIVATE plotvane::common plotvane::options)
target_compile_definitions(common_test PRIVATE PLOTVANE_SLOW_WRITER="$<TARGET_FILE:slow_safe_writer>")
add_dependencies(common_test slow_safe_writer)
