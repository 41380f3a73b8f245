# The manual page xmlattr(1), made at build time by help2man from the tool's own help, so that
# it says what the tool does and cannot drift from it; installed with the tool.
find_program(XMLATTR_HELP2MAN help2man)
if(NOT XMLATTR_HELP2MAN)
  message(STATUS "help2man not found: the xmlattr(1) manual page is not made (Debian package help2man)")
  return()
endif()
if(CMAKE_CROSSCOMPILING)
  message(STATUS "Cross-compiling: the xmlattr(1) manual page is not made (the tool cannot run here)")
  return()
endif()

set(XMLATTR_MANUAL_PAGE ${PROJECT_BINARY_DIR}/man/xmlattr.1)
add_custom_command(OUTPUT ${XMLATTR_MANUAL_PAGE}
  COMMAND ${CMAKE_COMMAND} -DTOOL=$<TARGET_FILE:xmlattr_tool> -DHELP2MAN=${XMLATTR_HELP2MAN}
          -DOUTPUT=${XMLATTR_MANUAL_PAGE} -P ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
  DEPENDS xmlattr_tool ${PROJECT_SOURCE_DIR}/cmake/MakeManPage.cmake
  COMMENT "Manual page xmlattr(1) from the tool's help"
  VERBATIM)
add_custom_target(manpage ALL DEPENDS ${XMLATTR_MANUAL_PAGE})
if(XMLATTR_INSTALL AND XMLATTR_INSTALL_TOOL)
  install(FILES ${XMLATTR_MANUAL_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
