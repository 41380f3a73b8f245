# GoogleTest for the unit tests. A native build uses the system's package; a cross build
# compiles it from the sources that Debian's libgtest-dev ships, since no package carries
# it built for the target.
if(CMAKE_CROSSCOMPILING)
  set(XMLATTR_GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources for a cross build")
  if(NOT EXISTS ${XMLATTR_GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "No GoogleTest sources in ${XMLATTR_GOOGLETEST_SOURCE_DIR} (Debian package libgtest-dev)")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${XMLATTR_GOOGLETEST_SOURCE_DIR} ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
