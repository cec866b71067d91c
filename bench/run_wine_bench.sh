#!/usr/bin/env bash
# Start-up time and memory of zixgame.exe under Wine, in one run, beside a bare Win32 window
# program built with the same options: each is started ZIX_BENCH_RUNS times (default 15) from
# a folder of its own, the launcher with 10 and with 1,000 game entries. Prints the median time
# from the start to the visible window and its ratio to the bare window's, the median working
# set at that moment and its distance from the bare window's, and the size of the stripped
# 32-bit launcher, each beside its target. A benchmark: it reports figures and fails only when
# it cannot measure them.
# ZIX_BENCH_BUILD64 and ZIX_BENCH_BUILD32 name other build folders than build/bench-win64 and
# build/bench-win32.
set -uo pipefail
source "$(dirname "$0")/../scripts/common.sh"
cd "$ROOT"

runs=${ZIX_BENCH_RUNS:-15}
build64=${ZIX_BENCH_BUILD64:-build/bench-win64}
build32=${ZIX_BENCH_BUILD32:-build/bench-win32}

ensure_packages >&2 || { echo "bench: cannot install what it needs" >&2; exit 1; }

build() {  # build DIR TOOLCHAIN TARGET...
  local dir=$1 toolchain=$2; shift 2
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$dir" -DZIX_WERROR=ON -DCMAKE_BUILD_TYPE=MinSizeRel -DZIX_TESTS=OFF \
      -DZIX_BENCH=ON -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/$toolchain" >/dev/null || return 1
  fi
  local target
  for target in "$@"; do cmake --build "$dir" -j "$JOBS" --target "$target" >/dev/null || return 1; done
}
build "$build64" mingw-x86_64.cmake zixgame bench_bare_window bench_start ||
  { echo "bench: the x86_64 build failed" >&2; exit 1; }
build "$build32" mingw-i686.cmake zixgame || { echo "bench: the i686 build failed" >&2; exit 1; }

work=$(mktemp -d /tmp/zixbench.XXXXXX)
cleanup() { stop_wine; rm -rf "$work"; }

# settings COUNT: a settings file with COUNT game entries, each with its caption and tooltip.
settings() {
  printf '[set]\r\nCount=%d\r\nCol=4\r\ntitle=bench\r\n' "$1"
  local n
  for ((n = 1; n <= $1; n++)); do
    printf '[%d]\r\nText=Game %d\r\nHint=Starts game number %d\r\nexe=games\\%d\\game.exe\r\n' "$n" "$n" "$n" "$n"
  done
}
mkdir -p "$work/bare" "$work/entries10" "$work/entries1000"
cp "$build64/bench_bare_window.exe" "$work/bare/bare.exe"
for count in 10 1000; do
  cp "$build64/zixgame.exe" "$work/entries$count/zixgame.exe"
  settings "$count" >"$work/entries$count/zixgame.ini"
done
i686-w64-mingw32-strip -o "$work/zixgame-i686.exe" "$build32/zixgame.exe" || exit 1
exe_bytes=$(stat -c %s "$work/zixgame-i686.exe")

start_wine
trap cleanup EXIT
programs=()
for program in bare/bare.exe entries10/zixgame.exe entries1000/zixgame.exe; do
  programs+=("$(winepath -w "$work/$program")")
done
echo "== $runs starts of each program after one unmeasured start (x86_64 builds, Wine $(wine --version))"
results=$(wine "$build64/bench_start.exe" "$runs" "${programs[@]}" | tr -d '\r') ||
  { echo "bench: the measurement failed" >&2; exit 1; }
echo "$results"
echo

echo "$results" | awk -v exe_bytes="$exe_bytes" '
  function field(line, name,    parts) {
    match(line, name "=[0-9.]+"); split(substr(line, RSTART, RLENGTH), parts, "="); return parts[2] + 0
  }
  {
    time[NR] = field($0, "start_ms"); fastest[NR] = field($0, "fastest_ms")
    memory[NR] = field($0, "working_set_kib")
  }
  END {
    if (NR != 3) { print "bench: expected three programs, got " NR > "/dev/stderr"; exit 1 }
    name[1] = "bare window"; name[2] = "zixgame, 10 entries"; name[3] = "zixgame, 1000 entries"
    ratioTarget[2] = 1.15; ratioTarget[3] = 2; memoryTarget[2] = 2048; memoryTarget[3] = 8192
    # The fastest start shows the cost of the program itself best on a machine others load too.
    print "time from start to visible window (median, and fastest):"
    printf "  %-24s %8.1f ms %8.1f ms\n", name[1], time[1], fastest[1]
    for (i = 2; i <= 3; i++)
      printf "  %-24s %8.1f ms %8.1f ms  %5.2fx and %5.2fx the bare window (target at most %gx)\n",
             name[i], time[i], fastest[i], time[i] / time[1], fastest[i] / fastest[1], ratioTarget[i]
    print "working set at the first show (median):"
    printf "  %-24s %8d KiB\n", name[1], memory[1]
    for (i = 2; i <= 3; i++)
      printf "  %-24s %8d KiB  %+6d KiB beside the bare window (target at most +%d KiB)\n", name[i],
             memory[i], memory[i] - memory[1], memoryTarget[i]
    printf "stripped i686 zixgame.exe: %d bytes (%.1f KiB; target at most 300 KB)\n", exe_bytes,
           exe_bytes / 1024
  }'
