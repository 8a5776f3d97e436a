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

# All tests that run under Wine share one Wine server in the build's prefix,
# kept up from before the first test to after the last (the tests
# wine_server_start and wine_server_stop): a program that starts just as a
# server is ending fails at once ("recvmsg: Connection reset by peer").
# Discovered GoogleTest tests take LORVANE_GTEST_PROPERTIES; the others are
# found when the configuration is complete (lorvane_tests_share_wine_server).
set(LORVANE_GTEST_PROPERTIES PROPERTIES FIXTURES_REQUIRED wine_server)

function(lorvane_tests_share_wine_server)
  add_test(NAME wine_server_start COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --start-server)
  add_test(NAME wine_server_stop COMMAND ${CMAKE_BINARY_DIR}/wine-run.sh --stop-server)
  set_tests_properties(wine_server_start PROPERTIES FIXTURES_SETUP wine_server)
  set_tests_properties(wine_server_stop PROPERTIES FIXTURES_CLEANUP wine_server)
  lorvane_require_wine_server(${CMAKE_SOURCE_DIR})
endfunction()

# The tests of DIR and its subfolders require the server, except the fixture's
# own and windows_install, which makes a prefix of its own. A test's
# properties can only be set in its own folder, so each folder's tests are
# given them by a file that CTest reads with the folder's tests.
function(lorvane_require_wine_server dir)
  get_property(tests DIRECTORY ${dir} PROPERTY TESTS)
  list(REMOVE_ITEM tests wine_server_start wine_server_stop windows_install)
  if(tests)
    get_property(binary_dir DIRECTORY ${dir} PROPERTY BINARY_DIR)
    set(names "")
    foreach(test IN LISTS tests)
      string(APPEND names " [==[${test}]==]")
    endforeach()
    file(WRITE ${binary_dir}/wine_server_tests.cmake
         "set_tests_properties(${names} PROPERTIES FIXTURES_REQUIRED wine_server)\n")
    set_property(DIRECTORY ${dir} APPEND PROPERTY TEST_INCLUDE_FILES
                 ${binary_dir}/wine_server_tests.cmake)
  endif()
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    lorvane_require_wine_server(${subdir})
  endforeach()
endfunction()
