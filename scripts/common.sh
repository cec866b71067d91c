# Shared by test.sh, run.sh and the other scripts: installing what is missing, building,
# and a throwaway Wine prefix on a display of its own.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=${JOBS:-$(nproc)}

PACKAGES=(cmake make g++ clang libclang-rt-14-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64
          binutils-mingw-w64-i686 binutils-mingw-w64-x86-64 wine wine64 xvfb xauth
          googletest libbenchmark-dev libinih-dev imagemagick fonts-wqy-microhei fonts-wine x11-utils
          zip unzip librsvg2-bin)  # librsvg2-bin: the SVG reader ImageMagick calls

ensure_packages() {
  local missing=()
  for p in "${PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  local sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# configure_build DIR [cmake args...]: configure once, then build ZIX_TARGETS (default: all).
configure_build() {
  local dir=$1; shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DZIX_WERROR=ON "$@" >/dev/null
  fi
  local targets=()
  # shellcheck disable=SC2206  # the list is space-separated target names
  [ -n "${ZIX_TARGETS:-}" ] && targets=(--target $ZIX_TARGETS)
  cmake --build "$dir" -j "$JOBS" "${targets[@]}"
}

# with_targets "T1 T2" COMMAND...: run a build function for those targets only.
with_targets() { local targets=$1; shift; ZIX_TARGETS="$targets" "$@"; }

build_native()  { configure_build "$ROOT/build/native" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"; }
build_asan()    { configure_build "$ROOT/build/asan" -DCMAKE_BUILD_TYPE=Debug -DZIX_SANITIZE=ON "$@"; }
build_fuzz()    { configure_build "$ROOT/build/fuzz" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
                    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIX_FUZZ=ON -DZIX_TESTS=OFF "$@"; }
build_win32()   { configure_build "$ROOT/build/win32" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake" \
                    -DCMAKE_BUILD_TYPE=MinSizeRel "$@"; }
build_win64()   { configure_build "$ROOT/build/win64" -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake" \
                    -DCMAKE_BUILD_TYPE=MinSizeRel "$@"; }

# start_wine: a fresh prefix and, without a display, an Xvfb of our own. stop_wine undoes both.
start_wine() {
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="   # no Mono or Gecko installer dialogs
  export WINEPREFIX=${ZIX_WINEPREFIX:-$(mktemp -d /tmp/zixgame-wine.XXXXXX)}
  ZIX_OWN_PREFIX=1; [ -n "${ZIX_WINEPREFIX:-}" ] && ZIX_OWN_PREFIX=0
  if [ -z "${DISPLAY:-}" ] || [ "${ZIX_OWN_XVFB:-0}" = 1 ]; then
    local n=99
    while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    ZIX_XVFB_PID=$!
    export DISPLAY=":$n"
    for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
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
