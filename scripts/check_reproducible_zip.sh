#!/usr/bin/env bash
# Checks that the Windows zip can be checked against the sources: clones one commit (default: HEAD;
# what is not committed is left out) twice, into folders of different names and depths, packages
# each with scripts/package_windows.sh under a different time zone and umask, and compares them.
#   scripts/check_reproducible_zip.sh [COMMIT]
# Prints the SHA-256 of both zips; exits 1, naming the files that differ, when they are not equal.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$root" rev-parse --verify "${1:-HEAD}^{commit}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

package() { # FOLDER TZ UMASK
  git clone -q --no-checkout "$root" "$1"
  git -C "$1" checkout -q --detach "$commit"
  (umask "$3" && TZ=$2 "$1/scripts/package_windows.sh" >/dev/null)
}
one=$work/a
two=$work/other/folder/b
package "$one" UTC 022
package "$two" Asia/Tokyo 002

zip_one=$one/build-windows/morven-windows-x64.zip
zip_two=$two/build-windows/morven-windows-x64.zip
echo "commit $commit"
sha256sum "$zip_one" "$zip_two" | sed "s|$work/||"
cmp -s "$zip_one" "$zip_two" && exit 0

mkdir "$work/one" "$work/two"
unzip -q "$zip_one" -d "$work/one"
unzip -q "$zip_two" -d "$work/two"
echo "the zips differ:" >&2
diff <(zipinfo -l "$zip_one" | sed 1d) <(zipinfo -l "$zip_two" | sed 1d) >&2 || true
for file in "$work"/one/Morven/*; do
  cmp "$file" "$work/two/Morven/${file##*/}" >&2 || true
done
exit 1
