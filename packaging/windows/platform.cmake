# Windows builds, cross-built with MinGW-w64 against a static Qt: every
# program is one self-contained .exe (Qt, the C and C++ runtimes and
# winpthread linked in), stripped in Release builds. The test programs run
# under Wine, in a Wine prefix of the build's own.
enable_language(RC)
add_link_options(-static -static-libgcc -static-libstdc++ $<$<CONFIG:Release>:-s>)

set(LORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wine)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

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
  add_test(NAME wine_server_shared
           COMMAND ${CMAKE_COMMAND} -DCTEST=${CMAKE_CTEST_COMMAND}
                   -P ${CMAKE_SOURCE_DIR}/packaging/windows/check_wine_fixture.cmake)
  lorvane_tests_of(tests ${CMAKE_SOURCE_DIR})
  list(REMOVE_ITEM tests wine_server_start wine_server_stop wine_server_shared windows_install)
  set(names "")
  foreach(test IN LISTS tests)
    string(APPEND names " [==[${test}]==]")
  endforeach()
  # CTest reads a folder's include files before the folder's own tests, and
  # the folders in the order they were added; so the file that gives the
  # tests their fixture is read with the last folder, packaging/windows,
  # whose only test (windows_install) is not among them.
  set(file ${CMAKE_BINARY_DIR}/wine_server_tests.cmake)
  file(WRITE ${file} "set_tests_properties(${names} PROPERTIES FIXTURES_REQUIRED wine_server)\n")
  set_property(DIRECTORY ${CMAKE_SOURCE_DIR}/packaging/windows APPEND PROPERTY TEST_INCLUDE_FILES ${file})
endfunction()

# The tests added by add_test() in DIR and its subfolders.
function(lorvane_tests_of out dir)
  get_property(tests DIRECTORY ${dir} PROPERTY TESTS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    lorvane_tests_of(more ${subdir})
    list(APPEND tests ${more})
  endforeach()
  set(${out} ${tests} PARENT_SCOPE)
endfunction()
