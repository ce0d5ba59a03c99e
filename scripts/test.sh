#!/usr/bin/env bash
# Runs every test suite: the generated tables against a fresh regeneration, native (release), native
# with sanitizers (debug), Windows x86_64 under Wine, and builds Windows i686. Warnings are errors.
# Name suites to run only those:
#   scripts/test.sh [tables] [native] [sanitize] [windows]
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

suites=("$@")
[ ${#suites[@]} -gt 0 ] || suites=(tables native sanitize windows)

configure_and_build() {
    cmake --preset "$1" -DVARNEL_WERROR=ON >"build/configure-$1.log" 2>&1 ||
        { cat "build/configure-$1.log"; return 1; }
    cmake --build --preset "$1"
}

mkdir -p build
for suite in "${suites[@]}"; do
    case "$suite" in
    tables)
        tools/check_tables.sh
        ;;
    native)
        configure_and_build release
        ctest --preset release
        ;;
    sanitize)
        configure_and_build debug
        ctest --preset debug
        ;;
    windows)
        configure_and_build win64
        scripts/with-wine.sh ctest --preset win64
        configure_and_build win32
        ;;
    *)
        echo "test.sh: unknown suite '$suite' (tables, native, sanitize, windows)" >&2
        exit 2
        ;;
    esac
done
echo "test.sh: all suites passed: ${suites[*]}"
