# Windows builds, cross-built with MinGW-w64 against a static Qt: every
# program is one self-contained .exe (Qt, the C and C++ runtimes and
# winpthread linked in), stripped in Release builds. The test programs run
# under Wine, in a Wine prefix of the build's own.
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)

set(LORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# A path of the build folder as the programs see it under Wine (drive Z: is
# the root of the Linux file system), with C-string backslashes.
function(lorvane_program_path out path)
  string(REPLACE "/" "\\\\" windows "Z:${path}")
  set(${out} "${windows}" PARENT_SCOPE)
endfunction()
