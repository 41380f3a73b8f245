# Installs the built library into a scratch prefix, then configures, builds and
# runs cmake/consumer against it: the package must work from find_package alone, and its
# headers' version macros must match its version file.
set(prefix "${BUILD_DIR}/package-test/prefix")
set(consumer "${BUILD_DIR}/package-test/consumer")
file(REMOVE_RECURSE "${BUILD_DIR}/package-test")

include("${CMAKE_CURRENT_LIST_DIR}/ScriptSupport.cmake")

run(${CMAKE_COMMAND} --install "${BUILD_DIR}" --prefix "${prefix}")
if(EXISTS "${prefix}/include/xmlattr/attributes/detail" OR EXISTS "${prefix}/include/xmlattr/length/LengthAttributeTest.cpp")
  message(FATAL_ERROR "internal headers or tests were installed")
endif()
set(cross)
if(TOOLCHAIN_FILE)
  # A cross build looks for packages only below its root paths: make the prefix one.
  set(cross "-DCMAKE_TOOLCHAIN_FILE=${TOOLCHAIN_FILE}" "-DCMAKE_FIND_ROOT_PATH=${prefix}")
endif()
run(${CMAKE_COMMAND} -S "${SOURCE_DIR}/cmake/consumer" -B "${consumer}" "-DCMAKE_PREFIX_PATH=${prefix}"
    "-DCMAKE_CXX_COMPILER=${CXX_COMPILER}" "-DCMAKE_CXX_FLAGS=${CXX_FLAGS}"
    "-DCMAKE_EXE_LINKER_FLAGS=${LINKER_FLAGS}" ${cross})
run(${CMAKE_COMMAND} --build "${consumer}")
# A Windows build names the program consumer.exe; a cross build runs it through the
# same emulator as its tests.
set(program "${consumer}/consumer")
if(EXISTS "${program}.exe")
  string(APPEND program ".exe")
endif()
run(${EMULATOR} "${program}")
