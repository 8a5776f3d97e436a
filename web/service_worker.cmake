# Writes SITE/sw.js from TEMPLATE: the list of the site's FILES and a version
# made from the names and contents of every file the site serves (all of
# SITE but the worker itself and the compressed copies, which follow from
# it), so that a new build replaces the kept files. The page is listed as
# the folder ('./'), the address it is opened at, so that the browser's cache
# answers for it.
file(GLOB_RECURSE served RELATIVE ${SITE} ${SITE}/*)
list(FILTER served EXCLUDE REGEX "(^sw\\.js|\\.br|\\.gz)$")
list(SORT served)
set(hashes "")
foreach(file IN LISTS served)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${file} ${hash}\n")
endforeach()
set(listed "")
foreach(file IN LISTS FILES)
  if(file STREQUAL "index.html")
    set(file "./")
  endif()
  string(APPEND listed "  '${file}',\n")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 LORVANE_WEB_VERSION)
string(STRIP "${listed}" LORVANE_WEB_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
