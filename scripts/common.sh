# Shared by test.sh, run.sh and the other scripts: installing what is missing, building,
# and a throwaway Wine prefix on a display of its own.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

PACKAGES=(cmake make g++ clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64 xvfb xauth
          googletest libbenchmark-dev libinih-dev imagemagick fonts-wqy-microhei fonts-wine x11-utils
          zip unzip librsvg2-bin locales chromium nlohmann-json3-dev)
# librsvg2-bin: the SVG reader ImageMagick calls; chromium: the browser that opens --html's page;
# nlohmann-json3-dev: the tests' JSON reader (the shipped programs stay free of it)
# The locales whose code page (936) and decimal separator (",") the end-to-end suite runs in;
# Wine takes both from the Unix locale, but only from one that was generated.
WINE_LOCALES=(zh_CN.UTF-8 de_DE.UTF-8)

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  as_root apt-get update -q
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q --no-install-recommends "${missing[@]}"
}

as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

# ensure_wine32: 32-bit Wine, which runs the shipped i686 programs. It needs the i386 package
# index; when that cannot be had, the architecture is taken out again so that no later
# apt-get update fails on it, and the caller goes on without the i686 runs.
ensure_wine32() {
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed" && return 0
  local added=0
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386 && added=1
  fi
  echo "== installing: wine32:i386"
  if as_root apt-get update -q && DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -q \
       --no-install-recommends wine32:i386; then
    return 0
  fi
  if [ "$added" = 1 ] && ! dpkg-query -W -f='${Package}:${Architecture}\n' 2>/dev/null | grep -q ':i386$'; then
    as_root dpkg --remove-architecture i386 && as_root apt-get update -q > /dev/null 2>&1
  fi
  return 1
}

# ensure_locales: the locales of WINE_LOCALES generated, as /etc/locale.gen names them.
ensure_locales() {
  local missing=() name
  for name in "${WINE_LOCALES[@]}"; do
    locale -a 2>/dev/null | grep -qix "${name%.UTF-8}.utf8" || missing+=("$name")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  for name in "${missing[@]}"; do
    grep -q "^# *$name UTF-8" /etc/locale.gen && as_root sed -i "s/^# *$name UTF-8/$name UTF-8/" /etc/locale.gen
    grep -qx "$name UTF-8" /etc/locale.gen || echo "$name UTF-8" | as_root tee -a /etc/locale.gen > /dev/null
  done
  as_root locale-gen > /dev/null
}

# Wine's two loaders. Each hands a program of the other kind to the other one.
WINE32_LOADER=/usr/lib/wine/wine
WINE64_LOADER=/usr/lib/wine/wine64

# True when 32-bit Wine is installed, whether or not this kernel can run it.
have_wine32() { [ -e "$WINE32_LOADER" ]; }

# True when a 32-bit Linux program starts here, decided by starting one: the 32-bit Wine loader,
# which prints its version without a prefix or a wineserver. A kernel without ia32 emulation
# refuses it ("Exec format error"); an emulator that spins is cut short.
runs_i386_programs() { have_wine32 && timeout 60 "$WINE32_LOADER" --version > /dev/null 2>&1; }

source "$ROOT/scripts/i386.sh"

# configure_build DIR FLAVOUR [cmake options...]: the one way a build folder is made. Configures
# DIR once for FLAVOUR (native, asan, fuzz, coverage, i686, x86_64), warnings as errors, then
# builds ZIX_TARGETS (default: all). The options count only at that first configuration.
configure_build() {
  local dir=$1 flavour=$2; shift 2
  local clang=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++) options
  case $flavour in
    native)   options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan)     options=(-DCMAKE_BUILD_TYPE=Debug -DZIX_SANITIZE=ON) ;;
    fuzz)     options=("${clang[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIX_FUZZ=ON -DZIX_TESTS=OFF) ;;
    coverage) options=("${clang[@]}" -DCMAKE_BUILD_TYPE=Debug -DZIX_COVERAGE=ON) ;;
    i686|x86_64)
      options=(-DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-$flavour.cmake" -DCMAKE_BUILD_TYPE=MinSizeRel) ;;
    *) echo "configure_build: no build flavour $flavour" >&2; return 2 ;;
  esac
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DZIX_WERROR=ON "${options[@]}" "$@" >/dev/null || return 1
  fi
  local targets=()
  # shellcheck disable=SC2206  # the list is space-separated target names
  [ -n "${ZIX_TARGETS:-}" ] && targets=(--target $ZIX_TARGETS)
  cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# with_targets "T1 T2" COMMAND...: run a build function for those targets only.
with_targets() { local targets=$1; shift; ZIX_TARGETS="$targets" "$@"; }

# The project's own build folders; ZIX_BUILD_WIN32 and ZIX_BUILD_WIN64 name other Windows ones.
build_native() { configure_build "$ROOT/build/native" native "$@"; }
build_asan()   { configure_build "$ROOT/build/asan" asan "$@"; }
build_fuzz()   { configure_build "$ROOT/build/fuzz" fuzz "$@"; }
build_win32()  { configure_build "${ZIX_BUILD_WIN32:-$ROOT/build/win32}" i686 "$@"; }
build_win64()  { configure_build "${ZIX_BUILD_WIN64:-$ROOT/build/win64}" x86_64 "$@"; }

# start_wine [win64|win32] [LOCALE]: a fresh prefix of that kind of Windows (default win64) in
# that Unix locale (default: the caller's) and, without a display or with ZIX_OWN_XVFB=1, an Xvfb
# of our own. stop_wine undoes all three. Several may run at once, each in its own subshell.
start_wine() {
  local kind=${1:-win64} locale=${2:-}
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer dialogs
  if [ "$kind" = win32 ]; then export WINEARCH=win32; else unset WINEARCH; fi
  # wine, wineboot and winepath start through the loader of the prefix's kind: the 64-bit one
  # hands a 32-bit program to the 32-bit one, and starts a 64-bit program where this kernel runs
  # no 32-bit program at all.
  export WINELOADER=$WINE64_LOADER
  [ "$kind" = win32 ] && WINELOADER=$WINE32_LOADER
  case ":$PATH:" in *":$ROOT/scripts/wine:"*) ;; *) export PATH="$ROOT/scripts/wine:$PATH" ;; esac
  [ -n "$locale" ] && export LC_ALL=$locale LANG=$locale
  export WINEPREFIX=${ZIX_WINEPREFIX:-$(mktemp -d /tmp/zixgame-wine.XXXXXX)}
  ZIX_OWN_PREFIX=1; [ -n "${ZIX_WINEPREFIX:-}" ] && ZIX_OWN_PREFIX=0
  if [ -z "${DISPLAY:-}" ] || [ "${ZIX_OWN_XVFB:-0}" = 1 ]; then
    local numberFile; numberFile=$(mktemp)
    # Xvfb picks a free display itself and writes its number, so parallel starts never collide.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3> "$numberFile" > /dev/null 2>&1 &
    ZIX_XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$numberFile" ] && break; sleep 0.1; done
    export DISPLAY=":$(head -1 "$numberFile")"
    rm -f "$numberFile"
  fi
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
}

stop_wine() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "${ZIX_XVFB_PID:-}" ] && kill "$ZIX_XVFB_PID" 2>/dev/null
  [ "${ZIX_OWN_PREFIX:-0}" = 1 ] && rm -rf "$WINEPREFIX"
  return 0
}
