# Suites of the data area.
