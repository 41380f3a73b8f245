# Compares the names that the Windows DLL exports with the dynamic symbols of the Linux
# library built from the same sources, so that the two builds cannot drift apart.
#   cmake -DSOURCE_DIR=... -DHOST_DIR=... -DBUILD_TYPE=... -DDLL=... -DOBJDUMP=... -P CompareExports.cmake
# The Linux library is configured once in HOST_DIR and rebuilt there on every run.
cmake_minimum_required(VERSION 3.25)

include("${CMAKE_CURRENT_LIST_DIR}/ScriptSupport.cmake")

# The cross build's environment must not leak into the native one.
unset(ENV{CMAKE_TOOLCHAIN_FILE})
unset(ENV{CXX})
unset(ENV{CXXFLAGS})
if(NOT EXISTS "${HOST_DIR}/CMakeCache.txt")
  run(${CMAKE_COMMAND} -S "${SOURCE_DIR}" -B "${HOST_DIR}" -DCMAKE_CXX_COMPILER=g++
      "-DCMAKE_BUILD_TYPE=${BUILD_TYPE}" -DXMLATTR_BUILD_TESTS=OFF -DXMLATTR_BUILD_EXAMPLES=OFF
      -DXMLATTR_WERROR=ON)
endif()
run(${CMAKE_COMMAND} --build "${HOST_DIR}" --target xmlattr --parallel 2)

dynamic_symbols(linux_names "${HOST_DIR}/xmlattr/libxmlattr.so")
execute_process(COMMAND ${OBJDUMP} -p "${DLL}" OUTPUT_VARIABLE dll_table COMMAND_ERROR_IS_FATAL ANY)

# objdump lists the exported names in its "[Ordinal/Name Pointer] Table", one "[  n] name"
# line each, up to the next blank line. Mangled names hold neither ";" nor brackets, so they
# make a safe list.
string(REGEX MATCH "\\[Ordinal/Name Pointer\\] Table\n([^\n]+\n)*" dll_names "${dll_table}")
string(REPLACE "[Ordinal/Name Pointer] Table\n" "" dll_names "${dll_names}")
string(REGEX REPLACE "[\t ]*\\[ *[0-9]+\\] " "" dll_names "${dll_names}")
string(REPLACE "\n" ";" dll_names "${dll_names}")
if(NOT dll_names)
  message(FATAL_ERROR "no exported names found in ${DLL}")
endif()

# Keeps the library's own names, demangled, in one form for both builds. Dropped:
# - the standard library's and the compiler runtime's (std, names reserved with a leading
#   "__", global operator new and delete), which the Linux build re-exports from the
#   inline code it instantiates;
# - typeinfo names (_ZTS), which callers reach only through the typeinfo object, and guard
#   variables (_ZGV), which belong to the statics of inline functions that each module
#   keeps for itself;
# - symbols that are not C++ names.
# 64-bit integers are "long" on Linux and "long long" on Windows.
function(own_names out kind)
  list(FILTER ARGN INCLUDE REGEX "^_Z")
  list(FILTER ARGN EXCLUDE REGEX "^_Z(TS|GV)")
  list(FILTER ARGN EXCLUDE REGEX "^_Z(T[VTI])?Z?N?[rVKRO]*(S[tabsiod]|[0-9]+__|nw|na|dl|da)")
  demangle(names "${HOST_DIR}/${kind}-exports.txt" ${ARGN})
  string(REPLACE "long long" "long" names "${names}")
  list(REMOVE_DUPLICATES names)
  list(SORT names)
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

own_names(linux linux ${linux_names})
own_names(windows windows ${dll_names})

set(only_linux ${linux})
list(REMOVE_ITEM only_linux ${windows})
set(only_windows ${windows})
list(REMOVE_ITEM only_windows ${linux})
list(LENGTH linux count)
if(only_linux OR only_windows)
  list(JOIN only_linux "\n  " only_linux)
  list(JOIN only_windows "\n  " only_windows)
  foreach(text only_linux only_windows)
    string(REPLACE "<lsb>" "[" ${text} "${${text}}")
    string(REPLACE "<rsb>" "]" ${text} "${${text}}")
  endforeach()
  message(FATAL_ERROR "The DLL and the Linux library export different names.\n"
    "Only in the Linux library:\n  ${only_linux}\nOnly in the DLL:\n  ${only_windows}\n")
endif()
message(STATUS "The DLL and the Linux library export the same ${count} names.")
