include(CMakePackageConfigHelpers)

set(PELK_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/Pelkgraph)

install(TARGETS pelkgraph pelkgraph_shared EXPORT PelkgraphTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES include/pelkgraph/pelkgraph.h ${PROJECT_BINARY_DIR}/include/pelkgraph/version.h
  DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/pelkgraph)
foreach(dir core render plot print interact platform)
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/${dir}/ DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/pelkgraph/${dir}
    FILES_MATCHING PATTERN "*.h")
endforeach()
foreach(program pelkgraph_app pelkview)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(EXPORT PelkgraphTargets NAMESPACE Pelkgraph:: DESTINATION ${PELK_CMAKE_DIR})
configure_package_config_file(cmake/PelkgraphConfig.cmake.in ${PROJECT_BINARY_DIR}/PelkgraphConfig.cmake
  INSTALL_DESTINATION ${PELK_CMAKE_DIR})
write_basic_package_version_file(${PROJECT_BINARY_DIR}/PelkgraphConfigVersion.cmake
  COMPATIBILITY SameMajorVersion)
install(FILES ${PROJECT_BINARY_DIR}/PelkgraphConfig.cmake ${PROJECT_BINARY_DIR}/PelkgraphConfigVersion.cmake
  cmake/PelkgraphModules.cmake DESTINATION ${PELK_CMAKE_DIR})

# pelkgraph.pc names the prefix given at install time (cmake --install
# --prefix P), so it is written in two steps: everything else now, the prefix
# by the install script.
foreach(kind LIBDIR INCLUDEDIR)
  if(IS_ABSOLUTE "${CMAKE_INSTALL_${kind}}")
    set(PELK_PC_${kind} "${CMAKE_INSTALL_${kind}}")
  else()
    set(PELK_PC_${kind} "\${prefix}/${CMAKE_INSTALL_${kind}}")
  endif()
endforeach()
set(PELK_PC_REQUIRES_PRIVATE)
set(pairs ${PELK_PRIVATE_MODULES})
while(pairs)
  list(POP_FRONT pairs prefix module)
  string(APPEND PELK_PC_REQUIRES_PRIVATE " ${module}")
endwhile()
string(STRIP "${PELK_PC_REQUIRES_PRIVATE}" PELK_PC_REQUIRES_PRIVATE)
set(PELK_PC_PREFIX "@CMAKE_INSTALL_PREFIX@")
configure_file(cmake/pelkgraph.pc.in ${PROJECT_BINARY_DIR}/pelkgraph.pc.in @ONLY)
install(CODE "configure_file(\"${PROJECT_BINARY_DIR}/pelkgraph.pc.in\" \"${PROJECT_BINARY_DIR}/pelkgraph.pc\" @ONLY)")
install(FILES ${PROJECT_BINARY_DIR}/pelkgraph.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
