#!/usr/bin/env bash
# Runs a command inside a fresh, headless Wine session: its own Xvfb display and a new 64-bit prefix
# created under code page 936, both removed afterwards. Example: scripts/with-wine.sh ctest --preset win64
#
# The order matters: the display must exist before wineboot starts the desktop process, and the
# wine server must already run (with stdio redirected) before ctest, or ctest waits for the
# server's inherited pipes until its timeout.
set -euo pipefail

session=$(mktemp -d /tmp/varnel-wine.XXXXXX)
export WINEPREFIX=$session/prefix WINEARCH=win64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

xvfb_pid=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$session"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$session/display" >"$session/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$session/display" ] && break; sleep 0.1; done
[ -s "$session/display" ] || { echo "with-wine: Xvfb did not start" >&2; cat "$session/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(cat "$session/display")"

mkdir -p "$WINEPREFIX"
wineserver -p
wineboot -i </dev/null >"$session/wineboot.log" 2>&1
# No window manager: let Wine draw its own frames (and skip x11drv's 2 s wait on every unmap).
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
# A crash must end the process with an error at once, never open a debugger dialog.
wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d '' /f \
    </dev/null >/dev/null 2>&1

"$@"
