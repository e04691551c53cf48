include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS pelkgraph pelkgraph_shared EXPORT PelkgraphTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(dir core render plot print interact platform)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION include/pelkgraph/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
if(TARGET pelkgraph_app)
  install(TARGETS pelkgraph_app RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(EXPORT PelkgraphTargets NAMESPACE Pelkgraph:: DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Pelkgraph)
file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfig.cmake.in
  "@PACKAGE_INIT@\ninclude(CMakeFindDependencyMacro)\nfind_dependency(PkgConfig)\npkg_check_modules(FREETYPE REQUIRED IMPORTED_TARGET freetype2)\npkg_check_modules(FONTCONFIG REQUIRED IMPORTED_TARGET fontconfig)\npkg_check_modules(LIBPNG REQUIRED IMPORTED_TARGET libpng)\npkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)\ninclude(\"\${CMAKE_CURRENT_LIST_DIR}/PelkgraphTargets.cmake\")\n")
configure_package_config_file(${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Pelkgraph)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/PelkgraphConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/Pelkgraph)

file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/pelkgraph.pc
  "prefix=${CMAKE_INSTALL_PREFIX}\nlibdir=\${prefix}/${CMAKE_INSTALL_LIBDIR}\nincludedir=\${prefix}/include/pelkgraph\n\nName: pelkgraph\nDescription: X-Y line-graph control\nVersion: ${PROJECT_VERSION}\nRequires.private: freetype2 fontconfig libpng cairo\nLibs: -L\${libdir} -lpelkgraph\nCflags: -I\${includedir}\n")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/pelkgraph.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
