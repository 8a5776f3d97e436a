# The game's version and the names made of it. The version is typed once, in
# the project() line of the top CMakeLists.txt (Lorvane_VERSION); everything
# else that shows it is written from these:
#   LORVANE_NAME         Lorvane
#   LORVANE_VERSION      the version: <major>.<minor>
#   LORVANE_TITLE        the window's caption, also its message boxes' and the
#                        About box's first line: "Lorvane V<version>"
#   LORVANE_ENGINE_NAME  the name the engine gives in its handshake:
#                        "Lorvane <version>"
set(LORVANE_NAME Lorvane)
set(LORVANE_VERSION ${Lorvane_VERSION})
set(LORVANE_TITLE "${LORVANE_NAME} V${LORVANE_VERSION}")
set(LORVANE_ENGINE_NAME "${LORVANE_NAME} ${LORVANE_VERSION}")
# The Windows version resources count major.minor only.
if(NOT LORVANE_VERSION MATCHES "^[0-9]+\\.[0-9]+$")
  message(FATAL_ERROR "the game's version is \"${LORVANE_VERSION}\", not <major>.<minor>")
endif()
