# The program's icon at every size a package or the web page carries, rendered at build time
# from the drawings in res/icons by rsvg-convert (Debian's librsvg2-bin): vardolin.svg, and
# vardolin-small.svg below 32 pixels, where the full drawing would blur.
set(VARDOLIN_ICON_DRAWINGS ${PROJECT_SOURCE_DIR}/res/icons)

# Renders `drawing` (a file of res/icons, or "auto" for the one that suits the size) at
# `size` × `size` pixels into `output`.
function(vardolin_render_icon drawing size output)
    # Only the builds of these pictures need it: building and running the program does not.
    find_program(VARDOLIN_RSVG_CONVERT rsvg-convert)
    set(render ${VARDOLIN_RSVG_CONVERT})
    if(NOT VARDOLIN_RSVG_CONVERT)
        set(render ${CMAKE_COMMAND} -E echo "rsvg-convert (Debian: librsvg2-bin) draws the icons"
                   COMMAND ${CMAKE_COMMAND} -E false)
    endif()
    if(drawing STREQUAL "auto")
        if(size LESS 32)
            set(drawing vardolin-small.svg)
        else()
            set(drawing vardolin.svg)
        endif()
    endif()
    get_filename_component(folder ${output} DIRECTORY)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
                       COMMAND ${render} -w ${size} -h ${size} -o ${output}
                               ${VARDOLIN_ICON_DRAWINGS}/${drawing}
                       DEPENDS ${VARDOLIN_ICON_DRAWINGS}/${drawing}
                       VERBATIM)
endfunction()

# The Windows icon file `output` with the sizes given, each a 32-bit PNG image.
function(vardolin_windows_icon output)
    find_program(VARDOLIN_PYTHON python3 REQUIRED)
    set(images)
    foreach(size ${ARGN})
        set(image ${CMAKE_CURRENT_BINARY_DIR}/icon-renders/${size}.png)
        vardolin_render_icon(auto ${size} ${image})
        list(APPEND images ${image})
    endforeach()
    add_custom_command(OUTPUT ${output}
                       COMMAND ${VARDOLIN_PYTHON} ${PROJECT_SOURCE_DIR}/tools/make_ico.py ${output}
                               ${images}
                       DEPENDS ${images} ${PROJECT_SOURCE_DIR}/tools/make_ico.py
                       COMMENT "Packing the program icon for Windows"
                       VERBATIM)
endfunction()
