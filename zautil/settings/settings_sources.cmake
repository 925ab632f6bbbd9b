# The settings model and registry store, the configuration file, the
# installation directory, the current job with its job files, the
# environment record and ZSELECT.
target_sources(zautil_core PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/config_file.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_file_read.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_file_write.cpp
  ${CMAKE_CURRENT_LIST_DIR}/current_job.cpp
  ${CMAKE_CURRENT_LIST_DIR}/install_dir.cpp
  ${CMAKE_CURRENT_LIST_DIR}/job_files.cpp
  ${CMAKE_CURRENT_LIST_DIR}/job_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/parse_bool.cpp
  ${CMAKE_CURRENT_LIST_DIR}/path_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/registry_values.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_groups.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_message.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_record.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/settings_table.cpp
  ${CMAKE_CURRENT_LIST_DIR}/za_env.cpp
  ${CMAKE_CURRENT_LIST_DIR}/zselect.cpp)
