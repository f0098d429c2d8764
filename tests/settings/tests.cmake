# Suites of the settings area.
plotvane_add_test(settings_test
  settings/NumberTextTest.cpp
  settings/SettingsBlockTest.cpp
  settings/ViewFileTest.cpp
  settings/ValidateDrawSettingsTest.cpp
  settings/ContourIntervalTest.cpp
  settings/EqualAspectTest.cpp)
