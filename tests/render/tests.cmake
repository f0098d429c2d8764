# Suites of the render area: the recorded drawing layer, the metafile writer,
# the contour renderer, the level styles, the scale, the title and the page.
add_library(plotvane_render_testsupport STATIC render/DemoPage.cpp render/TraceSink.cpp)
target_include_directories(plotvane_render_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/render)
target_link_libraries(plotvane_render_testsupport PUBLIC plotvane::render)

add_library(plotvane_render_testdata STATIC render/RecordedCalls.cpp render/RenderTestData.cpp)
target_include_directories(plotvane_render_testdata PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/render)
target_link_libraries(plotvane_render_testdata PUBLIC plotvane_testsupport)

plotvane_add_test(render_test
  render/GdiObjectsTest.cpp
  render/RecordingTest.cpp
  render/PlaybackMappingTest.cpp
  render/SvgPathDataTest.cpp
  render/EmfWriterTest.cpp
  render/PdfFileTest.cpp
  render/LevelStylesTest.cpp
  render/ContourTrianglesTest.cpp
  render/ContourMapTest.cpp
  render/ColourScaleTest.cpp
  render/TitleTest.cpp
  render/PageCompositionTest.cpp
  render/RenderSettingsTest.cpp
  render/ColourRampsTest.cpp
  render/DataPostsTest.cpp)
target_link_libraries(render_test PRIVATE plotvane_render_testdata plotvane_render_testsupport uemf)
find_package(ZLIB REQUIRED)
target_link_libraries(render_test PRIVATE ZLIB::ZLIB)
