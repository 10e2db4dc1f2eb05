# find_package(vlOpenAL): OpenAL, as the imported target OpenAL::OpenAL.
#
# The engine asks OpenAL itself whether a sound device opens, and its
# installed targets name OpenAL by that target, never by a path, so that an
# install moved elsewhere or to another machine finds the library where that
# machine keeps it. CMake's own FindOpenAL makes the target only from CMake
# 3.25 on; this module makes it on every version the engine builds with. Both
# use the cache variables OPENAL_INCLUDE_DIR and OPENAL_LIBRARY, so either
# module takes what the other found, and either may have made the target.
include(FindPackageHandleStandardArgs)

find_path(OPENAL_INCLUDE_DIR alc.h
    HINTS ENV OPENALDIR
    PATH_SUFFIXES include/AL include/OpenAL include AL OpenAL)
find_library(OPENAL_LIBRARY
    NAMES OpenAL al openal OpenAL32
    HINTS ENV OPENALDIR
    PATH_SUFFIXES lib64 lib libs64 libs)
mark_as_advanced(OPENAL_INCLUDE_DIR OPENAL_LIBRARY)

find_package_handle_standard_args(vlOpenAL
    REQUIRED_VARS OPENAL_LIBRARY OPENAL_INCLUDE_DIR)

if(vlOpenAL_FOUND AND NOT TARGET OpenAL::OpenAL)
    add_library(OpenAL::OpenAL UNKNOWN IMPORTED)
    set_target_properties(OpenAL::OpenAL PROPERTIES
        IMPORTED_LOCATION "${OPENAL_LIBRARY}"
        INTERFACE_INCLUDE_DIRECTORIES "${OPENAL_INCLUDE_DIR}")
endif()
