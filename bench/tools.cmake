# The value look-up, its spatial index and the grid conversion on a
# 99 999-point mesh. The meshes come from the tools test helpers.
if(TARGET plotvane_tooltestsupport)
  plotvane_add_bench(tools_bench tools_bench.cpp plotvane_tooltestsupport)
endif()
