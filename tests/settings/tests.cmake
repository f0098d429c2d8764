plotvane_add_test(number_text_test settings/NumberTextTest.cpp)
plotvane_add_test(settings_block_test
  settings/SettingsBlockTest.cpp
  settings/ViewFileTest.cpp
  settings/ValidateDrawSettingsTest.cpp)
