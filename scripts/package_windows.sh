#!/usr/bin/env bash
# Makes morven-windows-x64.zip for users: the folder Morven/ with morven.exe (stripped) and a short
# read-me in Japanese and in English.
#   scripts/package_windows.sh [--no-build] [BUILD_DIR [ZIP]]
# BUILD_DIR defaults to build-windows/, ZIP to BUILD_DIR/morven-windows-x64.zip. The program is
# built first (target morven) unless --no-build is given; the packaged copy is checked like the
# built one: it imports only Windows' own DLLs, is at most 2 MB and holds no link time or folder.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_first=1
if [ "${1:-}" = --no-build ]; then
  build_first=0
  shift
fi
build=${1:-$root/build-windows}
zip_file=${2:-$build/morven-windows-x64.zip}
triplet=x86_64-w64-mingw32

if [ "$build_first" = 1 ]; then
  "$root/scripts/setup.sh"
  cmake -S "$root" -B "$build" --toolchain "$root/cmake/mingw-w64-x86_64.toolchain.cmake" >/dev/null
  cmake --build "$build" --target morven -j "$(nproc)" || {
    echo "could not build the target morven (tool/win32/morven.exe)" >&2
    exit 1
  }
fi
exe=$build/tool/win32/morven.exe
if [ ! -f "$exe" ]; then
  echo "no $exe: build the Windows program first (scripts/build_windows.sh)" >&2
  exit 1
fi

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
folder=$stage/Morven
mkdir -p "$folder"
# strip writes a new link time into the PE header unless given one: 0, as the linker leaves it.
SOURCE_DATE_EPOCH=0 "$triplet-strip" -o "$folder/morven.exe" "$exe"
check=("$root/cmake/check_windows_imports.sh" --objdump "$triplet-objdump" --max-bytes 2097152
  --no-link-time --no-folder "$root" "$folder/morven.exe")
"${check[@]}" >/dev/null || {
  "${check[@]}" >&2 || true
  exit 1
}

# Windows Notepad reads UTF-8 with a byte-order mark on any system locale; lines end in CR LF.
windows_text() { # SOURCE TARGET [bom]
  { [ "${3:-}" = bom ] && printf '\357\273\277'; sed 's/\r$//; s/$/\r/' "$1"; } >"$2"
}
windows_text "$root/scripts/windows/README-ja.txt" "$folder/README-ja.txt" bom
windows_text "$root/scripts/windows/README-en.txt" "$folder/README-en.txt"

# The same sources give the same archive: fixed times (the last commit's, kept in UTC since zip
# stores local time), fixed modes whatever the umask, no extra attributes, a fixed order.
stamp=$(git -C "$root" log -1 --format=%cI 2>/dev/null || true)
if [ -n "$stamp" ]; then
  find "$folder" "$stage" -exec touch -d "$stamp" {} +
else
  echo "warning: $root is not a git checkout; the zip carries today's times" >&2
fi
chmod 755 "$folder/morven.exe"
chmod 644 "$folder/README-ja.txt" "$folder/README-en.txt"
mkdir -p "$(dirname "$zip_file")"
zip_file=$(cd "$(dirname "$zip_file")" && pwd)/$(basename "$zip_file")
rm -f "$zip_file"
(cd "$stage" && TZ=UTC zip -q -X "$zip_file" Morven/morven.exe Morven/README-ja.txt Morven/README-en.txt)
echo "$zip_file"
unzip -l "$zip_file" | sed -n '4,6p'
