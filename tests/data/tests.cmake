# Suites of the data area.
plotvane_add_test(data_test
  data/ReaderTestSupport.cpp
  data/DataFileReaderTest.cpp
  data/DataFileLinesTest.cpp
  data/DataFilePreviewTest.cpp
  data/ContourFileTest.cpp
  data/LoadOptionsTest.cpp
  data/SimaReaderTest.cpp
  data/LasReaderTest.cpp
  data/LandXmlReaderTest.cpp
  data/SiteFileReaderTest.cpp)
