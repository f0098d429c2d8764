# Suites of the Qt player and the file writers. They need a QGuiApplication
# and run on Qt's offscreen platform, so they have their own main.
add_executable(qtplay_test
  qtplay/QtTestMain.cpp
  qtplay/QtPlayerTest.cpp
  qtplay/PageWritersTest.cpp
  qtplay/SvgWriterTest.cpp)
target_link_libraries(qtplay_test PRIVATE plotvane::qtplay plotvane_render_testsupport plotvane_testsupport
  GTest::gtest plotvane::options)
find_program(PLOTVANE_PDFTOPPM pdftoppm)
find_program(PLOTVANE_RSVG_CONVERT rsvg-convert)
target_compile_definitions(qtplay_test PRIVATE PLOTVANE_PDFTOPPM="${PLOTVANE_PDFTOPPM}"
  PLOTVANE_RSVG_CONVERT="${PLOTVANE_RSVG_CONVERT}")
gtest_discover_tests(qtplay_test DISCOVERY_TIMEOUT 60
  PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PLOTVANE_SOURCE_DIR=${PROJECT_SOURCE_DIR}")

# The direct raster path, and the rendered page with the render command.
target_sources(qtplay_test PRIVATE qtplay/PixelSinkTest.cpp qtplay/SpanFillTest.cpp)

# The site boundary in every output.
target_sources(qtplay_test PRIVATE qtplay/BoundaryClipTest.cpp)

# The PDF page read back by two readers, its texts extracted, its structure checked.
target_sources(qtplay_test PRIVATE qtplay/PdfWriterTest.cpp)
find_program(PLOTVANE_MUTOOL mutool)
find_program(PLOTVANE_QPDF qpdf)
find_program(PLOTVANE_PDFTOTEXT pdftotext)
target_compile_definitions(qtplay_test PRIVATE PLOTVANE_MUTOOL="${PLOTVANE_MUTOOL}" PLOTVANE_QPDF="${PLOTVANE_QPDF}"
  PLOTVANE_PDFTOTEXT="${PLOTVANE_PDFTOTEXT}")
