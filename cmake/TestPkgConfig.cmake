# Installs the built library into a scratch prefix, then compiles and links one file with
# the flags `pkg-config --cflags --libs xmlattr` gives for it, and runs the program.
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
message(STATUS "pkg-config --cflags --libs xmlattr: ${flags}")
separate_arguments(flags UNIX_COMMAND "${flags}")
separate_arguments(cxx_flags UNIX_COMMAND "${CXX_FLAGS}")
separate_arguments(linker_flags UNIX_COMMAND "${LINKER_FLAGS}")
run(${CXX_COMPILER} -std=c++20 ${cxx_flags} "${SOURCE_DIR}/cmake/consumer/main.cpp"
    -o "${root}/consumer" ${flags} "-Wl,-rpath,${libdir}" ${linker_flags})
run("${root}/consumer")
