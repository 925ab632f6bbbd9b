# A library per folder of the module. A folder's headers are reachable, as
# "<folder>/<file>.h", only to the folders that link its library, so an
# include the folder graph does not allow fails to compile: each library's
# include directory holds one link, named for its folder, to that folder
# alone. DEPENDS names the folders below it, and "host" (the arx/ headers)
# and "platform" where it calls them. The graph is written to
# zautil_folder_graph.txt in the build, which scripts/folder-graph renders
# into zautil/README.md.
set(ZAUTIL_INCLUDE_ROOT ${CMAKE_BINARY_DIR}/zautil_include)
set_property(GLOBAL PROPERTY ZAUTIL_FOLDER_GRAPH "")

function(zautil_folder name)
  cmake_parse_arguments(F "" "" "SOURCES;DEPENDS;LIBS" ${ARGN})
  set(target zautil_${name})
  add_library(${target} STATIC ${F_SOURCES})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  set(root ${ZAUTIL_INCLUDE_ROOT}/${name})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
  foreach(dep IN LISTS F_DEPENDS)
    if(dep STREQUAL "host")
      target_link_libraries(${target} PUBLIC zhost_arx)
    elseif(dep STREQUAL "platform")
      target_link_libraries(${target} PUBLIC zplatform_api)
    else()
      target_link_libraries(${target} PUBLIC zautil_${dep})
    endif()
  endforeach()
  target_link_libraries(${target} PRIVATE ${F_LIBS})
  string(JOIN " " deps ${F_DEPENDS})
  set_property(GLOBAL APPEND PROPERTY ZAUTIL_FOLDER_GRAPH "${name}: ${deps}")
endfunction()
