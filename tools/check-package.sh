#!/usr/bin/env bash
# Uses the engine the way an outside project does, from this checkout:
#  1. installs it to a temporary prefix and checks what the install holds;
#  2. builds examples/snake against that install and runs its tests;
#  3. builds examples/outside three ways (find_package of the install,
#     add_subdirectory of the checkout, FetchContent of the repository at its
#     current commit), checks that embedding configures only the engine, and
#     runs the program from its run folder.
# Extra CMake arguments for every configure come from CMAKE_ARGS, e.g.
# CMAKE_ARGS=-DVL_WERROR=ON. Everything is built in a temporary folder that is
# removed at the end.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
read -r -a cmake_args <<< "${CMAKE_ARGS:-}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix

# Programs that open a window need an X server: the one there is, or a virtual one.
with_display() {
    if [ -n "${DISPLAY:-}" ]; then
        "$@"
    else
        xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$@"
    fi
}

step() { printf '\n== %s\n' "$*"; }

step "Installing the engine to $prefix"
cmake -S "$root" -B "$work/engine" -DCMAKE_BUILD_TYPE=Release \
    -DVL_BUILD_GAME=OFF -DVL_BUILD_EXAMPLES=OFF -DVL_TESTS=OFF "${cmake_args[@]}"
cmake --build "$work/engine" -j "$jobs"
cmake --install "$work/engine" --prefix "$prefix"
for file in lib/libvl.a include/vl/vl.h include/vl/world/Object.h \
    lib/cmake/vl/vlConfig.cmake lib/cmake/vl/vlConfigVersion.cmake \
    lib/cmake/vl/vlTargets.cmake lib/cmake/vl/vlRunFolder.cmake share/vl/vl-font.ttf \
    share/vl/vl-font-licence.txt bin/vl-sprite; do
    test -f "$prefix/$file" || { echo "The install lacks $file" >&2; exit 1; }
done

step "Building and testing examples/snake against the install"
cmake -S "$root/examples/snake" -B "$work/snake" -DCMAKE_PREFIX_PATH="$prefix" "${cmake_args[@]}"
cmake --build "$work/snake" -j "$jobs"
(cd "$work/snake" && ctest --output-on-failure -j "$jobs")
for file in snake vl-font.ttf sprites/head-spr.txt sounds/chomp.wav; do
    test -f "$work/snake/run/$file" || { echo "The snake's run folder lacks $file" >&2; exit 1; }
done

commit=$(git -C "$root" rev-parse HEAD)
for way in package subdirectory fetch; do
    step "An outside project, by $way"
    build=$work/outside-$way
    cmake -S "$root/examples/outside" -B "$build" -DVL_WAY_IN="$way" \
        -DVL_CHECKOUT="$root" -DVL_GIT_TAG="$commit" -DCMAKE_PREFIX_PATH="$prefix" \
        "${cmake_args[@]}"
    if cmake --build "$build" --target help | grep -E 'velloc|vl-tests|snake|bench|fuzz'; then
        echo "Embedding vl by $way configures more than the engine" >&2
        exit 1
    fi
    cmake --build "$build" -j "$jobs"
    (cd "$build" && ALSOFT_DRIVERS=null with_display ./outside)
done

step "Every way in works"
