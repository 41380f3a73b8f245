# The Windows build: the library as xmlattr.dll beside its import library
# libxmlattr.dll.a, and every program of the build beside the DLL, where Windows
# looks for it first.
if(NOT WIN32)
  return()
endif()

set(CMAKE_SHARED_LIBRARY_PREFIX "")
if(NOT CMAKE_RUNTIME_OUTPUT_DIRECTORY)
  set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)
endif()

if(MINGW AND XMLATTR_BUILD_TESTS)
  # The DLL must export what the Linux library exports: a Linux build of the same
  # sources, in a tree of its own, is listed and compared with the DLL's export table.
  find_program(XMLATTR_OBJDUMP NAMES ${CMAKE_OBJDUMP} x86_64-w64-mingw32-objdump REQUIRED)
  add_test(NAME dll_exports COMMAND ${CMAKE_COMMAND}
    -DSOURCE_DIR=${PROJECT_SOURCE_DIR} -DHOST_DIR=${PROJECT_BINARY_DIR}/host
    -DBUILD_TYPE=${CMAKE_BUILD_TYPE} -DDLL=$<TARGET_FILE:xmlattr> -DOBJDUMP=${XMLATTR_OBJDUMP}
    -P ${PROJECT_SOURCE_DIR}/cmake/CompareExports.cmake)
endif()
