# Reference documentation: HTML made by doxygen from the comments of the installed headers
# (the library's header sets, so that the documentation covers exactly what a user can include).
# A public name without a comment fails the build: what ships is documented, and stays so.
find_program(XMLATTR_DOXYGEN doxygen)
if(NOT XMLATTR_DOXYGEN)
  add_custom_target(docs COMMAND ${CMAKE_COMMAND} -E echo
    "doxygen not found: the reference documentation is skipped (Debian package doxygen)")
  message(STATUS "doxygen not found: the docs target only says so (Debian package doxygen)")
  return()
endif()

get_target_property(public_headers xmlattr HEADER_SET)
get_target_property(generated_headers xmlattr HEADER_SET_generated)
set(XMLATTR_DOXYGEN_INPUT)
foreach(header IN LISTS public_headers generated_headers)
  string(APPEND XMLATTR_DOXYGEN_INPUT " \\\n  \"${header}\"")
endforeach()
set(XMLATTR_DOXYGEN_OUTPUT ${PROJECT_BINARY_DIR}/docs)
configure_file(${PROJECT_SOURCE_DIR}/cmake/Doxyfile.in ${XMLATTR_DOXYGEN_OUTPUT}/Doxyfile @ONLY)
add_custom_target(docs
  COMMAND ${XMLATTR_DOXYGEN} ${XMLATTR_DOXYGEN_OUTPUT}/Doxyfile
  COMMAND ${CMAKE_COMMAND} -E echo "Reference documentation: ${XMLATTR_DOXYGEN_OUTPUT}/html/index.html"
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Reference documentation from the public headers"
  VERBATIM)
