#!/usr/bin/env bash
# Builds what is missing, lays out the demo folder build/demo/ (the launcher, a sample zixgame.ini
# and small demo games that show how they were started) and runs the launcher under Wine.
#
# With a reachable display the launcher opens in a Wine desktop window; close it to end.
# Without one (or with ZIX_SCREENSHOT=1) it runs on a private Xvfb, saves
# build/demo/screenshot.png cropped to the launcher, closes the launcher and exits 0.
#
# ZIX_BUILD_WIN64 / ZIX_BUILD_WIN32 choose other build folders; ZIX_WINEPREFIX keeps a prefix.
set -euo pipefail
source "$(dirname "$0")/scripts/common.sh"
cd "$ROOT"

WIN64=${ZIX_BUILD_WIN64:-build/win64}
WIN32=${ZIX_BUILD_WIN32:-build/win32}
DEMO=build/demo

fail() { echo "run.sh: $*" >&2; exit 1; }

build_windows() {  # build_windows DIR ARCH
  configure_build "$1" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$2.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel
}

# The demo games are copies of one program that reports how it was started; the 32-bit copy
# is the fallback of the 64-bit entry. The folder of entry 5 stays empty on purpose.
lay_out_demo() {
  rm -rf "$DEMO"
  mkdir -p "$DEMO"/games/{snake,maze/save,racing,stars,boxes} "$DEMO/游戏/象棋"
  cp "$WIN64/zixgame.exe" "$DEMO/"
  cp tools/demo/zixgame.ini "$DEMO/"
  local game=$WIN64/demogame.exe
  cp "$game" "$DEMO/games/snake/snake.exe"
  cp "$game" "$DEMO/games/maze/maze.exe"
  cp "$game" "$DEMO/games/racing/racing64.exe"
  cp "$WIN32/demogame.exe" "$DEMO/games/racing/racing32.exe"
  cp "$game" "$DEMO/games/stars/stars.exe"
  cp "$game" "$DEMO/游戏/象棋/象棋.exe"
}

display_reachable() {
  [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1
}

# Debian keeps Wine's own Tahoma and Marlett where this Wine does not look, and no Windows font
# here has Chinese glyphs: without these steps the captions show boxes and the title bar
# buttons show letters. GDI reaches the Chinese font through the links; Uniscribe (edit
# controls) falls back to SimSun by name, hence the substitutes.
prepare_wine_fonts() {
  local font
  for font in marlett tahoma tahomabd; do
    if [ -f "/usr/share/wine/fonts/$font.ttf" ]; then
      cp "/usr/share/wine/fonts/$font.ttf" "$WINEPREFIX/drive_c/windows/Fonts/"
    fi
  done
  local nt='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
  for font in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    wine reg add "$nt\\FontLink\\SystemLink" /v "$font" /t REG_MULTI_SZ \
      /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1 || fail "cannot link the Chinese font"
  done
  for font in "SimSun" "NSimSun" "Microsoft YaHei" "Microsoft YaHei UI"; do
    wine reg add "$nt\\FontSubstitutes" /v "$font" /t REG_SZ /d 'WenQuanYi Micro Hei' /f >/dev/null 2>&1 ||
      fail "cannot substitute the Chinese font"
  done
}

wait_for_file() {  # wait_for_file PATH SECONDS
  local tenths=$(($2 * 10))
  while [ ! -e "$1" ]; do
    tenths=$((tenths - 1))
    [ "$tenths" -gt 0 ] || return 1
    sleep 0.1
  done
}

# The driver starts the launcher inside the Wine desktop and answers through files (see
# tools/demo/demo_driver_win32.cpp); the desktop takes the whole private screen, so desktop
# and screen coordinates agree.
take_screenshot() {
  local handshake screen
  handshake=$(mktemp -d /tmp/zixgame-demo.XXXXXX)
  screen=$(xdpyinfo | awk '/dimensions:/ { print $2; exit }')
  wine explorer "/desktop=zixgame,$screen" "$(winepath -w "$ROOT/$WIN64/demo_driver.exe")" \
    "$(winepath -w "$ROOT/$DEMO/zixgame.exe")" "$(winepath -w "$handshake")" &
  local desktop=$!
  if ! wait_for_file "$handshake/shown.txt" 60; then
    cat "$handshake/result.txt" 2>/dev/null >&2
    fail "the launcher's window did not appear"
  fi
  local left top right bottom
  read -r left top right bottom < "$handshake/shown.txt"
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    "$DEMO/screenshot.png"
  touch "$handshake/captured"
  wait_for_file "$handshake/result.txt" 30 || fail "the launcher was not closed"
  wait "$desktop" || true
  local result
  result=$(cat "$handshake/result.txt")
  rm -rf "$handshake"
  [ "$result" = "exit 0" ] || fail "launcher: $result"
  echo "saved $DEMO/screenshot.png ($((right - left))x$((bottom - top)))"
}

ensure_packages || fail "cannot install the build dependencies"
build_windows "$WIN64" x86_64
build_windows "$WIN32" i686
[ -f "$WIN64/zixgame.exe" ] || fail "$WIN64/zixgame.exe was not built"
lay_out_demo
echo "demo folder: $DEMO"

screenshot=${ZIX_SCREENSHOT:-0}
if ! display_reachable; then
  screenshot=1
  unset DISPLAY
fi
[ "$screenshot" = 1 ] && export ZIX_OWN_XVFB=1

start_wine
trap stop_wine EXIT
prepare_wine_fonts
if [ "$screenshot" = 1 ]; then
  take_screenshot
else
  wine explorer /desktop=zixgame,1024x768 "$(winepath -w "$ROOT/$DEMO/zixgame.exe")"
fi
