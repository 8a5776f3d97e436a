# What the page's core and the page say to each other, written once: the
# steps of the game the core posts, by number in this order, and the
# operations the page calls (lorvane_<name> in core.cpp). From these lists
# the build writes the C++ steps (core_steps.h) and the worker's names for
# them, exports the operations, and checks the page's scripts and core.cpp
# against them, so that a step or an operation that one side has and the
# other has not fails the build.
set(LORVANE_CORE_STEPS geometry pieces showMarker hideMarker addLine removeLine clearLines
    message say difficulty names)
set(LORVANE_CORE_OPERATIONS start new_game click_at click_point take_back offer_draw resign
    set_difficulty drop_selection read_position message_closed)

# Writes FOLDER/core_steps.h: enum Step, one kName per step.
function(lorvane_core_steps_header folder)
  set(enumerators "")
  set(number 0)
  foreach(step IN LISTS LORVANE_CORE_STEPS)
    string(SUBSTRING ${step} 0 1 first)
    string(SUBSTRING ${step} 1 -1 rest)
    string(TOUPPER ${first} first)
    string(APPEND enumerators "  k${first}${rest} = ${number},\n")
    math(EXPR number "${number} + 1")
  endforeach()
  file(CONFIGURE OUTPUT ${folder}/core_steps.h CONTENT
"// Written by the build from web/core_interface.cmake: the steps the page's
// core posts, by number, as core_worker.js names them.
#pragma once

namespace lorvane {

enum Step {
@enumerators@};

}  // namespace lorvane
" @ONLY)
endfunction()

# Fails unless the names FOUND in FILE (what it calls WHAT) are exactly
# the names EXPECTED.
function(lorvane_check_names file what found expected)
  list(REMOVE_DUPLICATES found)
  set(extra ${found})
  list(REMOVE_ITEM extra ${expected})
  set(missing ${expected})
  if(found)
    list(REMOVE_ITEM missing ${found})
  endif()
  if(extra OR missing)
    message(FATAL_ERROR "${file} and web/core_interface.cmake disagree on the ${what}: "
                        "not in the list: '${extra}'; not in ${file}: '${missing}'")
  endif()
endfunction()

# Reads the names that PATTERN's first group captures in FILE into OUT.
function(lorvane_names_in file pattern out)
  file(READ ${file} text)
  string(REGEX MATCHALL "${pattern}" matches "${text}")
  set(names "")
  foreach(match IN LISTS matches)
    string(REGEX REPLACE "${pattern}" "\\1" name "${match}")
    list(APPEND names ${name})
  endforeach()
  set(${out} ${names} PARENT_SCOPE)
endfunction()

# The sides of the interface that are written by hand: core.cpp defines each
# operation, view.js shows each step, and page.js calls each operation but
# start, which the worker calls itself.
function(lorvane_check_core_interface web)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${web}/core.cpp ${web}/view.js ${web}/page.js)
  lorvane_names_in(${web}/core.cpp "EMSCRIPTEN_KEEPALIVE void lorvane_([a-z_]+)\\(" defined)
  lorvane_check_names(web/core.cpp "operations" "${defined}" "${LORVANE_CORE_OPERATIONS}")
  lorvane_names_in(${web}/view.js "case '([A-Za-z]+)':" shown)
  lorvane_check_names(web/view.js "steps" "${shown}" "${LORVANE_CORE_STEPS}")
  lorvane_names_in(${web}/page.js "post\\('([a-z_]+)'" called)
  set(called_by_page ${LORVANE_CORE_OPERATIONS})
  list(REMOVE_ITEM called_by_page start)
  lorvane_check_names(web/page.js "operations" "${called}" "${called_by_page}")
endfunction()
