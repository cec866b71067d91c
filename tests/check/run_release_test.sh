#!/usr/bin/env bash
# The release package: ./release.sh packs both zips; the 32-bit one holds what it should, and
# the launcher and zixgame-check users get run from a fresh unpacked folder under Wine (under
# WOW64 in a 64-bit prefix). Where 32-bit Wine is missing, the x86_64 package of the same files
# runs instead, and the log says so.
#   bash tests/check/run_release_test.sh
# Uses the Wine prefix and display of its caller (test.sh's start_wine) or starts its own.
# ZIX_BUILD_WIN32 and ZIX_BUILD_WIN64 choose the build folders (build/win32, build/win64).
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
source "$HERE/../../scripts/common.sh"
cd "$ROOT"

passed=0; failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

with_i386 "$@"
own_wine=0
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  start_wine
  own_wine=1
fi
WORK=$(mktemp -d /tmp/zixgame-release-test.XXXXXX)
trap 'rm -rf "$WORK"; [ "$own_wine" = 1 ] && stop_wine' EXIT

version=$(sed -n -E 's/^project\(zixgame VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
expected_files="SHA256SUMS examples/basic.ini examples/big-grid.ini examples/single-game.ini examples/version-bounds.ini examples/working-folder.ini examples/x64-fallback.ini guide.md zixgame-check.exe zixgame.exe zixgame.ini"

echo "== packing"
for arch in i686 x86_64; do
  flavour=win32; [ "$arch" = x86_64 ] && flavour=win64
  variable=ZIX_BUILD_${flavour^^}
  zip="dist/zixgame-$version-$flavour.zip"
  rm -f "$zip"
  if ! ZIX_RELEASE_ARCH=$arch ZIX_BUILD_DIR=${!variable:-build/$flavour} ./release.sh > "$WORK/release.log" 2>&1; then
    fail "release.sh for $arch: $(tail -3 "$WORK/release.log")"; continue
  fi
  listed=$(unzip -Z1 "$zip" | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$listed" = "$expected_files" ]; then pass; else fail "$zip holds [$listed]"; fi
  # SHA256SUMS names every other file of the zip, each with its true sum; release.sh's last
  # line is the zip's own.
  rm -rf "$WORK/sums" && unzip -q "$zip" -d "$WORK/sums"
  summed=$(cut -d' ' -f3- "$WORK/sums/SHA256SUMS" | tr '\n' ' ' | sed 's/ $//')
  if [ "$summed" = "${expected_files#SHA256SUMS }" ] && (cd "$WORK/sums" && sha256sum -c --quiet SHA256SUMS); then pass
  else fail "$zip: SHA256SUMS does not hold for [$summed]"; fi
  if [ "$(tail -1 "$WORK/release.log")" = "SHA-256 $(sha256sum "$zip" | cut -d' ' -f1)" ]; then pass
  else fail "release.sh ended with [$(tail -1 "$WORK/release.log")], not the zip's SHA-256"; fi
  format=$(unzip -p "$zip" zixgame.exe > "$WORK/probe.exe" && "$arch-w64-mingw32-objdump" -f "$WORK/probe.exe" | sed -n 's/.*file format //p')
  want=pei-i386; [ "$arch" = x86_64 ] && want=pei-x86-64
  if [ "$format" = "$want" ]; then pass; else fail "$zip: zixgame.exe is $format, not $want"; fi
  # Every library named here is loaded before the window shows; the shell's is loaded at the
  # first press instead, and nothing beyond these may creep in unnoticed. ADVAPI32 seeds the
  # stack guard from the crypto API; OLE loads it anyway.
  imports=$("$arch-w64-mingw32-objdump" -p "$WORK/probe.exe" | sed -n 's/.*DLL Name: //p' |
            tr '[:lower:]' '[:upper:]' | LC_ALL=C sort | tr '\n' ' ' | sed 's/ $//')
  if [ "$imports" = "ADVAPI32.DLL GDI32.DLL KERNEL32.DLL MSVCRT.DLL OLE32.DLL USER32.DLL" ]; then pass
  else fail "$zip: zixgame.exe imports [$imports]"; fi
done

flavour=win32
if [ "$ZIX_I386" = none ]; then
  flavour=win64
  echo "no i686 program runs here: the x86_64 package runs in place of the shipped i686 one"
fi
echo "== running from the unpacked $flavour package"
folder="$WORK/unpacked"
if unzip -q "dist/zixgame-$version-$flavour.zip" -d "$folder"; then
  before=$(cd "$folder" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
  # The sample names games that are not shipped: three buttons, each with a missing file.
  (cd "$folder" && wine zixgame-check.exe --json . > "$WORK/check.json" 2> "$WORK/check.err")
  status=$?
  if [[ "$status" == 1 ]] && tr -d '\r' < "$WORK/check.json" | grep -q '"title":"我的游戏合集"' &&
     [ "$(grep -o '"code":"missing-file"' "$WORK/check.json" | wc -l)" = 3 ]; then pass
  else fail "zixgame-check.exe in the package: exit $status, $(head -c 300 "$WORK/check.json") $(cat "$WORK/check.err")"; fi

  (cd "$folder" && exec wine zixgame.exe) > /dev/null 2>&1 &
  launcher=$!
  shown=""
  for _ in $(seq 100); do
    # The main window, titled as the sample settings say.
    shown=$(xwininfo -root -tree 2>/dev/null | grep '"我的游戏合集": ("zixgame.exe" ' | head -1)
    [ -n "$shown" ] && break
    sleep 0.2
  done
  if [ -n "$shown" ]; then pass; else fail "the launcher showed no window"; fi
  # Without /f, taskkill asks the window to close, as its close button would. In the 64-bit
  # prefix it is the 64-bit taskkill, which sees the 32-bit launcher too.
  wine taskkill /im zixgame.exe > /dev/null 2>&1
  for _ in $(seq 50); do kill -0 "$launcher" 2> /dev/null || break; sleep 0.2; done
  if kill -0 "$launcher" 2> /dev/null; then
    kill "$launcher"; fail "the launcher did not end when its window was closed"
  else
    wait "$launcher"; status=$?
    if [ "$status" = 0 ]; then pass; else fail "the launcher ended with exit code $status"; fi
  fi
  after=$(cd "$folder" && find . -type f -exec sha256sum {} + | LC_ALL=C sort)
  if [ "$before" = "$after" ]; then pass; else fail "running changed the unpacked folder"; fi
else
  fail "cannot unpack dist/zixgame-$version-$flavour.zip"
fi

echo
echo "release package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
