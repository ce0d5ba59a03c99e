#!/usr/bin/env bash
# Runs the Windows program (Varnel.exe, built for x86_64 if missing) under Wine, with code page
# 936 and a Chinese font, in its own Wine prefix (build/wine-window, created on first use).
#   scripts/run-window.sh                     on your X display ($DISPLAY)
#   scripts/run-window.sh --screenshot FILE   headless: on a private Xvfb, saves a PNG and quits
# The program keeps its settings in 主配置.ini beside the copy it runs (build/window/).
set -euo pipefail
cd "$(dirname "$0")/.."

screenshot=""
if [ "${1:-}" = "--screenshot" ]; then
    screenshot=$(realpath -m "${2:?run-window.sh: --screenshot needs a file name}")
fi

scripts/setup.sh
mkdir -p build
if [ ! -f build/win64/build.ninja ]; then
    cmake --preset win64 >build/configure-win64.log 2>&1 || { cat build/configure-win64.log; exit 1; }
fi
cmake --build --preset win64 --target Varnel >/dev/null
mkdir -p build/window
cp build/win64/Varnel.exe build/window/Varnel.exe

export WINEPREFIX=$PWD/build/wine-window WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
# No Mono or Gecko installer prompts; the banner falls back to the default browser.
export WINEDLLOVERRIDES="mscoree,mshtml="

session=$(mktemp -d /tmp/varnel-window.XXXXXX)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$session"
}
trap cleanup EXIT

if [ -n "$screenshot" ]; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" \
        >"$session/xvfb.log" 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.1; done
    [ -s "$session/display" ] || { echo "run-window: Xvfb did not start" >&2; exit 1; }
    export DISPLAY=":$(cat "$session/display")"
elif [ -z "${DISPLAY:-}" ]; then
    echo "run-window: no X display; use --screenshot FILE to run headless" >&2
    exit 2
fi

# A prefix created under the zh_CN locale draws Chinese window titles too.
new_prefix=""
[ -d "$WINEPREFIX" ] || new_prefix=yes
mkdir -p "$WINEPREFIX"
wineserver -p
if [ -n "$new_prefix" ]; then
    echo "run-window: creating the Wine prefix $WINEPREFIX"
    wineboot -i </dev/null >"$session/wineboot.log" 2>&1
fi
if [ -n "$screenshot" ]; then
    # Without a window manager Wine draws the frames itself.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    wine build/window/Varnel.exe </dev/null >"$session/varnel.log" 2>&1 &
    app_pid=$!
    sleep 6
    import -window root "$screenshot"
    wineserver -k >/dev/null 2>&1 || true
    wait "$app_pid" 2>/dev/null || true
    echo "run-window: screenshot saved to $screenshot"
else
    wine reg delete 'HKCU\Software\Wine\X11 Driver' /v Managed /f </dev/null >/dev/null 2>&1 || true
    wine build/window/Varnel.exe
fi
