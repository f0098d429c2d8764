# Saving, exporting, printing, copying and exchanging settings.
target_sources(plotvane_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Form1Exchange.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PageClipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/frmMainOutput.cpp)
