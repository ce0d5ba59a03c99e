#!/usr/bin/env bash
# The main job on a fresh machine: install what is missing, build the release preset, and
# deduplicate the sample file with `varnel dedupe --stats`, showing input and result.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
mkdir -p build
cmake --preset release >build/configure-release.log 2>&1 || { cat build/configure-release.log; exit 1; }
cmake --build --preset release --target varnel

sample=samples/fruit-gbk.txt
result=build/fruit-deduplicated.txt
show() { iconv -f GBK -t UTF-8 "$1" | tr -d '\r' | sed -e '$a\'; }

echo "== $sample (GBK, CR LF line ends; shown here as UTF-8)"
show "$sample"
echo "== build/release/varnel dedupe --stats $sample > $result"
build/release/varnel dedupe --stats "$sample" >"$result"
echo "== $result: the last of each repeated line survives, in order"
show "$result"
