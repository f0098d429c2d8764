# The tool windows "指定座標の値" (Form6) and "格子状のデータに変換" (Form7).
target_sources(plotvane_app PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Form6.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form6.ui
  ${CMAKE_CURRENT_LIST_DIR}/Form7.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Form7.ui
  ${CMAKE_CURRENT_LIST_DIR}/frmMainTools.cpp)
