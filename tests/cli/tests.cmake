# Suites of plotvane-cli: the commands run in process.
plotvane_add_test(cli_test cli/CliTest.cpp cli/RenderCommandTest.cpp cli/ContoursCommandTest.cpp
  cli/GisOptionsTest.cpp
  cli/VolumeCommandTest.cpp
  cli/SurveyFormatsTest.cpp
  cli/ConventionsTest.cpp
  cli/BreaklinesCliTest.cpp
  cli/BoundaryOptionTest.cpp)
target_link_libraries(cli_test PRIVATE plotvane_cli_render)
find_program(PLOTVANE_PDFTOPPM pdftoppm)
target_compile_definitions(cli_test PRIVATE PLOTVANE_PDFTOPPM="${PLOTVANE_PDFTOPPM}")

# The two programs answer --help and --version and end, without a display.
foreach(program plotvane plotvane-cli)
  add_test(NAME ${program}.version COMMAND ${program} --version)
  set_tests_properties(${program}.version PROPERTIES PASS_REGULAR_EXPRESSION "^${program} ${PROJECT_VERSION}\n$"
    ENVIRONMENT "QT_QPA_PLATFORM=none")
  add_test(NAME ${program}.help COMMAND ${program} --help)
  set_tests_properties(${program}.help PROPERTIES PASS_REGULAR_EXPRESSION "usage: ${program} .*--version"
    ENVIRONMENT "QT_QPA_PLATFORM=none")
endforeach()
