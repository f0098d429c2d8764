# Suites of the output and settings-exchange commands.
plotvane_add_qt_test(app_settings_exchange_test app/SettingsExchangeTest.cpp)
plotvane_add_qt_test(app_output_commands_test app/OutputCommandsTest.cpp)
