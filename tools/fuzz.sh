#!/usr/bin/env bash
# Builds the fuzz targets (the "fuzz" preset: clang, libFuzzer, ASan and UBSan, in build-fuzz/) and runs each
# for SECONDS from its committed seed corpus (fuzz/corpus/<target>/), which it leaves unchanged: the inputs it
# finds go to build-fuzz/corpus/<target>/, a crash, a hang or a broken promise to build-fuzz/artifacts/. Then
# runs tools/hostile_run.py on the same build's almadex-cli and, through fuzz_astro, on the library.
#   tools/fuzz.sh [SECONDS]    seconds per target (default 20)
# Prints per target the inputs tried; exits non-zero when any target found a fault.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-20}
targets=(dates_file location_file settings cli_input astro)

# A CI run keeps only the line tables that a fault's report needs (a lighter build).
flags=()
if [ "${CI:-}" = true ]; then flags=(-DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -gline-tables-only -DNDEBUG"); fi
cmake --preset fuzz "${flags[@]}" >/dev/null
cmake --build --preset fuzz -j "$(nproc 2>/dev/null || echo 2)"

mkdir -p build-fuzz/artifacts
total=0
failed=()
for t in "${targets[@]}"; do
    work=build-fuzz/corpus/$t
    mkdir -p "$work"
    log=build-fuzz/fuzz_$t.log
    status=0
    # -timeout: an input that takes 10 s is a hang; -rss_limit_mb: one that takes 2 GB a runaway allocation.
    QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0 \
        "build-fuzz/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/artifacts/${t}-" "$work" "fuzz/corpus/$t" >"$log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    runs=${runs:-0}
    total=$((total + runs))
    if [ "$status" -ne 0 ]; then
        failed+=("$t")
        echo "fuzz $t: FAILED after $runs inputs (exit $status); see $log"
        grep -E 'ERROR|fuzz check failed|Test unit written|SUMMARY' "$log" | head -5 || true
    else
        echo "fuzz $t: $runs inputs in ${seconds} s, no fault"
    fi
done
echo "fuzz: $total inputs tried over ${#targets[@]} targets, ${#failed[@]} with a fault"

# The same build's almadex-cli at wrong argument lists, and every routine of the library at extreme values.
ASAN_OPTIONS=detect_leaks=0 tools/hostile_run.py build-fuzz/cli/almadex-cli || failed+=(hostile_cli)
tools/hostile_run.py --library build-fuzz/fuzz/fuzz_astro || failed+=(hostile_library)
[ ${#failed[@]} -eq 0 ]
