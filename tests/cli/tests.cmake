# Suites of plotvane-cli: the commands run in process.
plotvane_add_test(cli_test cli/CliTest.cpp cli/RenderCommandTest.cpp cli/ContoursCommandTest.cpp)
target_link_libraries(cli_test PRIVATE plotvane_cli_render)
