#!/usr/bin/env bash
# Regenerates the code-page and Chinese-script tables from pinned Debian packages:
#   tools/regenerate_tables.sh [OUT_DIR]      (default: encoding/tables)
# The packages are fetched with apt-get download (nothing is installed) and kept in build/deb-cache.
# Exit status 3: a pinned package version is no longer in the archive, so nothing was generated
# (1 for any other failure, a failed download included).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD

# The versions the committed tables came from.
pinned=(
    libwine=8.0~repack-4          # usr/share/wine/nls/c_936.nls, c_950.nls
    libopencc1.1=1.1.6+ds1-1      # usr/share/opencc/*.ocd2
    opencc=1.1.6+ds1-1            # opencc_dict, to turn .ocd2 into text
    libmarisa0=0.2.6-13+b1        # needed by opencc_dict
)

out_dir=$(realpath -m "${1:-encoding/tables}")
cache=$root/build/deb-cache
work=$(mktemp -d /tmp/varnel-tables.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$cache" "$out_dir"

deb_path() { # name=version -> the cached .deb, if there
    local name=${1%%=*} version=${1#*=}
    local file
    for file in "$cache/${name}_"*.deb; do
        [ -e "$file" ] || continue
        [ "$(dpkg-deb -f "$file" Version)" = "$version" ] && { echo "$file"; return 0; }
    done
    return 1
}

fetch() {
    local missing=() spec
    for spec in "${pinned[@]}"; do deb_path "$spec" >/dev/null || missing+=("$spec"); done
    [ ${#missing[@]} -gt 0 ] || return 0
    # apt-get download writes into the current directory as the unprivileged _apt user.
    chmod a+rwx "$cache"
    if ! (cd "$cache" && apt-get download -q "${missing[@]}" >"$work/apt.log" 2>&1); then
        (apt-get update -qq >/dev/null 2>&1 || true)
        (cd "$cache" && apt-get download -q "${missing[@]}" >"$work/apt.log" 2>&1) || return 1
    fi
}

if ! fetch; then
    gone=()
    for spec in "${pinned[@]}"; do
        apt-cache madison "${spec%%=*}" 2>/dev/null | grep -qF " ${spec#*=} " || gone+=("$spec")
    done
    if [ ${#gone[@]} -gt 0 ]; then
        echo "regenerate_tables: no longer in the package archive: ${gone[*]}" >&2
        exit 3
    fi
    echo "regenerate_tables: cannot download the pinned packages (${pinned[*]}):" >&2
    grep -E '^(E|W):' "$work/apt.log" >&2 || cat "$work/apt.log" >&2
    exit 1
fi

extract() { # name=version, then the paths to take out of it
    local deb
    deb=$(deb_path "$1")
    shift
    dpkg-deb --fsys-tarfile "$deb" | tar -x -C "$work/root" "$@"
}
mkdir -p "$work/root"
extract "${pinned[0]}" ./usr/share/wine/nls/c_936.nls ./usr/share/wine/nls/c_950.nls
extract "${pinned[1]}" ./usr/share/opencc ./usr/lib
extract "${pinned[2]}" ./usr/bin/opencc_dict
extract "${pinned[3]}" ./usr/lib

dicts=$work/dicts
mkdir -p "$dicts"
for name in STCharacters TSCharacters TWVariants TWVariantsRev; do
    cp "$work/root/usr/share/opencc/$name.ocd2" "$dicts/"
    LD_LIBRARY_PATH=$work/root/usr/lib/x86_64-linux-gnu "$work/root/usr/bin/opencc_dict" \
        -i "$dicts/$name.ocd2" -o "$dicts/$name.txt" -f ocd2 -t text
done

nls=$work/root/usr/share/wine/nls
python3 tools/gen_code_page_tables.py "$nls" "$out_dir" "Debian package ${pinned[0]/=/ }"
python3 tools/gen_chinese_script_table.py "$nls" "$dicts" tools/chinese_script_overrides.txt \
    "$out_dir" "Debian packages ${pinned[1]/=/ } (with opencc_dict of ${pinned[2]/=/ }), ${pinned[0]/=/ }"
echo "regenerate_tables: wrote $out_dir"
