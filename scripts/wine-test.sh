#!/usr/bin/env bash
# Runs Windows test programs under Wine on a private Xvfb display.
#
#   wine-test.sh STATE --setup KEEPER.exe   start Xvfb, the prefix and the keeper
#   wine-test.sh STATE --run PROG.exe ARGS  run one program (sets up if needed)
#   wine-test.sh STATE --cleanup            stop everything started for STATE
#
# STATE is a folder in the build tree holding the prefix and the pids.
set -u

STATE=$1; shift
MODE=$1; shift
mkdir -p "$STATE"
STATE=$(cd "$STATE" && pwd)

WINE=/usr/lib/wine/wine
WINESERVER=/usr/lib/wine/wineserver
export LANG=C.UTF-8
export WINEARCH=win32
export WINEPREFIX=$STATE/prefix
export WINEDEBUG=-all
# No Mono/Gecko install prompts, no sound driver probing.
export WINEDLLOVERRIDES="mscoree,mshtml=;winealsa.drv=d"
TIMEOUT=${KADREL_WINE_TIMEOUT:-300}

log() { echo "wine-test: $*" >&2; }

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

start_display() {
    if alive "$STATE/xvfb.pid" && [ -f "$STATE/display" ]; then
        return 0
    fi
    rm -f "$STATE/display"
    # -displayfd lets Xvfb pick a free display number itself.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -ac \
        3>"$STATE/display.tmp" >"$STATE/xvfb.log" 2>&1 9>&- </dev/null &
    echo $! >"$STATE/xvfb.pid"
    for _ in $(seq 1 100); do
        if [ -s "$STATE/display.tmp" ]; then
            mv "$STATE/display.tmp" "$STATE/display"
            return 0
        fi
        sleep 0.1
    done
    log "Xvfb did not start"; cat "$STATE/xvfb.log" >&2
    return 1
}

export_display() {
    export DISPLAY=:$(tr -d '[:space:]' <"$STATE/display")
}

create_prefix() {
    [ -f "$WINEPREFIX/.kadrel-ready" ] && return 0
    log "creating Wine prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    timeout 180 "$WINE" wineboot -i >"$STATE/wineboot.log" 2>&1 9>&- </dev/null || { log "wineboot failed"; return 1; }
    # Without a window manager, hide/destroy otherwise stall about 2 s.
    "$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
    # Chinese text: link a CJK font behind the dialog fonts.
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
        /v Tahoma /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v SimSun /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    "$WINE" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes' \
        /v '宋体' /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1
    # A crashing test ends with a backtrace on stderr, never a dialog.
    "$WINE" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    "$WINESERVER" -w
    touch "$WINEPREFIX/.kadrel-ready"
}

start_keeper() {
    local keeper=$1
    alive "$STATE/keeper.pid" && return 0
    "$WINE" "$keeper" >"$STATE/keeper.log" 2>&1 9>&- </dev/null &
    echo $! >"$STATE/keeper.pid"
    echo "$keeper" >"$STATE/keeper.path"
    # Wait for its window: the first Wine GUI process starts Wine's desktop
    # process, which must not inherit a test's output instead.
    for _ in $(seq 1 200); do
        xdotool search --name '^KadrelWineKeeper$' >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    log "the keeper window did not appear"
}

setup() {
    # One setup at a time per state folder.
    exec 9>"$STATE/lock"
    flock 9
    start_display && export_display && create_prefix || return 1
    local keeper=${1:-}
    [ -z "$keeper" ] && [ -f "$STATE/keeper.path" ] && keeper=$(cat "$STATE/keeper.path")
    [ -n "$keeper" ] && start_keeper "$keeper"
    flock -u 9
    return 0
}

cleanup() {
    if [ -f "$STATE/display" ]; then
        export_display
    fi
    if alive "$STATE/keeper.pid"; then kill "$(cat "$STATE/keeper.pid")" 2>/dev/null; fi
    "$WINESERVER" -k >/dev/null 2>&1
    "$WINESERVER" -w >/dev/null 2>&1
    if alive "$STATE/xvfb.pid"; then
        kill "$(cat "$STATE/xvfb.pid")" 2>/dev/null
        for _ in $(seq 1 50); do alive "$STATE/xvfb.pid" || break; sleep 0.1; done
        alive "$STATE/xvfb.pid" && kill -9 "$(cat "$STATE/xvfb.pid")" 2>/dev/null
    fi
    rm -f "$STATE/keeper.pid" "$STATE/xvfb.pid" "$STATE/display"
    return 0
}

case "$MODE" in
    --setup)
        setup "${1:-}" ;;
    --cleanup)
        cleanup ;;
    --run)
        setup "" || exit 1
        export_display
        prog=$1; shift
        cd "$(dirname "$prog")" || exit 1
        # Output goes through a file: a process the program starts (Wine's
        # own services) may keep an inherited pipe open long after it ends.
        out=$(mktemp "$STATE/run.XXXXXX")
        timeout -k 10 "$TIMEOUT" "$WINE" "$prog" "$@" >"$out" 2>&1 </dev/null
        rc=$?
        cat "$out"
        rm -f "$out"
        [ $rc -eq 124 ] && log "timed out after ${TIMEOUT}s: $prog"
        exit $rc ;;
    *)
        log "unknown mode $MODE"; exit 2 ;;
esac
