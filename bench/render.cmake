# The drawing layer: recording, playing and writing a full-size map.
plotvane_add_bench(render_bench render_bench.cpp plotvane::core)
