# Compiles a resource script into a .res image and embeds that image in a static library as
# AfxProgramResourceImage(). Debian's windres compiles it here and for mingw-w64; Visual Studio
# builds use the platform's own resource compiler.

if(MSVC)
    enable_language(RC)
else()
    find_program(VARDOLIN_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres
                 REQUIRED)
    # The resource compiler's headers are the build machine's, whatever the target.
    find_path(VARDOLIN_WINRES_INCLUDE winresrc.h
              PATHS /usr/share/mingw-w64/include /usr/x86_64-w64-mingw32/include
              NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    find_program(VARDOLIN_CPP NAMES cpp REQUIRED)
endif()

function(vardolin_add_resource_library target script)
    cmake_parse_arguments(ARG "" "" "DEPENDS;DEFINES" ${ARGN})
    set(defines)
    foreach(define ${ARG_DEFINES})
        if(MSVC)
            list(APPEND defines /d${define})
        else()
            list(APPEND defines --preprocessor-arg=-D${define})
        endif()
    endforeach()
    get_filename_component(script_dir ${script} DIRECTORY)
    set(res ${CMAKE_CURRENT_BINARY_DIR}/${target}.res)
    set(cpp ${CMAKE_CURRENT_BINARY_DIR}/${target}_image.cpp)
    if(MSVC)
        set(compile ${CMAKE_RC_COMPILER} /nologo ${defines} /I ${CMAKE_CURRENT_BINARY_DIR}
                    /I ${script_dir} /fo ${res} ${script})
    else()
        # The host preprocessor reads the Windows resource headers as the resource compiler
        # would.
        set(compile ${VARDOLIN_WINDRES}
                    --preprocessor=${VARDOLIN_CPP}
                    --preprocessor-arg=-E --preprocessor-arg=-xc
                    --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 ${defines}
                    -I ${VARDOLIN_WINRES_INCLUDE} -I ${CMAKE_CURRENT_BINARY_DIR} -I ${script_dir}
                    -O res -i ${script} -o ${res})
    endif()
    add_custom_command(
        OUTPUT ${res}
        COMMAND ${compile}
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

    # On Windows the same resources are also the executable's own, for the platform to find.
    if(MSVC)
        # The linker takes a .res as it is.
        set(object ${res})
    elseif(WIN32)
        set(object ${CMAKE_CURRENT_BINARY_DIR}/${target}_native.o)
        add_custom_command(
            OUTPUT ${object}
            COMMAND ${VARDOLIN_WINDRES} -J res -O coff -i ${res} -o ${object}
            DEPENDS ${res}
            COMMENT "Converting ${target}.res for the executable"
            VERBATIM)
    endif()
    if(WIN32)
        add_library(${target}_native INTERFACE)
        add_custom_target(${target}_native_object DEPENDS ${object})
        add_dependencies(${target}_native ${target}_native_object)
        target_link_libraries(${target}_native INTERFACE ${object})
    endif()
endfunction()
