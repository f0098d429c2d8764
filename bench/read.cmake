# Reading a data file at the line limit.
plotvane_add_bench(read_bench read_bench.cpp plotvane::core)
