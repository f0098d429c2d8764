# Suites of the tool windows.
plotvane_add_qt_test(app_value_window_test app/Form6Test.cpp)
target_link_libraries(app_value_window_test PRIVATE plotvane_tooltestsupport)
