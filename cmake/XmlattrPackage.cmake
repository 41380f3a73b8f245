# Packages: `cpack` (or `cmake --workflow --preset package`) makes a Debian package and a
# .tar.gz of what `cmake --install` installs (the library, its headers, the CMake and pkg-config
# files, the tool and its manual page), with the licence and the change log beside them.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/CHANGELOG.md
  DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_PACKAGE_NAME xmlattr)
set(CPACK_PACKAGE_VENDOR "the xmlattr authors")
set(CPACK_PACKAGE_CONTACT "the xmlattr authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION
  "Reads the text of XSL-FO and SVG attributes into typed values (lengths, colours, keywords, transform lists, path data...) and writes them back, with the xmlattr tool that checks documents' attribute values.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_GENERATOR DEB TGZ)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION libdevel)
# The dependencies are read off the built programs where Debian's tool for it is installed
# (dpkg-dev); otherwise they are the libraries the library and the tool link.
find_program(XMLATTR_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(XMLATTR_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  # The tool links the package's own library, which no installed package provides.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR}/xmlattr)
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1, libexpat1")
endif()

include(CPack)
