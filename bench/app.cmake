# The desktop program: a 99 999-point file loaded through the File menu to
# the map on screen, and the cursor read-out over that map.
if(TARGET plotvane_apptestsupport)
  plotvane_add_bench(app_bench app_bench.cpp plotvane_apptestsupport)
endif()
