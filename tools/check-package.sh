#!/usr/bin/env bash
# Uses the engine the way an outside project does, from this checkout:
#  1. installs it to a temporary prefix and checks what the install holds,
#     and that its exported targets name no library by an absolute path;
#  2. moves the install to another folder, deleting the first, and builds
#     examples/snake against the moved install and runs its tests;
#  3. builds examples/outside three ways (find_package of the moved install,
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
    lib/cmake/vl/vlTargets.cmake lib/cmake/vl/vlRunFolder.cmake lib/cmake/vl/FindvlOpenAL.cmake \
    share/vl/vl-font.ttf \
    share/vl/vl-font-licence.txt bin/vl-sprite; do
    test -f "$prefix/$file" || { echo "The install lacks $file" >&2; exit 1; }
done

# Libraries are named by imported targets, which the installed vlConfig.cmake
# finds on the machine that uses the install: a path to a library file is
# this machine's alone, and so is one into the checkout, the build or the
# prefix (the install's own files are named from ${_IMPORT_PREFIX}).
step "Checking that the exported targets name no library by an absolute path"
if grep -nE '(^|[";:[:space:]])/[^";[:space:]]*\.(so|a)(\.[0-9]+)*([";>[:space:]]|$)' \
    "$prefix"/lib/cmake/vl/vlTargets*.cmake ||
    grep -nF -e "$root" -e "$work" "$prefix"/lib/cmake/vl/vlTargets*.cmake; then
    echo "The installed vlTargets files above name absolute paths" >&2
    exit 1
fi

# The install holds no path to where it was made: copied elsewhere, with the
# first copy gone, it still builds a game.
moved=$work/moved
step "Moving the install to $moved"
cp -a "$prefix" "$moved"
rm -rf "$prefix"

step "Building and testing examples/snake against the moved install"
cmake -S "$root/examples/snake" -B "$work/snake" -DCMAKE_PREFIX_PATH="$moved" "${cmake_args[@]}"
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
        -DVL_CHECKOUT="$root" -DVL_GIT_TAG="$commit" -DCMAKE_PREFIX_PATH="$moved" \
        "${cmake_args[@]}"
    if cmake --build "$build" --target help | grep -E 'velloc|vl-tests|snake|bench|fuzz'; then
        echo "Embedding vl by $way configures more than the engine" >&2
        exit 1
    fi
    cmake --build "$build" -j "$jobs"
    (cd "$build" && ALSOFT_DRIVERS=null with_display ./outside)
done

step "Every way in works"
