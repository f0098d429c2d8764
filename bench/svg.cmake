# The SVG and PDF writers against the metafile writer on the same full page.
plotvane_add_bench(svg_bench svg_bench.cpp plotvane::qtplay plotvane_testsupport)
target_sources(svg_bench PRIVATE QtBenchMain.cpp)
