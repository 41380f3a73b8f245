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

# One test binary per subsystem, its cases registered with CTest one by one.
function(xmlattr_add_test name)
  if(NOT XMLATTR_BUILD_TESTS)
    return()
  endif()
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE xmlattr::xmlattr GTest::gtest GTest::gtest_main)
  target_compile_definitions(${name} PRIVATE
    XMLATTR_CORPUS_DIR="${PROJECT_SOURCE_DIR}/corpus")
  xmlattr_set_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
endfunction()
