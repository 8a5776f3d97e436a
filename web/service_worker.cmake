# Writes SITE/page.js from PAGE, telling it the sizes of the program and of
# the doubled pictures it loads, then SITE/sw.js from TEMPLATE: the lists of
# the site's FILES and of the files it KEEPS once fetched (each separated by
# commas), and a version made from all their contents so that a new build
# replaces the cached files.
file(SIZE ${SITE}/lorvane.wasm LORVANE_PROGRAM_BYTES)
file(SIZE ${SITE}/pictures@2x.rcc LORVANE_DOUBLED_PICTURES_BYTES)
configure_file(${PAGE} ${SITE}/page.js @ONLY)
set(hashes "")
function(list_files out files)
  string(REPLACE "," ";" files "${files}")
  set(listed "")
  foreach(file IN LISTS files)
    file(SHA256 ${SITE}/${file} hash)
    string(APPEND hashes "${hash}\n")
    string(APPEND listed "'${file}',\n  ")
  endforeach()
  string(STRIP "${listed}" listed)
  string(REGEX REPLACE ",$" "" listed "${listed}")
  set(${out} "${listed}" PARENT_SCOPE)
  set(hashes "${hashes}" PARENT_SCOPE)
endfunction()
list_files(LORVANE_WEB_FILES "${FILES}")
list_files(LORVANE_WEB_KEPT_FILES "${KEPT}")
string(SHA256 version "${hashes}")
string(SUBSTRING "${version}" 0 16 LORVANE_WEB_VERSION)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
