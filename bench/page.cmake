# The page: composing it, rasterising it, writing it as PNG and as the page file.
plotvane_add_bench(page_bench page_bench.cpp plotvane::qtplay plotvane_testsupport)
target_sources(page_bench PRIVATE QtBenchMain.cpp)
