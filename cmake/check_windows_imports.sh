#!/bin/sh
# Checks Windows executables: each may import only Windows' own system DLLs, so that it runs from
# a folder of its own with nothing beside it; with --max-bytes, each is at most that large. So that
# two builds of one commit are the same in any folder: with --no-link-time, the PE header's link
# time must be 0; with --no-folder DIR (repeatable), the executable must not hold the text DIR.
#   cmake/check_windows_imports.sh [--objdump OBJDUMP] [--max-bytes N] [--no-link-time]
#                                  [--no-folder DIR]... PROGRAM.exe...
set -eu
objdump=x86_64-w64-mingw32-objdump
max_bytes=""
no_link_time=""
folders=""
while [ $# -gt 0 ]; do
  case $1 in
    --objdump) objdump=$2; shift 2 ;;
    --max-bytes) max_bytes=$2; shift 2 ;;
    --no-link-time) no_link_time=1; shift ;;
    --no-folder) folders="$folders$2
"; shift 2 ;;
    --) shift; break ;;
    -*) echo "unknown option $1" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -gt 0 ] || { echo "usage: $0 [options] PROGRAM.exe..." >&2; exit 2; }

# DLLs every Windows system has (compared in lower case). The C runtime is msvcrt.dll, or the
# Universal CRT through its api-ms-win-crt-* sets; never the MinGW runtime DLLs (libstdc++-6,
# libgcc_s_seh-1, libwinpthread-1), which a -static link builds in.
allowed='kernel32.dll user32.dll gdi32.dll comctl32.dll comdlg32.dll imm32.dll advapi32.dll
  shell32.dll shlwapi.dll ole32.dll oleaut32.dll oleacc.dll uxtheme.dll version.dll msvcrt.dll
  ucrtbase.dll'

is_allowed() { # DLL
  local_name=$(printf '%s' "$1" | tr '[:upper:]' '[:lower:]')
  case $local_name in
    api-ms-win-crt-*.dll) return 0 ;;
  esac
  for known in $allowed; do
    [ "$local_name" = "$known" ] && return 0
  done
  return 1
}

failed=0
for exe in "$@"; do
  if [ ! -f "$exe" ]; then
    echo "FAIL $exe: no such file"
    failed=1
    continue
  fi
  if ! dump=$("$objdump" -p "$exe"); then
    echo "FAIL $exe: $objdump cannot read it"
    failed=1
    continue
  fi
  dlls=$(printf '%s\n' "$dump" | sed -n 's/^[[:space:]]*DLL Name:[[:space:]]*//p' | tr -d '\r')
  if [ -z "$dlls" ]; then
    echo "FAIL $exe: no imported DLL found (not a Windows executable?)"
    failed=1
    continue
  fi
  bad=""
  for dll in $dlls; do
    is_allowed "$dll" || bad="$bad $dll"
  done
  size=$(wc -c <"$exe" | tr -d ' ')
  echo "$exe: $size bytes, imports: $(printf '%s' "$dlls" | tr '\n' ' ')"
  if [ -n "$bad" ]; then
    echo "FAIL $exe imports DLLs that Windows does not have:$bad"
    failed=1
  fi
  if [ -n "$max_bytes" ] && [ "$size" -gt "$max_bytes" ]; then
    echo "FAIL $exe is $size bytes, more than $max_bytes"
    failed=1
  fi
  if [ -n "$no_link_time" ]; then
    # The COFF header follows the 4-byte "PE\0\0" at the offset stored at 0x3c; its time is at +4.
    header=$(od -An -t u4 --endian=little -j 60 -N 4 "$exe" | tr -d ' ')
    stamp=$(od -An -t x1 -j $((header + 8)) -N 4 "$exe" | tr -d ' \n')
    if [ "$stamp" != 00000000 ]; then
      echo "FAIL $exe carries a link time (bytes $stamp), so two builds differ"
      failed=1
    fi
  fi
  old_ifs=$IFS
  IFS='
'
  for folder in $folders; do
    if grep -qaF -- "$folder" "$exe"; then
      echo "FAIL $exe holds the folder $folder, so builds in other folders differ"
      failed=1
    fi
  done
  IFS=$old_ifs
done
exit $failed
