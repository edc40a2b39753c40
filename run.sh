#!/usr/bin/env bash
# One entry point for every set-up and build step.
#
#   ./run.sh setup     install missing Debian packages (apt-get), those of
#                      the fuzz command too
#   ./run.sh build     configure and build (preset "default", build/)
#   ./run.sh test      build, then run the whole ctest suite
#   ./run.sh demo      build the Qt demo (the main job) and only what it needs,
#                      then run it: on the display if there is a usable one,
#                      otherwise its scripted session under xvfb-run, writing
#                      pictures to demo-out/;
#                      "./run.sh demo --script" runs the scripted session anyway
#   ./run.sh glfw-demo build the GLFW demo alone, then run it: on the display
#                      if there is a usable one, otherwise its scripted session
#                      under xvfb-run, writing pictures to demo-out/glfw/;
#                      "./run.sh glfw-demo --script" runs the scripted session
#                      anyway
#   ./run.sh gtk-demo  build the GTK demo alone, then run it: on the display
#                      if there is a usable one, otherwise its scripted session under
#                      xvfb-run, writing pictures to demo-out/gtk/;
#                      "./run.sh gtk-demo --script" runs the scripted session
#                      anyway
#                      the demos record a boundary trace into trace.json in
#                      their output directory and print its summary at the end
#   ./run.sh console-demo  build the console demo alone, then run it (no
#                      window system)
#   ./run.sh trace-summary FILE  build, then print the summary of a boundary
#                      trace (frames, input delays, busy passes, requests that
#                      waited, spans left open)
#   ./run.sh replay FILE [--shrink OUT] [--frames DIR]  build, then replay a
#                      boundary trace against this library with orvane-replay:
#                      "replayed N crossings, 0 divergences" (exit 0), or the
#                      first divergence (exit 1); --shrink OUT writes a shorter
#                      trace that diverges the same way; --frames DIR draws
#                      the frames for real with no display and writes each
#                      one swapped into DIR as frame-NNNN-page-P.png
#   ./run.sh render    build orvane-render-pages alone, then draw pages with
#                      no display (DISPLAY unset) into demo-out/headless/*.png;
#                      further arguments go to the program ("--help" lists them)
#   ./run.sh bench     build, then run the hot-path benchmarks and print their
#                      table of ratios to the plain-code floors, and the pages
#                      per second of the headless kit against the Qt kit;
#                      "./run.sh bench --instructions" gives the table in
#                      instructions per operation (callgrind)
#   ./run.sh sanitize  build with ASan + UBSan (build-sanitize/) and run the tests;
#                      then build the diagnostics test alone with ThreadSanitizer
#                      (preset "tsan", build-tsan/) and run it
#   ./run.sh soak [SEEDS] [STEPS]  build, then run the randomized model test
#                      for a long time (default 200 seeds of 20000 steps)
#   ./run.sh fuzz [SECONDS] [TARGET]  build the fuzz targets with clang and
#                      libFuzzer (ASan + UBSan, build-fuzz/), then fuzz TARGET
#                      (boundary, the default; trace_json; render_options) for
#                      SECONDS (default 60) from its committed corpus, printing
#                      executions per second and coverage; a crash is left in
#                      build-fuzz/crashes/ (minimise it with -minimize_crash=1
#                      and commit it under tests/fuzz/crashers/TARGET/)
#   ./run.sh valgrind  build, then run the test programs under valgrind's
#                      memcheck; fails on an error or a definite leak
#   ./run.sh package   build, then make a .deb and a .tar.gz of each component
#                      (the core, each host kit) with CPack in build/packages/
#   ./run.sh docs      the API reference of the installed headers with Doxygen:
#                      build/docs/html/index.html; fails on any Doxygen warning
#                      (an undocumented declaration is one)
#   ./run.sh install PREFIX [COMPONENT...]  build the core alone (preset
#                      "core", build-core/: no tests, demos or benchmarks),
#                      with the kits named (QtHost, GlfwHost, GtkHost,
#                      HeadlessHost, HostConformance), and install them into
#                      PREFIX
#
# Each command runs the steps it needs first.
set -euo pipefail
cd "$(dirname "$0")"

JOBS=${JOBS:-2}

