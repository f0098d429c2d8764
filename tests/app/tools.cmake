# Suites of the tool windows.
