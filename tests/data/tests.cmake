# Suites of the data area.
plotvane_add_test(data_reader_test
  data/ReaderTestSupport.cpp
  data/DataFileReaderTest.cpp
  data/DataFileLinesTest.cpp
  data/TextDecodingTest.cpp)
plotvane_add_test(contour_file_test
  data/ReaderTestSupport.cpp
  data/ContourFileTest.cpp)
