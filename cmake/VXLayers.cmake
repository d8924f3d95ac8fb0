# vx_add_layer(<target> DIRS <dir>...): a static library from every .cpp below the given
# folders, with the repository root as its public include root (headers are included as
# "platform/core/Canvas.h", "chart/Axis.h", ...).
function(vx_add_layer target)
  cmake_parse_arguments(ARG "" "" "DIRS" ${ARGN})
  set(sources "")
  set(headers "")
  foreach(dir IN LISTS ARG_DIRS)
    file(GLOB_RECURSE dir_sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    file(GLOB_RECURSE dir_headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.h)
    list(APPEND sources ${dir_sources})
    list(APPEND headers ${dir_headers})
  endforeach()
  if(NOT sources)
    # A layer with no sources yet still links as a library, so its users need not care.
    set(stub ${CMAKE_CURRENT_BINARY_DIR}/${target}_empty.cpp)
    file(WRITE ${stub} "// ${target} has no sources yet.\n")
    set(sources ${stub})
  endif()
  add_library(${target} STATIC ${sources} ${headers})
  set(scope PUBLIC)
  add_library(VXChart::${target} ALIAS ${target})
  target_include_directories(${target} ${scope}
    $<BUILD_INTERFACE:${PROJECT_SOURCE_DIR}>
    $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}/vxchart>)
  target_link_libraries(${target} PRIVATE $<BUILD_INTERFACE:vx_warnings>)
  set_target_properties(${target} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  set_property(GLOBAL APPEND PROPERTY VX_LAYER_TARGETS ${target})
  foreach(dir IN LISTS ARG_DIRS)
    set_property(GLOBAL APPEND PROPERTY VX_LAYER_DIRS ${dir})
  endforeach()
endfunction()
