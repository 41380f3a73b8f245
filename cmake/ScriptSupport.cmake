# Steps shared by the project's CMake scripts (run with cmake -P).

# Runs a command; any exit status but 0 stops the script with the command line.
function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "failed (${result}): ${ARGN}")
  endif()
endfunction()

# The names of the symbols a shared library defines and exports, as nm lists them.
function(dynamic_symbols out library)
  find_program(NM nm REQUIRED)
  execute_process(COMMAND ${NM} -D --defined-only -P "${library}"
    OUTPUT_VARIABLE table COMMAND_ERROR_IS_FATAL ANY)
  # nm -P writes one "name type value size" line per symbol. Mangled names hold no ";", so
  # they make a safe list.
  string(REGEX REPLACE " [^\n]*" "" names "${table}")
  string(REPLACE "\n" ";" names "${names}")
  set(${out} "${names}" PARENT_SCOPE)
endfunction()

# The mangled names after `file`, demangled by c++filt, which reads them from `file`. A bracket
# would change how CMake splits the list ("operator[]"): they come back as <lsb> and <rsb>.
function(demangle out file)
  find_program(CXXFILT c++filt REQUIRED)
  string(JOIN "\n" text ${ARGN})
  file(WRITE "${file}" "${text}\n")
  execute_process(COMMAND ${CXXFILT} INPUT_FILE "${file}"
    OUTPUT_VARIABLE demangled COMMAND_ERROR_IS_FATAL ANY)
  string(REPLACE "[" "<lsb>" demangled "${demangled}")
  string(REPLACE "]" "<rsb>" demangled "${demangled}")
  string(REPLACE "\n" ";" names "${demangled}")
  list(REMOVE_ITEM names "")
  set(${out} "${names}" PARENT_SCOPE)
endfunction()
