#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test. Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
cd "$ROOT"

passed=0; failed=0; failures=()
step() {  # step NAME COMMAND...: run one suite and count it
  local name=$1; shift
  echo "== $name"
  if "$@"; then passed=$((passed + 1)); echo "-- $name: ok"
  else failed=$((failed + 1)); failures+=("$name"); echo "-- $name: FAILED"; fi
}

ensure_packages || { echo "cannot install the build dependencies"; exit 1; }

step "build native" build_native
# The sanitized and the i686 builds only need what runs or ships from them.
step "build asan" with_targets unit_tests build_asan
step "build fuzz" build_fuzz
step "build win32" with_targets "zixgame zixgame-check" build_win32
step "build win64" build_win64

step "unit tests (native)" build/native/unit_tests --gtest_brief=1
step "unit tests (ASan+UBSan)" env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build/asan/unit_tests --gtest_brief=1

step "zixgame-check" bash tests/check/run_check_tests.sh build/native

start_wine
trap stop_wine EXIT
step "unit tests (Wine, x86_64)" wine build/win64/unit_tests.exe --gtest_brief=1
for suite in tests/e2e/run_*.sh; do
  [ -f "$suite" ] && step "$(basename "$suite" .sh)" bash "$suite"
done
step "release package" bash tests/check/run_release_test.sh
stop_wine; trap - EXIT

# Each fuzz target runs for a bounded time on a copy of the seed corpus; two at a time, one per
# core, since none of them waits on anything but the processor.
fuzz_one() {  # fuzz_one TARGET LOG: one bounded run, its output kept in LOG
  local corpus status
  corpus=$(mktemp -d); cp -r tests/fuzz/corpus/. "$corpus"/ 2>/dev/null
  "$1" -max_total_time="${ZIX_FUZZ_SECONDS:-20}" -rss_limit_mb=2048 -print_final_stats=0 \
    "$corpus" tests/fuzz/corpus > "$2" 2>&1
  status=$?
  rm -rf "$corpus"
  return $status
}
fuzz_result() {  # fuzz_result PID LOG: the run's status, with its output shown when it failed
  wait "$1"; local status=$?
  [ "$status" -eq 0 ] || tail -40 "$2"
  return $status
}
fuzz_targets=()
for target in build/fuzz/fuzz_*; do [ -x "$target" ] && fuzz_targets+=("$target"); done
fuzz_logs=$(mktemp -d)
for ((i = 0; i < ${#fuzz_targets[@]}; i += 2)); do
  pair=("${fuzz_targets[@]:i:2}")
  pids=()
  for target in "${pair[@]}"; do
    fuzz_one "$target" "$fuzz_logs/$(basename "$target").log" & pids+=($!)
  done
  for j in "${!pair[@]}"; do
    name=$(basename "${pair[j]}")
    step "$name (${ZIX_FUZZ_SECONDS:-20} s)" fuzz_result "${pids[j]}" "$fuzz_logs/$name.log"
  done
done
rm -rf "$fuzz_logs"

echo
[ ${#failures[@]} -gt 0 ] && printf 'failed: %s\n' "${failures[@]}"
echo "suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
