# Writes SITE/sw.js from TEMPLATE: the list of the site's FILES and a version
# made from their contents, so that a new build replaces the kept files. The
# page is listed as the folder ('./'), the address it is opened at, so that
# the browser's cache answers for it.
set(hashes "")
set(listed "")
foreach(file IN LISTS FILES)
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND hashes "${hash}\n")
  if(file STREQUAL "index.html")
    set(file "./")
  endif()
  string(APPEND listed "  '${file}',\n")
endforeach()
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 LORVANE_WEB_VERSION)
string(STRIP "${listed}" LORVANE_WEB_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
