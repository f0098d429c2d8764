# The road from a file name to a meshed data set.
plotvane_add_test(load_test load/OpenDataFileTest.cpp load/LoadMessageTest.cpp load/SurveyLoadTest.cpp
  load/MeshOptionsLoadTest.cpp)
target_link_libraries(load_test PRIVATE plotvane::contours)
