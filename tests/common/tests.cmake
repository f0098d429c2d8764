# Suites of the common area.
plotvane_add_test(common_test common/TextDecodingTest.cpp common/ErrorDetailsTest.cpp common/OrderedPipelineTest.cpp)
