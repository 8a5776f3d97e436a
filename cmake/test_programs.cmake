# What the tests need to run the build's programs, on every platform. A
# platform's own file, included after this one, may add to it (Windows:
# packaging/windows/platform.cmake).

# Properties every discovered GoogleTest test takes besides its own, written
# as gtest_discover_tests() reads them: PROPERTIES name value ...
set(LORVANE_GTEST_PROPERTIES)

# lorvane_program_path(OUT PATH): PATH, a file of the build, as the build's
# programs see it, written for a C string. Programs built for Windows run
# under Wine, where drive Z: is the root of the Linux file system.
function(lorvane_program_path out path)
  if(WIN32)
    string(REPLACE "/" "\\\\" windows "Z:${path}")
    set(${out} "${windows}" PARENT_SCOPE)
  else()
    set(${out} "${path}" PARENT_SCOPE)
  endif()
endfunction()
