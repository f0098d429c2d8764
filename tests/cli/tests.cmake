plotvane_add_test(cli_test cli/CliTest.cpp)
target_link_libraries(cli_test PRIVATE plotvane_cli_commands)
