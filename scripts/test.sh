#!/usr/bin/env bash
# Installs what is missing, builds every preset and runs every test suite:
# native, native under ASan/UBSan (with the fuzzer), and win32 under Wine.
# win64 is built, not run (the Wine prefix is 32-bit). One ctest run over
# all build trees prints the summary line.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

JOBS=${JOBS:-2}
for preset in native native-asan win32 win64; do
    mkdir -p build
    log=build/$preset.log
    echo "== building $preset"
    if [ ! -f "build/$preset/CMakeCache.txt" ]; then
        cmake --preset "$preset" >"$log" 2>&1 || { cat "$log"; exit 1; }
    fi
    cmake --build --preset "$preset" -j "$JOBS" >"$log" 2>&1 || { tail -60 "$log"; exit 1; }
done

# Make sure nothing Wine started outlives the run, also on Ctrl+C.
trap 'scripts/wine-test.sh build/win32/wine --cleanup >/dev/null 2>&1 || true' EXIT

cat >build/CTestTestfile.cmake <<'TESTS'
# All suites in one ctest run (written by scripts/test.sh).
subdirs("native" "native-asan" "win32")
TESTS
cd build
ctest -j "$JOBS" --output-on-failure --timeout 900 "$@"
