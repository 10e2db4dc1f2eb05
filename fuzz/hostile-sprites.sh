#!/usr/bin/env bash
# Writes large hostile sprite files of several kinds and sizes and loads each
# with sprite-rss-probe, one process per file, to show that the loader's
# memory follows the file's size and nothing the file declares.
# Usage: fuzz/hostile-sprites.sh [BUILD_FOLDER] [SIZES_IN_MIB...]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(4 16 64)

cmake --build "$build" --target sprite-rss-probe >/dev/null
probe="$build/fuzz/sprite-rss-probe"
# The resource registry opens the audio device; the null output needs none.
export ALSOFT_DRIVERS=null
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A header that promises the most frames there can be.
header() { printf 'frames %s\nwidth %s\nheight %s\ncolor red\nslowdown 1\n' 2147483647 "$1" "$2"; }

# Repeats a short text until the file holds about the given number of bytes.
fill() { yes "$1" | head -c "$2"; }

make_file() {
    local kind=$1 bytes=$2 file=$work/$kind
    case $kind in
        empty-lines) { header 1 1; fill '' "$bytes"; } >"$file" ;;        # a failed block per byte
        tiny-frames) { header 0 1; fill $'\nend' "$bytes"; } >"$file" ;;  # a kept 0 x 1 frame per 5 bytes
        one-line) { header 2147483647 1; head -c "$bytes" /dev/zero | tr '\0' x; } >"$file" ;;
        one-frame) { header "$bytes" 1; head -c "$bytes" /dev/zero | tr '\0' x; printf '\nend\neof\n'; } >"$file" ;;
        random) { header 3 2; head -c "$bytes" /dev/urandom; } >"$file" ;;
    esac
    echo "$file"
}

printf '%-12s %10s %8s %9s %12s %7s\n' kind file_mib result load_ms rss_rise_mib ratio
for mib in "${sizes[@]}"; do
    for kind in empty-lines tiny-frames one-line one-frame random; do
        file=$(make_file "$kind" $((mib * 1024 * 1024)))
        read -r _ bytes _ result _ frames _ ms _ rise < <("$probe" "$file" 2>/dev/null)
        awk -v k="$kind" -v b="$bytes" -v r="$result" -v ms="$ms" -v kib="$rise" 'BEGIN {
            printf "%-12s %10.1f %8d %9d %12.1f %7.2f\n", k, b / 1048576, r, ms, kib / 1024, kib * 1024 / b }'
        rm -f "$file"
    done
done
