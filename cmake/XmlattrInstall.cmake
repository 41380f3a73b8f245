# Installation: the library, its public headers (its header file set: not the detail/ ones)
# and a package configuration for find_package(xmlattr) and for pkg-config.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

install(TARGETS xmlattr EXPORT xmlattrTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
  RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
  FILE_SET HEADERS DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}
  FILE_SET generated DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT xmlattrTargets NAMESPACE xmlattr::
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/xmlattr)

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/xmlattrConfig.cmake.in
  ${PROJECT_BINARY_DIR}/xmlattrConfig.cmake
  INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/xmlattr)
write_basic_package_version_file(${PROJECT_BINARY_DIR}/xmlattrConfigVersion.cmake
  COMPATIBILITY SameMinorVersion)
install(FILES ${PROJECT_BINARY_DIR}/xmlattrConfig.cmake ${PROJECT_BINARY_DIR}/xmlattrConfigVersion.cmake
  DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/xmlattr)

# pkg-config: xmlattr.pc beside the libraries.
file(RELATIVE_PATH XMLATTR_PC_PREFIX "/${CMAKE_INSTALL_LIBDIR}/pkgconfig" "/")
string(REGEX REPLACE "/$" "" XMLATTR_PC_PREFIX "${XMLATTR_PC_PREFIX}")
configure_file(${PROJECT_SOURCE_DIR}/cmake/xmlattr.pc.in ${PROJECT_BINARY_DIR}/xmlattr.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/xmlattr.pc DESTINATION ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
