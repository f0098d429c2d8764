# Suites of the desktop program: Qt Test suites on the offscreen platform, in
# one program (AppSuites.h), each run by CTest as a test of its own.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_library(plotvane_apptestsupport STATIC app/AppTestSupport.cpp)
set_target_properties(plotvane_apptestsupport PROPERTIES AUTOMOC ON)
target_include_directories(plotvane_apptestsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/app)
target_link_libraries(plotvane_apptestsupport PUBLIC plotvane::app plotvane_testsupport Qt6::Test)

set(PLOTVANE_APP_SUITES
  AppUnitsTest
  CursorReadoutTest
  ProgressWindowTest
  MainWindowTest
  LoadCommandsTest
  SettingsDialogTest
  SettingsHelpersTest
  SmallScreenTest
  SettingsExchangeTest
  OutputCommandsTest
  SaveNamesTest
  WindowMannersTest
  WindowPlacementTest
  ValueWindowTest
  VolumeWindowTest
  GridWindowTest
  ToolMenuTest
  QtTranslationsTest
  HighDpiTest
  PageViewTest
  ProgramTest
  TrueScalePrintTest
  BreaklineMenuTest)
list(TRANSFORM PLOTVANE_APP_SUITES PREPEND app/ OUTPUT_VARIABLE app_suite_sources)
list(TRANSFORM app_suite_sources APPEND .cpp)
add_executable(app_test app/AppSuites.cpp ${app_suite_sources})
set_target_properties(app_test PROPERTIES AUTOMOC ON)
target_link_libraries(app_test PRIVATE plotvane_apptestsupport plotvane_tooltestsupport plotvane::options)
target_compile_definitions(app_test PRIVATE PLOTVANE_VERSION="${PROJECT_VERSION}"
  PLOTVANE_PROGRAM="$<TARGET_FILE:plotvane>")
add_dependencies(app_test plotvane)
foreach(suite IN LISTS PLOTVANE_APP_SUITES)
  add_test(NAME app.${suite} COMMAND app_test ${suite})
  set_tests_properties(app.${suite} PROPERTIES TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endforeach()
# The screen scaled to 200 %, with room for the window at 100 %.
set_tests_properties(app.HighDpiTest PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/app/wide-screen.json;QT_SCALE_FACTOR=2;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
# The windows placed beside the main window need a screen wider than the
# offscreen platform's own.
set_tests_properties(app.WindowPlacementTest PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/app/wide-screen.json;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
# The settings dialog on small screens, at 100 % and at 200 %.
set_tests_properties(app.SmallScreenTest PROPERTIES ENVIRONMENT
  "QT_QPA_PLATFORM=offscreen:configfile=${CMAKE_CURRENT_SOURCE_DIR}/app/three-screens.json;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
