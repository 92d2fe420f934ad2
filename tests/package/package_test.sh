#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root with dpkg -x and
# checks its contents and the installed programs started from there.
# usage: package_test.sh CPACK BUILD_DIR WORK_DIR SOURCE_DIR VERSION
set -euo pipefail
cpack=$1 build=$2 work=$3 source=$4 version=$5

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

rm -rf "$work"
mkdir -p "$work"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" ||
  { cat "$work/cpack.log"; fail "cpack could not build the package"; }
packages=("$work"/cpack/zeltview_*.deb)
[[ ${#packages[@]} -eq 1 && -f ${packages[0]} ]] || fail "expected one zeltview_*.deb, got: ${packages[*]}"
deb=${packages[0]}
[[ $(basename "$deb") == "zeltview_${version}_$(dpkg --print-architecture).deb" ]] ||
  fail "unexpected package file name $(basename "$deb")"

[[ $(dpkg-deb -f "$deb" Package) == zeltview ]] || fail "package name"
[[ $(dpkg-deb -f "$deb" Version) == "$version" ]] || fail "package version"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "no dependency on the Qt widgets library"

root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
data=$usr/share/zeltview
id=com.vantrel.zeltview
for file in bin/zeltview bin/zelt; do
  [[ -x $usr/$file ]] || fail "$file missing or not executable"
done
expected=(
  "share/applications/$id.desktop"
  "share/metainfo/$id.metainfo.xml"
  "share/icons/hicolor/scalable/apps/$id.svg"
  share/man/man1/zeltview.1.gz
  share/man/man1/zelt.1.gz
  share/doc/zeltview/README.md
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for list in "$source"/samples/*.LST; do
  name=$(basename "$list")
  expected+=("share/zeltview/samples/$name" "share/zeltview/samples/${name%.*}.zeltv")
done
for file in "${expected[@]}"; do
  [[ -s $usr/$file ]] || fail "$file missing from the package"
done
if [[ -f $source/help/ZELTVIEW.HLP ]]; then
  cmp -s "$source/help/ZELTVIEW.HLP" "$data/ZELTVIEW.HLP" || fail "help file missing or different"
fi

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop file"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null || fail "metainfo file"
grep -q "<release version=\"$version\"" "$usr/share/metainfo/$id.metainfo.xml" ||
  fail "the metainfo file names no release $version"
for page in zeltview zelt; do
  warnings=$(zcat "$usr/share/man/man1/$page.1.gz" | groff -man -ww -z 2>&1)
  [[ -z $warnings ]] || fail "man page $page: $warnings"
done

# The installed zelt reads the shipped index files, which are current, and
# prints what this build's zelt finds by scanning.
for list in "$source"/samples/*.LST; do
  name=$(basename "$list")
  index=$data/samples/${name%.*}.zeltv
  before=$(stat -c %Y "$index")
  "$usr/bin/zelt" topics "$data/samples/$name" >"$work/installed.txt" 2>"$work/installed.err"
  "$build/cli/zelt" topics --scan "$list" >"$work/built.txt"
  cmp -s "$work/installed.txt" "$work/built.txt" || fail "installed zelt topics $name differs"
  [[ ! -s $work/installed.err ]] || fail "installed zelt topics $name: $(cat "$work/installed.err")"
  [[ $(stat -c %Y "$index") == "$before" ]] || fail "the shipped index of $name was not current"
done

# The installed viewer opens a list and ends: from its shipped index, and by
# scanning a copy, which leaves the same index file beside the copy.
export QT_QPA_PLATFORM=offscreen HOME=$work/home XDG_CONFIG_HOME=$work/config
mkdir -p "$HOME" "$work/lists"
timeout 60 "$usr/bin/zeltview" "$data/samples/PORTS.LST" -quit || fail "zeltview PORTS.LST -quit"
cp "$source/samples/INTERRUP.LST" "$work/lists/"
timeout 60 "$usr/bin/zeltview" "$work/lists/INTERRUP.LST" -quit || fail "zeltview INTERRUP.LST -quit"
cmp -s "$work/lists/INTERRUP.zeltv" "$data/samples/INTERRUP.zeltv" ||
  fail "the installed viewer wrote no index file, or another one"
echo "package $(basename "$deb"): contents and installed programs checked"
