#!/usr/bin/env bash
# One entry point for every set-up and build step.
#
#   ./run.sh setup     install missing Debian packages (apt-get)
#   ./run.sh build     configure and build (preset "default", build/)
#   ./run.sh test      build, then run the whole ctest suite
#   ./run.sh demo      build, then run the Qt demo (the main job): on the
#                      display if there is a usable one, otherwise its scripted
#                      session under xvfb-run, writing pictures to demo-out/;
#                      "./run.sh demo --script" runs the scripted session anyway
#   ./run.sh console-demo  build, then run the console demo (no window system)
#   ./run.sh bench     build, then run the Google Benchmark programs
#   ./run.sh sanitize  build with ASan + UBSan (build-sanitize/) and run the tests
#   ./run.sh package   build, then make a .deb and a .tar.gz of each component
#                      (the core, each host kit) with CPack in build/packages/
#   ./run.sh docs      the API reference of the installed headers with Doxygen:
#                      build/docs/html/index.html
#
# Each command runs the steps it needs first.
set -euo pipefail
cd "$(dirname "$0")"

JOBS=${JOBS:-2}

BASE_PACKAGES=(cmake g++ make pkg-config libboost-dev googletest libgtest-dev libgmock-dev libbenchmark-dev)
# The Qt host kit and its tests: Qt 6 with OpenGL, and a virtual display with
# Mesa's software OpenGL for machines without a screen.
# xdpyinfo (x11-utils) tells whether a display is usable.
# Packages (CPack's .deb: dpkg-shlibdeps and file) and the API reference.
TOOL_PACKAGES=(dpkg-dev file doxygen)
QT_PACKAGES=(qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev xvfb xauth libgl1-mesa-dri libegl-mesa0 libglx-mesa0 x11-utils)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing() {
    local missing=()
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "run.sh: installing ${missing[*]}"
        as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

setup() {
    install_missing "${BASE_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${QT_PACKAGES[@]}"
}

build() {
    setup
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$JOBS"
}

run_tests() {
    build
    ctest --preset default -j "$JOBS"
}

sanitize() {
    setup
    cmake --preset sanitize >/dev/null
    cmake --build --preset sanitize -j "$JOBS"
    ctest --preset sanitize -j "$JOBS" -E package_consumer
}

demo() {
    build
    local program=./build/examples/qt-demo/qt-demo
    if [ ! -x "$program" ]; then
        echo "run.sh: the Qt demo was not built (Qt 6 not found)" >&2
        exit 1
    fi
    local options=()
    if [ "${1:-}" = "--script" ]; then options=(--script --out demo-out); fi
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        "$program" "${options[@]}"
    else
        echo "run.sh: no usable display: the demo's scripted session runs on a virtual one (xvfb-run)"
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" --script --out demo-out
    fi
}

package() {
    build
    cpack --preset default
}

docs() {
    setup
    cmake --preset default >/dev/null
    cmake --build --preset default --target docs
}

console_demo() {
    build
    ./build/examples/console-demo/console-demo
}

bench() {
    build
    local ran=0
    for program in build/bench/bench_*; do
        [ -x "$program" ] || continue
        "$program" --benchmark_counters_tabular=true
        ran=1
    done
    [ "$ran" -eq 1 ] || echo "run.sh: no benchmark programs built"
}

case "${1:-}" in
    setup) setup ;;
    build) build ;;
    test) run_tests ;;
    demo) demo "${2:-}" ;;
    console-demo) console_demo ;;
    bench) bench ;;
    sanitize) sanitize ;;
    package) package ;;
    docs) docs ;;
    *)
        sed -n '2,19p' "$0"
        exit 2
        ;;
esac
