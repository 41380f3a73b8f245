# Installs the built library into a scratch prefix, then compiles and links one file with
# the flags `pkg-config --cflags --libs xmlattr` gives for it, and with the version it gives,
# and runs the program; then compiles each public header under C++17.
set(root "${BUILD_DIR}/pkgconfig-test")
file(REMOVE_RECURSE "${root}")

include("${CMAKE_CURRENT_LIST_DIR}/ScriptSupport.cmake")

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${root}/prefix")
file(GLOB_RECURSE pc_file "${root}/prefix/*/xmlattr.pc")
if(NOT pc_file)
  message(FATAL_ERROR "xmlattr.pc was not installed")
endif()
get_filename_component(pc_dir "${pc_file}" DIRECTORY)
set(ENV{PKG_CONFIG_PATH} "${pc_dir}")
execute_process(COMMAND ${PKG_CONFIG} --cflags --libs xmlattr OUTPUT_VARIABLE flags
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PKG_CONFIG} --variable=libdir xmlattr OUTPUT_VARIABLE libdir
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PKG_CONFIG} --modversion xmlattr OUTPUT_VARIABLE version
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${PKG_CONFIG} --cflags xmlattr OUTPUT_VARIABLE cflags
  OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
message(STATUS "pkg-config --cflags --libs xmlattr: ${flags}")
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(cflags UNIX_COMMAND "${cflags}")
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(linker_flags UNIX_COMMAND "${LINKER_FLAGS}")
run(${CXX_COMPILER} -std=c++20 ${cxx_flags} "-DXMLATTR_EXPECTED_VERSION=\"${version}\""
    "${SOURCE_DIR}/cmake/consumer/main.cpp" -o "${root}/consumer" ${flags}
    "-Wl,-rpath,${libdir}" ${linker_flags})
run("${root}/consumer")

# Under an older standard, whichever public header comes first must stop the compiler at the
# #error that names the standard: that error and the stop, nothing after. The version header is
# plain macros, for any standard.
file(GLOB_RECURSE headers RELATIVE "${root}/prefix/include" "${root}/prefix/include/xmlattr/*.h")
list(REMOVE_ITEM headers xmlattr/Version.h)
list(LENGTH headers header_count)
if(header_count LESS 50)
  message(FATAL_ERROR "only ${header_count} public headers installed")
endif()
foreach(header IN LISTS headers)
  file(WRITE "${root}/old.cpp" "#include <${header}>\n")
  execute_process(COMMAND ${CXX_COMPILER} -std=c++17 ${cflags} -fsyntax-only "${root}/old.cpp"
    RESULT_VARIABLE result ERROR_VARIABLE errors)
  string(REGEX MATCHALL "error: [^\n]*" lines "${errors}")
  list(LENGTH lines count)
  # g++ writes "error: #error ...", clang++ "error: ...".
  if(result EQUAL 0 OR NOT count EQUAL 2 OR
     NOT errors MATCHES "error: (#error )?\"xmlattr needs C\\+\\+20")
    message(FATAL_ERROR "<${header}> under C++17 is not stopped by the #error naming C++20:\n${errors}")
  endif()
endforeach()
message(STATUS "Under C++17 each of the ${header_count} public headers stops at the #error.")
