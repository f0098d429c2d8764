# Earthwork volumes between two 99 999-point meshes and against a plane. The
# meshes come from the tools test helpers.
if(TARGET plotvane_tooltestsupport)
  plotvane_add_bench(volume_bench volume_bench.cpp plotvane_tooltestsupport)
endif()
