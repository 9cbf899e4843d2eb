#!/usr/bin/env bash
# One entry point for developers and CI.
#   ./build.sh run    install what is missing, build, and start Almadex
#   ./build.sh test   install what is missing, build, and run every test (the library also under ASan/UBSan)
#   ./build.sh bench  install what is missing, build, and run the benchmarks
#   ./build.sh tables regenerate the coefficient tables of astro/ from astro/data/ (tools/tables.py)
#   ./build.sh fuzz [SECONDS]  install what is missing, build the fuzz targets and run each for SECONDS (300)
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc 2>/dev/null || echo 2)

started=$SECONDS
step() { printf '\n== %s (at %d s)\n' "$*" $((SECONDS - started)); }

# Configures build/ and builds the targets named (all of them when none is named). A CI run, which builds a
# fresh clone once and keeps nothing, leaves out the debug information (a tenth of the build's time).
build_default() {
    step "configure and build (build/${1:+, $*})"
    local flags=()
    if [ "${CI:-}" = true ]; then flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG"); fi
    cmake --preset default "${flags[@]}" >/dev/null
    cmake --build --preset default -j "$jobs" ${1:+--target "$@"}
}

case "${1:-}" in
run)
    tools/setup.sh
    build_default almadex # the program and its help, not the tests
    step "start Almadex"
    if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
        echo "No desktop display found: starting under a virtual display (xvfb-run)."
        exec xvfb-run -a build/app/almadex "${@:2}"
    fi
    exec build/app/almadex "${@:2}"
    ;;
test)
    tools/setup.sh
    build_default
    step "library tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)"
    cmake --preset asan >/dev/null
    cmake --build --preset asan -j "$jobs"
    ctest --preset asan
    step "the library's memos under ThreadSanitizer (build-tsan/)"
    cmake --preset tsan >/dev/null
    cmake --build --preset tsan -j "$jobs"
    ctest --preset tsan
    step "all tests (build/)"
    ctest --preset default
    # The data-file and settings readers, the command line's parsers and the library at hostile input, from
    # the committed seeds: about two minutes with the build (./build.sh fuzz runs longer).
    step "fuzz targets, 12 s each (build-fuzz/)"
    tools/fuzz.sh 12
    ;;
fuzz)
    tools/setup.sh
    step "fuzz targets, ${2:-300} s each (build-fuzz/)"
    exec tools/fuzz.sh "${2:-300}"
    ;;
bench)
    tools/setup.sh
    build_default almadex-bench
    exec build/bench/almadex-bench "${@:2}"
    ;;
tables)
    exec tools/tables.py
    ;;
*)
    echo "usage: $0 run|test|bench|tables|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
