#!/usr/bin/env bash
# Start-up time and memory of zixgame.exe under Wine, in one run, beside two yardsticks built
# with the same options: a bare Win32 window, and the least launcher (the same manifest, OLE,
# and as many themed buttons as the launcher has entries), which shows what the system itself
# costs for what the launcher must show. Each is started ZIX_BENCH_RUNS times (default 15) from
# a folder of its own, the launcher with 10 and with 1,000 game entries. Prints the median time
# from the start to the visible window and its ratios to both yardsticks, the median working
# set at that moment and its distance from both, and the size of the stripped 32-bit launcher,
# each beside its target (the targets are against the bare window). A benchmark: it reports
# figures and fails only when it cannot measure them.
# ZIX_BENCH_BUILD64 and ZIX_BENCH_BUILD32 name other build folders than build/bench-win64 and
# build/bench-win32.
set -uo pipefail
source "$(dirname "$0")/../scripts/common.sh"
cd "$ROOT"

runs=${ZIX_BENCH_RUNS:-15}
build64=${ZIX_BENCH_BUILD64:-build/bench-win64}
build32=${ZIX_BENCH_BUILD32:-build/bench-win32}

ensure_packages >&2 || { echo "bench: cannot install what it needs" >&2; exit 1; }

build() {  # build DIR ARCH TARGET...: a build without tests, with the benchmarks
  local dir=$1 arch=$2; shift 2
  ZIX_TARGETS="$*" configure_build "$dir" "$arch" -DZIX_TESTS=OFF -DZIX_BENCH=ON >/dev/null
}
build "$build64" x86_64 zixgame bench_bare_window bench_least_launcher bench_start ||
  { echo "bench: the x86_64 build failed" >&2; exit 1; }
build "$build32" i686 zixgame || { echo "bench: the i686 build failed" >&2; exit 1; }

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
mkdir -p "$work/bare" "$work/least" "$work/entries10" "$work/entries1000"
cp "$build64/bench_bare_window.exe" "$work/bare/bare.exe"
cp "$build64/bench_least_launcher.exe" "$work/least/least.exe"
for count in 10 1000; do
  cp "$build64/zixgame.exe" "$work/entries$count/zixgame.exe"
  settings "$count" >"$work/entries$count/zixgame.ini"
done
i686-w64-mingw32-strip -o "$work/zixgame-i686.exe" "$build32/zixgame.exe" || exit 1
exe_bytes=$(stat -c %s "$work/zixgame-i686.exe")

start_wine
trap cleanup EXIT
programs=()
least=$(winepath -w "$work/least/least.exe")
programs=("$(winepath -w "$work/bare/bare.exe")" "$least|10" "$least|1000")
for program in entries10/zixgame.exe entries1000/zixgame.exe; do
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
    if (NR != 5) { print "bench: expected five programs, got " NR > "/dev/stderr"; exit 1 }
    # Lines: the bare window, the least launcher with 10 and 1000 buttons, zixgame with 10 and
    # 1000 entries; each zixgame line is compared with the least launcher of its size.
    name[1] = "bare window"; name[2] = "least launcher, 10"; name[3] = "least launcher, 1000"
    name[4] = "zixgame, 10 entries"; name[5] = "zixgame, 1000 entries"
    least[4] = 2; least[5] = 3
    ratioTarget[4] = 1.15; ratioTarget[5] = 2; memoryTarget[4] = 2048; memoryTarget[5] = 8192
    # The fastest start shows the cost of the program itself best on a machine others load too.
    print "time from start to visible window (median, and fastest):"
    for (i = 1; i <= 3; i++) {
      printf "  %-24s %8.1f ms %8.1f ms", name[i], time[i], fastest[i]
      if (i > 1) printf "  %5.2fx the bare window", time[i] / time[1]
      printf "\n"
    }
    for (i = 4; i <= 5; i++)
      printf "  %-24s %8.1f ms %8.1f ms  %5.2fx the bare window (target at most %gx), %5.2fx the least launcher\n",
             name[i], time[i], fastest[i], time[i] / time[1], ratioTarget[i], time[i] / time[least[i]]
    print "working set at the first show (median):"
    for (i = 1; i <= 3; i++) {
      printf "  %-24s %8d KiB", name[i], memory[i]
      if (i > 1) printf "  %+6d KiB beside the bare window", memory[i] - memory[1]
      printf "\n"
    }
    for (i = 4; i <= 5; i++)
      printf "  %-24s %8d KiB  %+6d KiB beside the bare window (target at most +%d KiB), %+6d KiB beside the least launcher\n",
             name[i], memory[i], memory[i] - memory[1], memoryTarget[i], memory[i] - memory[least[i]]
    printf "stripped i686 zixgame.exe: %d bytes (%.1f KiB; target at most 300 KB)\n", exe_bytes,
           exe_bytes / 1024
  }'
