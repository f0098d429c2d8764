# Suites of the mesh area.
