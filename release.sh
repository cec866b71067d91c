#!/usr/bin/env bash
# Builds the shipped programs and packs dist/zixgame-<version>-win32.zip: the 32-bit
# zixgame.exe and zixgame-check.exe, a sample zixgame.ini, the user guide and its examples, and
# SHA256SUMS for all of them; prints the zip's own SHA-256 last. The same sources give the same
# zip, byte for byte, whichever folder they are built in.
#   ./release.sh                 build/win32 (i686), the package users get
#   ZIX_RELEASE_ARCH=x86_64 ./release.sh
#                                dist/zixgame-<version>-win64.zip from build/win64, the same
#                                package for a 64-bit-only Wine, which cannot run i686 programs
#   ZIX_BUILD_DIR=DIR            build in DIR instead of build/win32 or build/win64
#   SOURCE_DATE_EPOCH=SECONDS    the time the package carries, for sources outside git; by
#                                default the time of the last commit
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
cd "$ROOT"

arch=${ZIX_RELEASE_ARCH:-i686}
case "$arch" in
  i686)   flavour=win32 ;;
  x86_64) flavour=win64 ;;
  *) echo "release.sh: ZIX_RELEASE_ARCH must be i686 or x86_64, not $arch" >&2; exit 2 ;;
esac
build=${ZIX_BUILD_DIR:-build/$flavour}
version=$(sed -n -E 's/^project\(zixgame VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
[ -n "$version" ] || { echo "release.sh: no version in CMakeLists.txt" >&2; exit 1; }

# The one time that stands in the package: in the programs' headers (binutils takes it from
# SOURCE_DATE_EPOCH, at the link and again at the strip below, which writes the header anew)
# and on every file of the zip.
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct 2>/dev/null || echo 0)}
export SOURCE_DATE_EPOCH

ensure_packages
ZIX_TARGETS="zixgame zixgame-check" configure_build "$build" "$arch"
for program in zixgame zixgame-check; do
  [ -f "$build/$program.exe" ] || { echo "release.sh: $build/$program.exe was not built" >&2; exit 1; }
done

name=zixgame-$version-$flavour
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/examples"
"$arch-w64-mingw32-strip" -o "$stage/zixgame.exe" "$build/zixgame.exe"
"$arch-w64-mingw32-strip" -o "$stage/zixgame-check.exe" "$build/zixgame-check.exe"
cp docs/examples/basic.ini "$stage/zixgame.ini"
cp docs/guide.md "$stage/guide.md"
cp docs/examples/*.ini "$stage/examples/"

# Checkable where the zip is unpacked: sha256sum -c SHA256SUMS, or certutil -hashfile on Windows.
listing() { (cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||'); }
sums=$(cd "$stage" && listing | xargs sha256sum --)
printf '%s\n' "$sums" > "$stage/SHA256SUMS"

# The same sources give the same zip: fixed times, fixed order, no extra attributes.
find "$stage" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +
mkdir -p dist
rm -f "dist/$name.zip"
(cd "$stage" && listing | TZ=UTC zip -q -X -@ "$ROOT/dist/$name.zip")
echo "dist/$name.zip"
echo "SHA-256 $(sha256sum "dist/$name.zip" | cut -d' ' -f1)"
