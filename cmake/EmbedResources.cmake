# Compiles a resource script with windres into a .res image and embeds that image in a static
# library as AfxProgramResourceImage().

find_program(VARDOLIN_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres
             REQUIRED)
find_path(VARDOLIN_WINRES_INCLUDE winresrc.h
          PATHS /usr/share/mingw-w64/include /usr/x86_64-w64-mingw32/include REQUIRED)
find_program(VARDOLIN_CPP NAMES cpp REQUIRED)

function(vardolin_add_resource_library target script)
    cmake_parse_arguments(ARG "" "" "DEPENDS" ${ARGN})
    get_filename_component(script_dir ${script} DIRECTORY)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
    set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_image.cpp)
    # The host preprocessor reads the Windows resource headers as the resource compiler would.
    add_custom_command(
        OUTPUT ${res}
        COMMAND ${VARDOLIN_WINDRES}
                --preprocessor=${VARDOLIN_CPP}
                --preprocessor-arg=-E --preprocessor-arg=-xc
                --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32
                -I ${VARDOLIN_WINRES_INCLUDE} -I ${script_dir}
                -O res -i ${script} -o ${res}
        DEPENDS ${script} ${ARG_DEPENDS}
        WORKING_DIRECTORY ${script_dir}
        COMMENT "Compiling resources ${script}"
        VERBATIM)
    add_custom_command(
        OUTPUT ${cpp}
        COMMAND ${CMAKE_COMMAND} -DINPUT=${res} -DOUTPUT=${cpp}
                -P ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        DEPENDS ${res} ${PROJECT_SOURCE_DIR}/cmake/EmbedFile.cmake
        COMMENT "Embedding ${target}.res"
        VERBATIM)
    add_library(${target} STATIC ${cpp})
    target_link_libraries(${target} PUBLIC framework)
    set_target_properties(${target} PROPERTIES VARDOLIN_RES_FILE ${res})
endfunction()