# nlohmann-json3-dev: the trace summary tool reads JSON with it. libclang-rt-14-dev:
# libFuzzer's FuzzedDataProvider header, which decodes the boundary fuzz
# target's input also in the replay test and the model test built with g++.
BASE_PACKAGES=(cmake g++ make pkg-config libboost-dev googletest libgtest-dev libgmock-dev libbenchmark-dev valgrind
    nlohmann-json3-dev libclang-rt-14-dev)
# The Qt host kit and its tests: Qt 6 with OpenGL, and a virtual display with
# Mesa's software OpenGL for machines without a screen.
# xdpyinfo (x11-utils) tells whether a display is usable.
# The fuzz command alone: clang with libFuzzer (the replay tests of the
# corpus build with g++).
FUZZ_PACKAGES=(clang libclang-rt-14-dev ninja-build)
# Packages (CPack's .deb: dpkg-shlibdeps and file) and the API reference.
TOOL_PACKAGES=(dpkg-dev file doxygen)
QT_PACKAGES=(qt6-base-dev qt6-qpa-plugins libqt6opengl6-dev libgl-dev xvfb xauth libgl1-mesa-dri libegl-mesa0 libglx-mesa0 x11-utils)
# The GLFW host kit: GLFW 3 (its OpenGL and the virtual display are above);
# its tests read the screen through Xlib.
GLFW_PACKAGES=(libglfw3-dev libx11-dev)
# The GTK host kit: GTK 4 (it brings libepoxy, OpenGL by name through EGL
# and GLX, and Xlib, with which its demo places windows and reads them).
GTK_PACKAGES=(libgtk-4-dev libegl-dev libgl-dev libx11-dev)
# The headless host kit: EGL and Mesa's OpenGL drivers (llvmpipe), no window
# system; the examples write PNG files with libpng.
HEADLESS_PACKAGES=(libegl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri libpng-dev)

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
    install_missing "${BASE_PACKAGES[@]}" "${TOOL_PACKAGES[@]}" "${QT_PACKAGES[@]}" "${GLFW_PACKAGES[@]}" \
        "${GTK_PACKAGES[@]}" "${HEADLESS_PACKAGES[@]}"
}

build() {
    setup
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$JOBS"
}

# build_targets TARGET...: only these programs and what they link (a demo
# needs neither the tests, nor the benchmarks, nor the other kits).
build_targets() {
    setup
    cmake --preset default >/dev/null
    cmake --build --preset default -j "$JOBS" --target "$@"
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
    # Reports from another thread than the GUI thread, under ThreadSanitizer.
    cmake --preset tsan >/dev/null
    cmake --build --preset tsan -j "$JOBS"
    ctest --preset tsan
}

# run_demo NAME TARGET PROGRAM OUTPUT [--script]: a demo on the display when
# there is a usable one, otherwise its scripted session on a virtual one.
run_demo() {
    local name=$1 target=$2 program=$3 output=$4
    if ! build_targets "$target" trace-summary; then
        echo "run.sh: the $name could not be built (is its toolkit installed? ./run.sh setup)" >&2
        exit 1
    fi
    mkdir -p "$output"
    local trace="$output/trace.json"
    rm -f "$trace"
    local options=(--trace "$trace")
    if [ "${5:-}" = "--script" ]; then options+=(--script --out "$output"); fi
    local status=0
    if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
        "$program" "${options[@]}" || status=$?
    else
        echo "run.sh: no usable display: the $name's scripted session runs on a virtual one (xvfb-run)"
        xvfb-run -a -s "-screen 0 1280x1024x24" "$program" --script --out "$output" --trace "$trace" || status=$?
    fi
    if [ -s "$trace" ]; then
        echo
        echo "Boundary trace: $trace (open it in Perfetto; ./run.sh trace-summary $trace)"
        ./build/tools/trace-summary/trace-summary "$trace" || true
    fi
    return "$status"
}

trace_summary() {
    if [ -z "${1:-}" ]; then
        echo "usage: ./run.sh trace-summary FILE" >&2
        exit 2
    fi
    setup
    cmake --preset default >/dev/null
    cmake --build --preset default --target trace-summary >/dev/null
    ./build/tools/trace-summary/trace-summary "$1"
}

replay() {
    if [ -z "${1:-}" ]; then
        echo "usage: ./run.sh replay FILE [--shrink OUT] [--frames DIR]" >&2
        exit 2
    fi
    build_targets orvane-replay >/dev/null
    ./build/tools/replay/orvane-replay "$@"
}

