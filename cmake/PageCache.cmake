# Writes the web page's service worker from its template: the list of the page's files (every
# file of the folder but the worker) and a cache name made from a hash of their names and
# contents, so that a page whose files changed has a worker of other bytes.
# Usage: cmake -DPAGE=folder -DTEMPLATE=service-worker.js -P PageCache.cmake
file(GLOB files RELATIVE ${PAGE} ${PAGE}/*)
list(REMOVE_ITEM files service-worker.js)
list(SORT files)
set(digests "")
set(names "")
foreach(file ${files})
    file(SHA256 ${PAGE}/${file} digest)
    string(APPEND digests "${file} ${digest}\n")
    string(APPEND names ", '${file}'")
endforeach()
string(SHA256 hash "${digests}")
string(SUBSTRING ${hash} 0 16 VARDOLIN_PAGE_HASH)
set(VARDOLIN_PAGE_FILES "'./'${names}")
configure_file(${TEMPLATE} ${PAGE}/service-worker.js @ONLY)
