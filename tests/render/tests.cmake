# Suites of the render area: the recorded drawing layer, the metafile writer
# and the SVG writer's path data.
add_library(plotvane_render_testsupport STATIC render/DemoPage.cpp render/TraceSink.cpp)
target_include_directories(plotvane_render_testsupport PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/render)
target_link_libraries(plotvane_render_testsupport PUBLIC plotvane::core)

plotvane_add_test(gdi_objects_test render/GdiObjectsTest.cpp)
plotvane_add_test(gdi_recording_test render/RecordingTest.cpp)
target_link_libraries(gdi_recording_test PRIVATE plotvane_render_testsupport)
plotvane_add_test(gdi_playback_test render/PlaybackMappingTest.cpp)
target_link_libraries(gdi_playback_test PRIVATE plotvane_render_testsupport)
plotvane_add_test(svg_path_data_test render/SvgPathDataTest.cpp)
plotvane_add_test(emf_writer_test render/EmfWriterTest.cpp)
target_link_libraries(emf_writer_test PRIVATE plotvane_render_testsupport uemf)

# The contour renderer, the level styles, the scale, the title and the page.
add_library(plotvane_render_testdata STATIC render/RecordedCalls.cpp render/RenderTestData.cpp)
target_include_directories(plotvane_render_testdata PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/render)
target_link_libraries(plotvane_render_testdata PUBLIC plotvane_testsupport plotvane::core)

plotvane_add_test(render_test
  render/LevelStylesTest.cpp
  render/TriangleBandsTest.cpp
  render/ContourTrianglesTest.cpp
  render/ContourMapTest.cpp
  render/ColourScaleTest.cpp
  render/TitleTest.cpp
  render/PageCompositionTest.cpp
  render/RenderSettingsTest.cpp)
target_link_libraries(render_test PRIVATE plotvane_render_testdata plotvane_render_testsupport)
