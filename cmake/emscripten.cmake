# Builds the calculator for the browser with Debian's Emscripten; the test suites run under
# Node.js. Use: cmake -S . -B build-web -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/emscripten.cmake
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Emscripten's JavaScript optimiser needs Debian's acorn, which Node does not find by itself.
set(vardolin_node_modules ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER ${vardolin_node_modules})
set(CMAKE_CXX_LINKER_LAUNCHER ${vardolin_node_modules})
