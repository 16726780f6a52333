#!/usr/bin/env bash
# Installs what is missing, checks the source format, builds, and runs every
# test headless: first the core (engine, fall clock, engine thread) under
# AddressSanitizer with UndefinedBehaviorSanitizer and under ThreadSanitizer,
# then the sound player's tests (damaged sound files among them) under the
# first two, then the Windows build's tests under Wine where its libraries are
# cached, then the whole program's tests, whose ctest summary closes the run.
set -euo pipefail
cd "$(dirname "$0")"

jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_CONFIG_HOME=$(mktemp -d)   # never touch the real settings store
export XDG_DATA_HOME=$(mktemp -d)     # nor the real high-score table
chmod 700 "$XDG_RUNTIME_DIR"
trap 'rm -rf "$XDG_RUNTIME_DIR" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT

# BRIMAL_REQUIRE_WINDOWS=1 makes the Windows part a requirement: without the
# libraries for Windows the run fails here instead of skipping that part below.
if [ "${BRIMAL_REQUIRE_WINDOWS:-}" = 1 ] && ! scripts/windows-deps.sh --cached >/dev/null 2>&1; then
    echo "BRIMAL_REQUIRE_WINDOWS=1, but the libraries for Windows are not built: ./windows.sh builds them" >&2
    exit 1
fi

scripts/setup.sh build-asan -DBRIMAL_CORE_ONLY=ON -DBRIMAL_SANITIZE=address,undefined
echo "== source format (.clang-format)"
scripts/check-format.sh

cmake --build build-asan -j "$jobs"
echo "== core tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ctest --test-dir build-asan -j "$jobs" --output-on-failure

# The settings reader and the replay reader under libFuzzer for 30 s each,
# from the seed corpora that the build makes, where clang is installed.
if command -v clang++ >/dev/null 2>&1; then
    CC=clang CXX=clang++ scripts/setup.sh build-fuzz -DBRIMAL_FUZZ=ON \
        -DBRIMAL_SANITIZE=address,undefined
    cmake --build build-fuzz -j "$jobs" --target settings_fuzz replay_fuzz
    for target in settings:seeds replay:replay-seeds; do
        name=${target%%:*}
        seeds=build-fuzz/fuzz/${target#*:}
        echo "== $name reader under libFuzzer (30 s)"
        fuzz_corpus=$(mktemp -d)
        fuzz_status=0
        build-fuzz/fuzz/${name}_fuzz -max_total_time=30 -timeout=10 \
            -artifact_prefix=build-fuzz/ -print_final_stats=1 "$fuzz_corpus" "$seeds" \
            >build-fuzz/${name}-fuzz.log 2>&1 || fuzz_status=$?
        rm -rf "$fuzz_corpus"
        grep -E '^#[0-9]+[[:space:]]+DONE|^stat::number_of_executed_units' \
            build-fuzz/${name}-fuzz.log || true
        if [ "$fuzz_status" -ne 0 ]; then
            tail -n 40 build-fuzz/${name}-fuzz.log
            echo "the $name reader's fuzz target failed; the input is saved in build-fuzz/"
            exit 1
        fi
    done
else
    echo "== clang is not installed: the readers' fuzz targets are skipped"
fi

scripts/setup.sh build-tsan -DBRIMAL_CORE_ONLY=ON -DBRIMAL_SANITIZE=thread
cmake --build build-tsan -j "$jobs"
echo "== threaded core tests under ThreadSanitizer"
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
    ctest --test-dir build-tsan -j "$jobs" -L threads --output-on-failure

# Qt and SDL are not instrumented, but our code around them is, and an
# allocation above 256 MB (what a lying WAVE header can ask of the decoder)
# fails the run.
scripts/setup.sh build-audio-asan -DBRIMAL_SANITIZE=address,undefined
cmake --build build-audio-asan -j "$jobs" --target audio_tests audio_nodevice_tests \
    audio_mutation_tests
echo "== sound tests under AddressSanitizer and UndefinedBehaviorSanitizer"
ASAN_OPTIONS=max_allocation_size_mb=256 \
    ctest --test-dir build-audio-asan -j "$jobs" -L audio --output-on-failure

# The Windows build and its tests under Wine, where the libraries for Windows
# have been built once by ./windows.sh (they take half an hour).
if scripts/windows-deps.sh --cached >/dev/null 2>&1; then
    echo "== the Windows build and its tests under Wine"
    ./windows.sh
    echo "== the licences of the libraries in the Windows zip"
    for zip in build-win64/Brimal-*-win64.zip; do tests/windows/check_licenses.sh "$zip"; done
else
    echo "== Windows tests skipped: the libraries for Windows are not built; ./windows.sh builds them and runs the tests (BRIMAL_REQUIRE_WINDOWS=1 fails instead)"
fi

scripts/setup.sh build
cmake --build build -j "$jobs"
echo "== all tests (window tests under Xvfb)"
# -noreset: see tests/support/own_x.sh.
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --test-dir build -j "$jobs" --output-on-failure