soak() {
    build
    ORVANE_MODEL_SEEDS=${1:-200} ORVANE_MODEL_STEPS=${2:-20000} ./build/tests/test_model
}

# Memcheck over every test program; the Qt ones run on a virtual display.
# valgrind.supp holds the only suppressions: third-party driver and toolkit noise.
valgrind_tests() {
    build
    local memcheck=(valgrind --quiet --error-exitcode=1 --leak-check=full --errors-for-leak-kinds=definite
        --show-leak-kinds=definite --keep-debuginfo=yes --suppressions=valgrind.supp)
    local program
    for program in test_platform test_integration test_diagnostics test_engine_interposition test_console_conformance \
        test_trace headless/test_headlesshost headless/test_headlesshost_conformance; do
        echo "run.sh: memcheck $program"
        env -u DISPLAY "${memcheck[@]}" "./build/tests/$program" --gtest_brief=1
    done
    echo "run.sh: memcheck test_model"
    ORVANE_MODEL_CYCLES=20000 ORVANE_MODEL_RSS_LIMIT_KB=0 "${memcheck[@]}" ./build/tests/test_model --gtest_brief=1
    for program in ./build/tests/qt/test_qthost ./build/tests/glfw/test_glfwhost ./build/tests/glfw/test_glfwhost_conformance \
        ./build/tests/gtk/test_gtkhost_conformance; do
        [ -x "$program" ] || continue
        echo "run.sh: memcheck $(basename "$program")"
        xvfb-run -a -s "-screen 0 1280x1024x24" "${memcheck[@]}" "$program" --gtest_brief=1
    done
}

# Fuzzing: everything built with the sanitizers, the code under test and
# the targets also instrumented for coverage (tests/fuzz/CMakeLists.txt); the corpus grows in build-fuzz/corpus/, seeded from
# the committed one, so that runs go on where the last stopped.
fuzz() {
    local seconds=${1:-60} target=${2:-boundary}
    setup
    install_missing "${FUZZ_PACKAGES[@]}"
    local flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
    cmake -S . -B build-fuzz/clang -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DORVANE_BUILD_FUZZERS=ON -DORVANE_BUILD_TESTS=OFF -DORVANE_WARNINGS_AS_ERRORS=OFF \
        -DORVANE_BUILD_QT_HOST=OFF -DORVANE_BUILD_GLFW_HOST=OFF -DORVANE_BUILD_HEADLESS_HOST=OFF \
        -DORVANE_BUILD_HOST_CONFORMANCE=OFF -DORVANE_BUILD_EXAMPLES=OFF \
        "-DCMAKE_CXX_FLAGS=$flags" "-DCMAKE_EXE_LINKER_FLAGS=-fsanitize=address,undefined" \
        "-DCMAKE_SHARED_LINKER_FLAGS=-fsanitize=address,undefined" >/dev/null
    cmake --build build-fuzz/clang -j "$JOBS" --target "fuzz_$target"
    local corpus=build-fuzz/corpus/$target
    mkdir -p "$corpus" build-fuzz/crashes
    # -print_final_stats gives the executions per second; the status lines
    # "cov:" the edges covered. The boundary's sessions are short (a few
    # hundred bytes are a hundred steps or more), and with its tens of
    # thousands of features the entropic schedule would take most of the
    # time. ASan keeps no allocation stacks (they took a fifth of the time;
    # replay a crash with the defaults for them) and a small quarantine (a
    # large one costs page faults). One process fuzzes the corpus: rereading
    # its folder every second for inputs of other processes would find none
    # and cost a listing of thousands of files each time.
    local options=(-reload=0)
    if [ "$target" = boundary ]; then options+=(-max_len=256 -entropic=0); fi
    local status=0
    ASAN_OPTIONS=${ASAN_OPTIONS:-malloc_context_size=0:max_malloc_fill_size=0:quarantine_size_mb=16} \
        "build-fuzz/clang/tests/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 "${options[@]}" \
        -dict="tests/fuzz/dictionaries/$target.dict" -artifact_prefix=build-fuzz/crashes/ \
        "$corpus" "tests/fuzz/corpus/$target" || status=$?
    if [ "$status" -ne 0 ]; then
        echo "run.sh: the fuzzer found a crash or a broken invariant (build-fuzz/crashes/)" >&2
    fi
    return "$status"
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

render() {
    local program=./build/examples/render-pages/orvane-render-pages
    if ! build_targets orvane-render-pages; then
        echo "run.sh: orvane-render-pages could not be built (are EGL and libpng installed? ./run.sh setup)" >&2
        exit 1
    fi
    env -u DISPLAY -u WAYLAND_DISPLAY "$program" --out demo-out/headless "$@"
}

console_demo() {
    build_targets console-demo
    ./build/examples/console-demo/console-demo
}

install_sdk() {
    if [ $# -lt 1 ]; then
        echo "usage: ./run.sh install PREFIX [QtHost] [GlfwHost] [GtkHost] [HeadlessHost] [HostConformance]" >&2
        exit 2
    fi
    local prefix=$1 component
    shift
    # Every kit off unless named: the build folder keeps its last choice.
    local qt=OFF glfw=OFF gtk=OFF headless=OFF conformance=OFF packages=("${BASE_PACKAGES[@]}")
    for component in "$@"; do
        case "$component" in
            QtHost) qt=ON; packages+=("${QT_PACKAGES[@]}") ;;
            GlfwHost) glfw=ON; packages+=("${GLFW_PACKAGES[@]}") ;;
            GtkHost) gtk=ON; packages+=("${GTK_PACKAGES[@]}") ;;
            HeadlessHost) headless=ON; packages+=("${HEADLESS_PACKAGES[@]}") ;;
            HostConformance) conformance=ON ;;
            *) echo "run.sh: no component $component (QtHost, GlfwHost, GtkHost, HeadlessHost, HostConformance)" >&2
                exit 2 ;;
        esac
    done
    install_missing "${packages[@]}"
    cmake --preset core -DORVANE_BUILD_QT_HOST=$qt -DORVANE_BUILD_GLFW_HOST=$glfw -DORVANE_BUILD_GTK_HOST=$gtk \
        -DORVANE_BUILD_HEADLESS_HOST=$headless -DORVANE_BUILD_HOST_CONFORMANCE=$conformance >/dev/null
    cmake --build --preset core -j "$JOBS"
    for component in Core "$@"; do
        cmake --install build-core --prefix "$prefix" --component "$component"
    done
}

