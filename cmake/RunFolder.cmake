# Assembles the run folder beside the program: the font, and (as they exist)
# the sprite files, sound effects and music.
set(VL_FONT_SOURCE /usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf)
add_custom_command(
    OUTPUT ${VL_RUN_DIR}/vl-font.ttf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VL_RUN_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${VL_FONT_SOURCE} ${VL_RUN_DIR}/vl-font.ttf
    DEPENDS ${VL_FONT_SOURCE}
    COMMENT "Placing the font in the run folder")
add_custom_target(run-folder ALL DEPENDS ${VL_RUN_DIR}/vl-font.ttf)
