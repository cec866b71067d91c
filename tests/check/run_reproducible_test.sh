#!/usr/bin/env bash
# The same sources give the same zip: ./release.sh packs the i686 zip from its usual build
# folder, then again from a copy of the sources in another folder, built afresh in a third; the
# two zips must be equal byte for byte. Where they differ, the files that differ are named.
#   bash tests/check/run_reproducible_test.sh
# ZIX_BUILD_WIN32 chooses the usual build folder (build/win32).
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/common.sh"
cd "$ROOT"

WORK=$(mktemp -d /tmp/zixgame-reproducible.XXXXXX)
trap 'rm -rf "$WORK"' EXIT
version=$(sed -n -E 's/^project\(zixgame VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
zip=dist/zixgame-$version-win32.zip
# The first run takes the time of the last commit itself, as a user's would; the copy has no
# history, so it is told the same time.
unset SOURCE_DATE_EPOCH
stamp=$(git log -1 --format=%ct 2>/dev/null || echo 0)

echo "== packing from ${ZIX_BUILD_WIN32:-build/win32}"
if ! ZIX_BUILD_DIR=${ZIX_BUILD_WIN32:-build/win32} ./release.sh > "$WORK/first.log" 2>&1; then
  tail -5 "$WORK/first.log"; echo "FAIL: release.sh in the usual build folder"; exit 1
fi
cp "$zip" "$WORK/first.zip"

echo "== packing from a copy of the sources, built afresh"
# The files git would commit, changed or not yet added ones included.
mkdir "$WORK/sources"
git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' file; do [ -e "$file" ] && printf '%s\0' "$file"; done |
  tar --null -T - -cf - | tar -xf - -C "$WORK/sources"
if ! SOURCE_DATE_EPOCH=$stamp ZIX_BUILD_DIR="$WORK/build" "$WORK/sources/release.sh" > "$WORK/second.log" 2>&1; then
  tail -5 "$WORK/second.log"; echo "FAIL: release.sh from the copy"; exit 1
fi

if cmp -s "$WORK/first.zip" "$WORK/sources/$zip"; then
  echo "the same zip twice: $(tail -1 "$WORK/first.log")"
  exit 0
fi
echo "FAIL: the two zips differ"
mkdir "$WORK/one" "$WORK/two"
unzip -q "$WORK/first.zip" -d "$WORK/one" && unzip -q "$WORK/sources/$zip" -d "$WORK/two"
diff -rq "$WORK/one" "$WORK/two"
for program in zixgame.exe zixgame-check.exe; do
  echo "$program: $(cmp -l "$WORK/one/$program" "$WORK/two/$program" 2>&1 | wc -l) bytes differ"
done
exit 1
