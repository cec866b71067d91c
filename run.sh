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

# The demo games are copies of one program that reports how it was started, laid out as
# tools/demo/demo_files.txt lists them.
lay_out_demo() {
  rm -rf "$DEMO"
  mkdir -p "$DEMO"
  cp "$LAUNCHER/zixgame.exe" tools/demo/zixgame.ini "$DEMO/"
  local kind path target built
  while read -r kind path; do
    case "$kind" in '' | '#'*) continue ;; esac
    target="$DEMO/${path//\\//}"
    case "$kind" in
      folder) mkdir -p "$target" ;;
      x86_64 | i686)
        built=$WIN64
        if [ "$kind" = i686 ]; then built=$WIN32; fi
        mkdir -p "$(dirname "$target")"
        cp "$built/demogame.exe" "$target"
        ;;
      *) fail "tools/demo/demo_files.txt: unknown kind '$kind'" ;;
    esac
  done < tools/demo/demo_files.txt
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

wait_for_any() {  # wait_for_any SECONDS PATH...: true once one of the paths exists
  local tenths=$(($1 * 10)) path
  shift
  while [ "$tenths" -gt 0 ]; do
    for path in "$@"; do [ -e "$path" ] && return 0; done
    tenths=$((tenths - 1))
    sleep 0.1
  done
  return 1
}

# The driver starts the launcher inside the Wine desktop and answers through files (see
# tools/demo/demo_driver_win32.cpp); the desktop takes the whole private screen, so desktop
# and screen coordinates agree.
take_screenshot() {  # take_screenshot HANDSHAKE_FOLDER
  local handshake=$1 screen
  screen=$(xdpyinfo | awk '/dimensions:/ { print $2 }')
  wine explorer "/desktop=zixgame,$screen" "$(winepath -w "$ROOT/$WIN64/demo_driver.exe")" \
    "$(winepath -w "$ROOT/$DEMO/zixgame.exe")" "$(winepath -w "$handshake")" &
  local desktop=$!
  wait_for_any 60 "$handshake/shown.txt" "$handshake/result.txt" || true
  if [ ! -e "$handshake/shown.txt" ]; then
    fail "the launcher's window did not appear: $(cat "$handshake/result.txt" 2>/dev/null || echo "no answer from the driver")"
  fi
  local left top right bottom
  read -r left top right bottom < "$handshake/shown.txt"
  import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
    "$DEMO/screenshot.png"
  touch "$handshake/captured"
  wait_for_any 30 "$handshake/result.txt" || fail "no answer from the driver after the screenshot"
  wait "$desktop" || true
  local result
  result=$(cat "$handshake/result.txt")
  [ "$result" = "exit 0" ] || fail "launcher: $result"
  echo "saved $DEMO/screenshot.png ($((right - left))x$((bottom - top)))"
}

ensure_packages || fail "cannot install the build dependencies"
with_i386 "$@"
# The shipped launcher is the i686 one; the x86_64 one stands in where no 32-bit program runs.
if [ "$ZIX_I386" = none ]; then
  LAUNCHER=$WIN64; echo "the demo shows the x86_64 launcher, $LAUNCHER/zixgame.exe"
else
  LAUNCHER=$WIN32; echo "the demo shows the shipped i686 launcher, $LAUNCHER/zixgame.exe"
fi
# Only the programs the demo needs: the tests have their own command, ./test.sh.
ZIX_TARGETS="zixgame demogame demo_driver" configure_build "$WIN64" x86_64 || fail "the x86_64 build failed"
ZIX_TARGETS="zixgame demogame" configure_build "$WIN32" i686 || fail "the i686 build failed"
lay_out_demo
echo "demo folder: $DEMO"

screenshot=${ZIX_SCREENSHOT:-0}
if ! display_reachable; then
  screenshot=1
  unset DISPLAY
fi
if [ "$screenshot" = 1 ]; then export ZIX_OWN_XVFB=1; fi

handshake=$(mktemp -d /tmp/zixgame-demo.XXXXXX)
start_wine
trap 'stop_wine; rm -rf "$handshake"' EXIT
prepare_wine_fonts
if [ "$screenshot" = 1 ]; then
  take_screenshot "$handshake"
else
  wine explorer /desktop=zixgame,1024x768 "$(winepath -w "$ROOT/$DEMO/zixgame.exe")"
fi
