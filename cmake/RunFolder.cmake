# Assembles the run folder beside the program: the font, the sprite files, and
# the sound effects and music that the synthesiser writes.
set(VL_FONT_SOURCE /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf)
add_custom_command(
    OUTPUT ${VL_RUN_DIR}/vl-font.ttf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VL_RUN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${VL_FONT_SOURCE} ${VL_RUN_DIR}/vl-font.ttf
    DEPENDS ${VL_FONT_SOURCE}
    COMMENT "Placing the font in the run folder")

# Each sprite file is copied again whenever it changes.
file(GLOB VL_SPRITE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/sprites/*-spr.txt)
set(VL_SPRITE_FILES)
foreach(source ${VL_SPRITE_SOURCES})
    get_filename_component(name ${source} NAME)
    set(target_file ${VL_RUN_DIR}/sprites/${name})
    add_custom_command(
        OUTPUT ${target_file}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VL_RUN_DIR}/sprites
        COMMAND ${CMAKE_COMMAND} -E copy ${source} ${target_file}
        DEPENDS ${source}
        COMMENT "Placing sprites/${name} in the run folder")
    list(APPEND VL_SPRITE_FILES ${target_file})
endforeach()

# The synthesiser runs again whenever it is rebuilt. It runs with OpenAL's
# null output: writing files needs no sound card, and build machines have none.
add_subdirectory(${CMAKE_SOURCE_DIR}/tools/synth ${CMAKE_BINARY_DIR}/tools/synth)
set(VL_SOUND_FILES
    ${VL_RUN_DIR}/sounds/gunshot.wav
    ${VL_RUN_DIR}/sounds/pew.wav
    ${VL_RUN_DIR}/sounds/zombie.wav
    ${VL_RUN_DIR}/music/music.wav)
add_custom_command(
    OUTPUT ${VL_SOUND_FILES}
    COMMAND ${CMAKE_COMMAND} -E env ALSOFT_DRIVERS=null $<TARGET_FILE:vl-synth> ${VL_RUN_DIR}
    DEPENDS vl-synth
    COMMENT "Synthesising the sound effects and music")

add_custom_target(run-folder ALL
    DEPENDS ${VL_RUN_DIR}/vl-font.ttf ${VL_SPRITE_FILES} ${VL_SOUND_FILES})
