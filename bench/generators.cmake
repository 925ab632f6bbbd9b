# Made-up suite files for the benchmarks, which the tests use too.
add_library(plot_file_generator STATIC ${CMAKE_CURRENT_LIST_DIR}/plot/plot_file_generator.cpp)
target_link_libraries(plot_file_generator PUBLIC zautil_core)
target_include_directories(plot_file_generator PUBLIC ${CMAKE_CURRENT_LIST_DIR}/plot)

add_library(string_file_generator STATIC ${CMAKE_CURRENT_LIST_DIR}/strings/string_file_generator.cpp)
target_link_libraries(string_file_generator PUBLIC zautil_core)
target_include_directories(string_file_generator PUBLIC ${CMAKE_CURRENT_LIST_DIR}/strings)

add_library(triangle_model_generator STATIC ${CMAKE_CURRENT_LIST_DIR}/triangles/triangle_model_generator.cpp)
target_link_libraries(triangle_model_generator PUBLIC zautil_core)
target_include_directories(triangle_model_generator PUBLIC ${CMAKE_CURRENT_LIST_DIR}/triangles)
add_library(subdivision_generator STATIC ${CMAKE_CURRENT_LIST_DIR}/pads/subdivision_generator.cpp)
target_link_libraries(subdivision_generator PUBLIC zautil_core)
target_include_directories(subdivision_generator PUBLIC ${CMAKE_CURRENT_LIST_DIR}/pads)
