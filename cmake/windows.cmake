# The cross build for Windows: Wine as the emulator of every program the
# build runs (test discovery, ctest), with a Wine prefix of the build's own.
enable_language(RC)
find_program(VELMOR_WINE wine REQUIRED)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE stdcpp OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libwinpthread-1.dll
                OUTPUT_VARIABLE winpthread OUTPUT_STRIP_TRAILING_WHITESPACE)
get_filename_component(VELMOR_RUNTIME_GCC "${stdcpp}" DIRECTORY)
get_filename_component(VELMOR_RUNTIME_PTHREAD "${winpthread}" DIRECTORY)
get_filename_component(VELMOR_RUNTIME_PTHREAD "${VELMOR_RUNTIME_PTHREAD}" REALPATH)
# The DLLs the programs need: the compiler's runtime and Qt.
set(VELMOR_RUNTIME_DLLS
  ${VELMOR_RUNTIME_GCC}/libstdc++-6.dll ${VELMOR_RUNTIME_GCC}/libgcc_s_seh-1.dll
  ${VELMOR_RUNTIME_PTHREAD}/libwinpthread-1.dll)
set(VELMOR_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
set(VELMOR_WINEPATH "Z:${VELMOR_RUNTIME_GCC};Z:${VELMOR_RUNTIME_PTHREAD};Z:${VELMOR_MINGW_PREFIX}/bin")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine.sh)
