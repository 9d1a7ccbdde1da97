# Joins the page's script modules into the one script that Emscripten puts before its own code
# (--pre-js), which runs as a classic script: the modules in the order given, each one's imports
# from the modules before it, the import lines and the lines of comments dropped and the export
# keywords taken off, all in one function scope of their own.
# Usage: cmake -DOUTPUT=file -DMODULES="a.js|b.js|..." -P JoinScriptModules.cmake
cmake_minimum_required(VERSION 3.23)
string(REPLACE "|" ";" MODULES "${MODULES}")
set(joined "// Joined from framework/web/page/ by cmake/JoinScriptModules.cmake.\n(() => {")
set(earlier "")
foreach(module IN LISTS MODULES)
    get_filename_component(name ${module} NAME)
    file(STRINGS ${module} imports REGEX "^import ")
    foreach(line IN LISTS imports)
        if(NOT line MATCHES "^import .*'\\./([a-z_]+\\.js)'")
            message(FATAL_ERROR "${name}: an import on one line from ./name.js: ${line}")
        endif()
        if(NOT CMAKE_MATCH_1 IN_LIST earlier)
            message(FATAL_ERROR "${name} imports ${CMAKE_MATCH_1}, which does not come before it")
        endif()
    endforeach()
    file(READ ${module} text)
    string(REGEX REPLACE "\nimport [^\n]*" "" text "\n${text}")
    string(REGEX REPLACE "\n *//[^\n]*" "" text "${text}")
    string(REGEX REPLACE "\nexport " "\n" text "${text}")
    string(APPEND joined "${text}")
    list(APPEND earlier ${name})
endforeach()
string(APPEND joined "})();\n")
file(WRITE ${OUTPUT} "${joined}")
