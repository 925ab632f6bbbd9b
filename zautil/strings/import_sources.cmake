# URIN and TRIN: the string and point import, its layer map and layers.
target_sources(zautil_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/import_entities.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_file_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_finish.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_layers.cpp
  ${CMAKE_CURRENT_LIST_DIR}/import_progress.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/layer_name_rules.cpp
  ${CMAKE_CURRENT_LIST_DIR}/string_import.cpp
  ${CMAKE_CURRENT_LIST_DIR}/tr_import.cpp
  ${CMAKE_CURRENT_LIST_DIR}/trin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ur_import.cpp
  ${CMAKE_CURRENT_LIST_DIR}/urin.cpp)
