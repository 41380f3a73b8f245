# Warning flags for the project's own targets; third-party code is left alone.
function(xmlattr_set_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${XMLATTR_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
      -Woverloaded-virtual $<$<BOOL:${XMLATTR_WERROR}>:-Werror>)
  endif()
endfunction()

# One test binary per subsystem, its cases registered with CTest one by one. A cross build
# runs each binary whole instead: listing the cases would run every binary through the
# emulator at build time, and Wine's console writes the list with CRLF line ends.
function(xmlattr_add_test name)
  if(NOT XMLATTR_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE xmlattr::xmlattr GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    XMLATTR_CORPUS_DIR="${PROJECT_SOURCE_DIR}/corpus")
  xmlattr_set_warnings(${name})
  if(CMAKE_CROSSCOMPILING)
    add_test(NAME ${name} COMMAND ${name})
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
  endif()
endfunction()
