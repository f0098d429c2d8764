# Suites of the tools area.
