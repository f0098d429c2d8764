# Suites of the desktop program: Qt Test programs on the offscreen platform.
find_package(Qt6 REQUIRED COMPONENTS Test)

add_library(plotvane_apptestsupport STATIC app/AppTestSupport.cpp)
target_include_directories(plotvane_apptestsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/app)
target_link_libraries(plotvane_apptestsupport PUBLIC plotvane::app plotvane_testsupport Qt6::Test)

function(plotvane_add_qt_test name)
  add_executable(${name} ${ARGN})
  set_target_properties(${name} PROPERTIES AUTOMOC ON)
  target_link_libraries(${name} PRIVATE plotvane_apptestsupport plotvane::options)
  target_compile_definitions(${name} PRIVATE PLOTVANE_VERSION="${PROJECT_VERSION}")
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES TIMEOUT 120
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")
endfunction()

plotvane_add_qt_test(app_units_test app/AppUnitsTest.cpp)
plotvane_add_qt_test(app_cursor_readout_test app/CursorReadoutTest.cpp)
target_link_libraries(app_cursor_readout_test PRIVATE plotvane_tooltestsupport)
plotvane_add_qt_test(app_progress_window_test app/ProgressWindowTest.cpp)
plotvane_add_qt_test(app_main_window_test app/FrmMainTest.cpp)
plotvane_add_qt_test(app_load_commands_test app/LoadCommandsTest.cpp)
plotvane_add_qt_test(app_settings_dialog_test app/Form1Test.cpp)
plotvane_add_qt_test(app_program_test app/ProgramTest.cpp)
target_compile_definitions(app_program_test PRIVATE PLOTVANE_PROGRAM="$<TARGET_FILE:plotvane>")
add_dependencies(app_program_test plotvane)
include(${CMAKE_CURRENT_LIST_DIR}/tools.cmake)
include(${CMAKE_CURRENT_LIST_DIR}/output.cmake)
