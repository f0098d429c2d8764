# Suites of the contour tools. GDAL's command-line tools read the files back
# as an independent reader (scripts/setup.sh installs them).
add_library(plotvane_contourtestsupport STATIC contours/ContourTestSupport.cpp)
target_link_libraries(plotvane_contourtestsupport PUBLIC plotvane::contours plotvane_tooltestsupport)

find_program(PLOTVANE_OGRINFO ogrinfo REQUIRED)
find_program(PLOTVANE_GDALINFO gdalinfo REQUIRED)
find_program(PLOTVANE_GDAL_TRANSLATE gdal_translate REQUIRED)
find_package(GDAL REQUIRED)
plotvane_add_test(contours_test contours/ContourLinesTest.cpp contours/BandPolygonsTest.cpp
  contours/ContourFilesTest.cpp contours/GisFilesTest.cpp contours/TinSurfaceTest.cpp contours/BoundaryClipTest.cpp
  contours/ContourStreamTest.cpp)
target_link_libraries(contours_test PRIVATE plotvane_contourtestsupport GDAL::GDAL)
target_compile_definitions(contours_test PRIVATE PLOTVANE_OGRINFO="${PLOTVANE_OGRINFO}"
  PLOTVANE_GDALINFO="${PLOTVANE_GDALINFO}" PLOTVANE_GDAL_TRANSLATE="${PLOTVANE_GDAL_TRANSLATE}")
