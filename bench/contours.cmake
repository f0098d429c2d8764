# The contours: building the level lines (and bands) of the full data set and
# writing them, beside the page of the same data (page_bench).
plotvane_add_bench(contours_bench contours_bench.cpp plotvane::contours plotvane_testsupport)