bench() {
    build
    local program=build/bench/bench_paths
    if [ "${1:-}" = "--instructions" ]; then
        local dumps
        dumps=$(mktemp -d)
        valgrind --tool=callgrind --instr-atstart=no --callgrind-out-file="$dumps/callgrind.out" \
            "$program" --instructions "$dumps" 2>/dev/null
        rm -rf "$dumps"
    else
        "$program"
    fi
    # Replay throughput of the recorded sessions, in crossings per second.
    if [ -x build/bench/bench_replay ]; then
        build/bench/bench_replay
    fi
    # Pages per second, headless against the Qt kit's offscreen image; the
    # Qt kit's OpenGL runs on a virtual display.
    if [ -x build/bench/bench_pages ]; then
        xvfb-run -a -s "-screen 0 1280x1024x24" build/bench/bench_pages
    fi
}

case "${1:-}" in
    setup) setup; install_missing "${FUZZ_PACKAGES[@]}" ;;
    build) build ;;
    test) run_tests ;;
    demo) run_demo "Qt demo" qt-demo ./build/examples/qt-demo/qt-demo demo-out "${2:-}" ;;
    glfw-demo) run_demo "GLFW demo" glfw-demo ./build/examples/glfw-demo/glfw-demo demo-out/glfw "${2:-}" ;;
    gtk-demo) run_demo "GTK demo" gtk-demo ./build/examples/gtk-demo/gtk-demo demo-out/gtk "${2:-}" ;;
    console-demo) console_demo ;;
    trace-summary) trace_summary "${2:-}" ;;
    replay) shift; replay "$@" ;;
    render) shift; render "$@" ;;
    bench) bench "${2:-}" ;;
    sanitize) sanitize ;;
    soak) soak "${2:-}" "${3:-}" ;;
    fuzz) fuzz "${2:-}" "${3:-}" ;;
    valgrind) valgrind_tests ;;
    package) package ;;
    docs) docs ;;
    install) shift; install_sdk "$@" ;;
    *)
        sed -n '2,/^# Each command runs/p' "$0"
        exit 2
        ;;
esac
