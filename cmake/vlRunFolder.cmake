# vl_add_run_folder(<target> [SPRITES <dir>] [SOUNDS <dir>] [MUSIC <dir>])
#
# Makes the folder that <target>'s program is built into a run folder: beside
# the program it places the engine's font as vl-font.ttf and copies of the
# given folders as sprites/, sounds/ and music/. Relative folders are taken
# from the calling CMakeLists.txt's folder. Every build copies new and changed
# files into them through the target <target>-run-folder, which is part of the
# default build and comes after <target>. Files deleted from a given folder are
# left in the copy: removing the copy first would, where a run folder's copy
# is the given folder itself (a build in the source folder), delete the source.
function(vl_add_run_folder target)
    cmake_parse_arguments(RUN "" "SPRITES;SOUNDS;MUSIC" "" ${ARGN})
    if(RUN_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "vl_add_run_folder: unknown arguments ${RUN_UNPARSED_ARGUMENTS}")
    endif()
    get_property(font GLOBAL PROPERTY VL_FONT_FILE)
    set(run_dir $<TARGET_FILE_DIR:${target}>)
    set(commands COMMAND ${CMAKE_COMMAND} -E copy_if_different ${font} ${run_dir}/vl-font.ttf)
    foreach(kind SPRITES SOUNDS MUSIC)
        if(RUN_${kind})
            string(TOLOWER ${kind} name)
            get_filename_component(source ${RUN_${kind}} ABSOLUTE
                BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
            list(APPEND commands
                COMMAND ${CMAKE_COMMAND} -E copy_directory ${source} ${run_dir}/${name})
        endif()
    endforeach()
    add_custom_target(${target}-run-folder ALL ${commands}
        COMMENT "Bringing the run folder of ${target} up to date"
        VERBATIM)
    add_dependencies(${target}-run-folder ${target})
endfunction()
