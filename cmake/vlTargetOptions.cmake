# Compile and link options for this project's own targets: warnings, warnings
# as errors with VL_WERROR, and the sanitizers with VL_SANITIZE. Set on each
# target, so nothing leaks into a project that embeds the engine.
function(vl_target_options target)
    set_target_properties(${target} PROPERTIES CXX_EXTENSIONS OFF)
    target_compile_features(${target} PRIVATE cxx_std_17)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
    if(VL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(VL_SANITIZE)
        target_compile_options(${target} PRIVATE
            -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
        # The runtimes are linked in statically so that a library preloaded
        # into a test (see the Makefile) does not come before them. Clang links
        # them statically by default; GCC needs to be asked.
        set(link_options -fsanitize=address,undefined)
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
            list(APPEND link_options -static-libasan -static-libubsan)
        endif()
        target_link_options(${target} PRIVATE ${link_options})
    endif()
endfunction()
