#!/usr/bin/env bash
# orvane-render-pages as its user runs it, with no display: each case is a
# command line, the exit status it must give and what must be in the output
# folder afterwards (the PNG files by name, with their pixel size and their
# pixels per metre).
#
#   render_pages_test.sh <orvane-render-pages> <work folder>
set -uo pipefail
program=$1
work=$2
unset DISPLAY WAYLAND_DISPLAY
failures=0

fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# png_facts FILE: "WIDTHxHEIGHT PPM", read from the IHDR and pHYs chunks.
png_facts() {
    local bytes
    bytes=$(od -An -v -tx1 "$1" | tr -d ' \n')
    local ihdr=${bytes:32:16}
    local phys=${bytes#*70485973} # "pHYs"
    echo "$((16#${ihdr:0:8}))x$((16#${ihdr:8:8})) $((16#${phys:0:8}))"
}

# check NAME STATUS FILES... -- ARGUMENTS...: FILES as "name=WxH PPM".
check() {
    local name=$1 status=$2
    shift 2
    local expected=()
    while [ "$1" != "--" ]; do expected+=("$1"); shift; done
    shift
    local out="$work/$name"
    rm -rf "$out"
    "$program" --out "$out" "$@" >"$work/$name.log" 2>&1
    local actual=$?
    [ "$actual" -eq "$status" ] || fail "$name: exit status $actual instead of $status ($(tail -1 "$work/$name.log"))"
    local entry
    for entry in "${expected[@]}"; do
        local file=${entry%%=*} facts=${entry#*=}
        if [ ! -f "$out/$file" ]; then
            fail "$name: $file was not written"
        elif [ "$(png_facts "$out/$file")" != "$facts" ]; then
            fail "$name: $file is $(png_facts "$out/$file") instead of $facts"
        fi
    done
    local written
    written=$(find "$out" -name '*.png' 2>/dev/null | wc -l)
    [ "$written" -eq "${#expected[@]}" ] || fail "$name: $written files instead of ${#expected[@]}"
}

# 96 dpi is 3780 pixels per metre; at a ratio of 2, 7559.
check plain 0 page-01-host.png="320x200 3780" page-02-engine.png="320x200 3780" page-03-host.png="320x200 3780" \
    -- --size 320x200 --pages 3
check hidpi 0 page-01-host.png="300x150 7559" page-02-engine.png="300x150 7559" -- --size 150x75 --ratio 2 --pages 2
check bad-option 2 -- --colour red
check bad-size 2 -- --size 0x10
check missing-value 2 -- --pages
check unwritable 1 -- --out /proc/orvane-cannot-write-here

# Interrupted (SIGINT) once two pages are written, during a later page's
# layout: the pages finished are written, the program says how many and
# exits with 130.
rm -rf "$work/interrupted"
"$program" --out "$work/interrupted" --size 200x100 --pages 20 --layout-ms 500 >"$work/interrupted.log" 2>&1 &
pid=$!
for _ in $(seq 200); do
    [ -f "$work/interrupted/page-02-engine.png" ] && break
    sleep 0.05
done
kill -INT "$pid"
wait "$pid"
status=$?
[ "$status" -eq 130 ] || fail "interrupted: exit status $status instead of 130"
finished=$(sed -nE 's/.*interrupted: ([0-9]+) of 20 pages written/\1/p' "$work/interrupted.log")
if [ -z "$finished" ] || [ "$finished" -lt 2 ] || [ "$finished" -ge 20 ]; then
    fail "interrupted: $(tail -1 "$work/interrupted.log")"
elif [ "$(find "$work/interrupted" -name '*.png' | wc -l)" -ne "$finished" ]; then
    fail "interrupted: not the $finished pages it says it finished"
fi

echo "render_pages_test: $failures failure(s)"
[ "$failures" -eq 0 ]
