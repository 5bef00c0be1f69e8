#!/usr/bin/env bash
# Installs what is missing, builds from scratch and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
install_missing_packages
rm -rf build build-asan
build_quadrillo

# The end-to-end test drives the real binary on a virtual X server. Without
# -noreset the server resets whenever its last client goes, and refuses the
# next game for a moment.
display_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$display_file" 2>/dev/null &
xvfb_pid=$!
trap 'kill "$xvfb_pid" 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do
    [ -s "$display_file" ] && break
    sleep 0.1
done
[ -s "$display_file" ] || { echo "Xvfb did not start" >&2; exit 1; }
export QUADRILLO_E2E_DISPLAY=":$(head -n1 "$display_file")"

ctest --test-dir build --output-on-failure --timeout 300

# Everything again under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer, end-to-end tests included; any finding fails its test. The
# sanitized game is slower, so the end-to-end waits stretch threefold;
# asan.supp lets through the lawful string copies of one X library.
CC=clang CXX=clang++ cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUADRILLO_SANITIZE=ON -DQUADRILLO_BENCHMARKS=OFF
cmake --build build-asan --parallel "$(nproc)"
ASAN_OPTIONS="detect_leaks=1:strict_string_checks=1:check_initialization_order=1:suppressions=$PWD/tests/sanitizers/asan.supp" \
LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0" \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 QUADRILLO_E2E_WAIT_SCALE=3 \
    ctest --test-dir build-asan --output-on-failure --timeout 900

# Short fuzz runs of the pack reader and the picture loader, under ASan and
# UBSan, from seeds the pack writer and the tests' BMP builder make. Any crash
# fails the run; its input is kept in build-fuzz/<target>-crashes.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUADRILLO_FUZZ=ON \
    -DBUILD_TESTING=OFF -DQUADRILLO_BENCHMARKS=OFF
cmake --build build-fuzz --parallel "$(nproc)" --target quadrillo_pack_fuzz quadrillo_pack_seeds \
    quadrillo_picture_fuzz quadrillo_picture_seeds

fuzz() {
    local target=$1 what=$2
    local dir=build-fuzz/$target
    rm -rf "$dir"
    mkdir -p "$dir/seeds" "$dir/corpus" "$dir/crashes"
    "build-fuzz/fuzz/quadrillo_${target}_seeds" "$dir/seeds" >/dev/null
    if ! "build-fuzz/fuzz/quadrillo_${target}_fuzz" -max_total_time=30 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$dir/crashes/" \
        "$dir/corpus" "$dir/seeds" >"$dir/fuzz.log" 2>&1; then
        tail -n 40 "$dir/fuzz.log" >&2
        echo "The $what fuzzer found a crash: see $dir/crashes/" >&2
        exit 1
    fi
    echo "Fuzzed the $what for 30 s under ASan+UBSan:" \
        "$(grep -o 'Done [0-9]* runs in [0-9]* second(s)' "$dir/fuzz.log")," \
        "$(grep -o 'cov: [0-9]* ft: [0-9]*' "$dir/fuzz.log" | tail -n 1)"
}
fuzz pack "pack reader"
fuzz picture "picture loader"
