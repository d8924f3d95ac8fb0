include(CMakePackageConfigHelpers)

get_property(vx_targets GLOBAL PROPERTY VX_LAYER_TARGETS)
get_property(vx_dirs GLOBAL PROPERTY VX_LAYER_DIRS)

install(TARGETS ${vx_targets} vx_warnings EXPORT VXChartTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vxchart)
foreach(dir IN LISTS vx_dirs)
  install(DIRECTORY ${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/vxchart/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()

install(EXPORT VXChartTargets NAMESPACE VXChart::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VXChart)
configure_package_config_file(cmake/VXChartConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/VXChartConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VXChart)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/VXChartConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/VXChartConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/VXChartConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/VXChart)
