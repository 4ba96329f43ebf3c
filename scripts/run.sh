#!/usr/bin/env bash
# Builds the 32-bit program and runs it under Wine: on the display in
# $DISPLAY when there is one, else on a fresh Xvfb screen that is stopped
# again when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
mkdir -p build
if [ ! -f build/win32/CMakeCache.txt ]; then
    cmake --preset win32 >build/win32.log 2>&1 || { cat build/win32.log; exit 1; }
fi
cmake --build --preset win32 -j "${JOBS:-2}" >build/win32.log 2>&1 || { tail -60 build/win32.log; exit 1; }

exe=build/win32/bin/Kadrel.exe
if [ ! -f "$exe" ]; then
    echo "Built build/win32/bin (KadrelCore.dll and its tests); the program Kadrel.exe is not part of the build yet."
    exit 0
fi

state=build/run-wine
export LANG=C.UTF-8 WINEARCH=win32 WINEPREFIX=$PWD/$state/prefix WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
if [ -z "${DISPLAY:-}" ]; then
    # Borrow the test harness's display and prefix set-up.
    scripts/wine-test.sh "$state" --setup ""
    export DISPLAY=:$(cat "$state/display")
    trap 'scripts/wine-test.sh "$state" --cleanup' EXIT
    echo "Running on Xvfb display $DISPLAY"
fi
/usr/lib/wine/wine "$exe"
