#!/usr/bin/env bash
# Installs everything Varnel needs on Debian 12: native and mingw-w64 toolchains, Wine with Xvfb and a
# CJK font, the libraries, the zh_CN.UTF-8 locale. Idempotent; prints nothing when all is there.
set -euo pipefail

packages=(
    # native build and tests
    g++ cmake ninja-build make pkg-config googletest libbenchmark-dev
    libcli11-dev libxxhash-dev libicu-dev python3
    # Windows cross builds, run headless under Wine
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64 xvfb
    # Chinese text: locale for code page 936 under Wine, a font that draws it, screenshots
    locales fonts-wqy-microhei imagemagick
    # peers and tools of the benchmark comparison
    gawk mawk time
)

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
    [ "$status" = installed ] || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
    echo "setup: generating the zh_CN.UTF-8 locale"
    as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
