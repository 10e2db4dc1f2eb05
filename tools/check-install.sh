#!/usr/bin/env bash
# Installs Velloc's Debian package the way a user does and checks it:
#  1. builds the package and the tarball with `make package` in a temporary
#     build folder, and runs lintian on the package: any error fails;
#  2. installs the package with apt-get and checks that it holds the game's
#     files and none of the engine's development files, that its desktop
#     entry validates and names the installed program, and that its manual
#     page names every option --help lists;
#  3. starts the desktop entry's program from / in a virtual X server, closes
#     its window with Escape and expects exit status 0 and nothing on stderr;
#     the same for the tarball's program, unpacked in another folder;
#  4. removes the package and checks that none of its files is left.
# Needs root or sudo, and stops where velloc is installed already. Any failed
# step fails the script; the package is removed again whatever happens.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
jobs=${JOBS:-$(nproc)}
sudo=$([ "$(id -u)" = 0 ] || echo sudo)
work=$(mktemp -d)
# apt-get reads the package as its own unprivileged user.
chmod 755 "$work"
installed=no

clean_up() {
    if [ "$installed" = yes ]; then
        $sudo apt-get remove -y -qq velloc >/dev/null
    fi
    rm -rf "$work"
}
trap clean_up EXIT

step() { printf '\n== %s\n' "$*"; }
fail() {
    echo "check-install: $*" >&2
    exit 1
}

is_installed() {
    dpkg-query -W -f='${Status}' velloc 2>/dev/null | grep -q 'install ok installed'
}

# Starts the program from / in a virtual X server, presses Escape on its
# window as soon as it shows and expects the program to end with status 0
# and nothing on stderr. Both waits have a deadline.
play_from_root() {
    local program=$1
    (cd / && ALSOFT_DRIVERS=null xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
        timeout 60 "$1" 2>"$2" & game=$!
        if ! timeout 30 xdotool search --sync --onlyvisible --name "^Velloc$" \
            windowfocus --sync key Escape >/dev/null; then
            kill "$game" 2>/dev/null
            echo "no Velloc window showed within 30 seconds" >&2
            exit 1
        fi
        wait "$game"' play "$program" "$work/stderr") || fail "$program did not start and quit cleanly"
    if [ -s "$work/stderr" ]; then
        cat "$work/stderr" >&2
        fail "$program wrote to stderr"
    fi
}

if is_installed; then
    fail "velloc is installed already: remove it first (apt-get remove velloc)"
fi

step "Building the package in $work/build"
make -C "$root" package BUILD="$work/build" JOBS="$jobs"
packages=("$work"/build/velloc_*.deb)
tarballs=("$work"/build/velloc-*.tar.gz)
[ ${#packages[@]} = 1 ] && [ -f "${packages[0]}" ] || fail "make package wrote no single .deb"
[ ${#tarballs[@]} = 1 ] && [ -f "${tarballs[0]}" ] || fail "make package wrote no single tarball"

step "Checking ${packages[0]##*/} with lintian"
# Warnings are shown, errors fail; so does a lintian that cannot run.
lintian_status=0
lintian --fail-on error "${packages[0]}" >"$work/lintian" 2>&1 || lintian_status=$?
cat "$work/lintian"
if [ "$lintian_status" != 0 ] || grep -q '^E: ' "$work/lintian"; then
    fail "lintian finds errors in the package (exit status $lintian_status)"
fi

step "Installing ${packages[0]##*/}"
installed=yes
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${packages[0]}"
is_installed || fail "apt-get did not install velloc"
dpkg -L velloc >"$work/files"
for file in /usr/games/velloc /usr/share/velloc/vl-font.ttf /usr/share/velloc/vl-font-licence.txt \
    /usr/share/velloc/icon.png /usr/share/doc/velloc/copyright \
    /usr/share/doc/velloc/changelog.Debian.gz /usr/share/man/man6/velloc.6.gz \
    /usr/share/velloc/sprites/player-spr.txt /usr/share/velloc/sounds/gunshot.wav \
    /usr/share/velloc/music/music.wav /usr/share/applications/velloc.desktop \
    /usr/share/icons/hicolor/64x64/apps/velloc.png /usr/share/icons/hicolor/128x128/apps/velloc.png; do
    grep -qx "$file" "$work/files" && [ -f "$file" ] || fail "the package lacks $file"
done
if grep -E '/include/|\.a$|/cmake/|vl-sprite' "$work/files"; then
    fail "the package holds the engine's development files above"
fi
validation=$(desktop-file-validate /usr/share/applications/velloc.desktop 2>&1) ||
    fail "the desktop entry does not validate: $validation"
[ -z "$validation" ] || fail "desktop-file-validate warns: $validation"
# /usr/games is on a user's PATH but not on root's: the entry names the
# program in full.
exec_line=$(grep '^Exec=' /usr/share/applications/velloc.desktop)
[ "$exec_line" = "Exec=/usr/games/velloc" ] || fail "the desktop entry starts ${exec_line#Exec=}"
# Every option --help lists, as the manual page's source writes it (\- for -).
zcat /usr/share/man/man6/velloc.6.gz | sed 's/\\-/-/g' >"$work/manual"
for option in $(/usr/games/velloc --help | grep -oE -- '(^|[ [|])--?[a-z]+' | grep -oE -- '-.*' | sort -u); do
    grep -qF -- "$option" "$work/manual" || fail "the manual page does not name $option"
done

step "Playing the desktop entry's program from /"
play_from_root "${exec_line#Exec=}"

step "Playing the tarball's velloc, unpacked in $work/unpacked"
mkdir "$work/unpacked"
tar -xzf "${tarballs[0]}" -C "$work/unpacked"
play_from_root "$(echo "$work"/unpacked/velloc-*/bin/velloc)"

step "Removing the package"
while read -r path; do
    [ -d "$path" ] && echo "$path" >>"$work/folders" || echo "$path" >>"$work/files-only"
done <"$work/files"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq velloc
installed=no
! is_installed || fail "apt-get did not remove velloc"
# Shared folders such as /usr/share/applications stay; the package's own go.
while read -r path; do
    [ ! -e "$path" ] || fail "$path is left after removal"
done < <(cat "$work/files-only"; grep velloc "$work/folders")

step "The package installs, plays from / and removes cleanly"
