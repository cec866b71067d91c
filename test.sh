#!/usr/bin/env bash
# Installs what is missing, builds every target and runs every test. Exits non-zero on any failure.
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
cd "$ROOT"

passed=0; failed=0; failures=(); timings=(); run_start=$(date +%s)
step() {  # step NAME COMMAND...: run one suite and count it
  local name=$1 start; shift
  echo "== $name"
  start=$(date +%s)
  if "$@"; then passed=$((passed + 1)); echo "-- $name: ok"
  else failed=$((failed + 1)); failures+=("$name"); echo "-- $name: FAILED"; fi
  timings+=("$(printf '%5d s  %s' $(($(date +%s) - start)) "$name")")
}

ensure_packages || { echo "cannot install the build dependencies"; exit 1; }
ensure_locales || echo "cannot generate the locales ${WINE_LOCALES[*]}: the runs in them will fail"
with_i386 "$@"
i686=1; [ "$ZIX_I386" = none ] && i686=0

step "src folder order" python3 scripts/check_rooms.py
step "build native" build_native
# The sanitized build only needs what runs from it.
step "build asan" with_targets unit_tests build_asan
step "build fuzz" build_fuzz
step "build win32" build_win32
step "build win64" build_win64
step "XP imports (i686)" bash tests/compat/run_xp_imports_test.sh build/win32

# Each run of a Windows suite in a prefix of its own, on a display of its own, in the background;
# its output is kept in a log and shown when its step is reported.
wine_logs=$(mktemp -d)
wine_job() {  # wine_job NAME win64|win32 LOCALE COMMAND...: starts one run; its pid is $!
  local name=$1 kind=$2 locale=$3; shift 3
  ( ZIX_OWN_XVFB=1; unset ZIX_WINEPREFIX; start_wine "$kind" "$locale"; trap stop_wine EXIT
    "$@" ) > "$wine_logs/$name.log" 2>&1 &
}
job_result() {  # job_result PID LOG: the run's status, after its output
  wait "$1"; local status=$?
  cat "$2"
  return $status
}
in_locale() {  # in_locale LOCALE COMMAND...: fails at once where the locale was not generated
  if ! locale -a 2>/dev/null | grep -qix "${1%.UTF-8}.utf8"; then echo "no locale $1 here"; return 1; fi
  shift; "$@"
}

# A suite renamed or removed must fail the runs that choose it by name, not drop out of them.
filter_naming_no_test_fails() {
  local output
  output=$(bash tests/e2e/run_e2e.sh build/win64 --gtest_filter='SuiteMachine*:NoSuchSuite.*' 2>&1) &&
    { echo "the run passed: $output"; return 1; }
  grep -q "NoSuchSuite" <<< "$output" || { echo "the run failed otherwise: $output"; return 1; }
}

# Where the outcome depends on the kind of Windows: the executable chosen, the 32-bit message, the
# fatal box's address, the checker's imagined system; and on the code page or decimal separator:
# files without a mark, Chinese names, bounds with "," and ".".
system_tests='SuiteMachine*:*GameLaunch*:*CheckAgreement*:*VersionBounds*:*LockedSettings*:*FatalStart*:*ClickError*:*SingleEntry*'
locale_tests='SuiteMachine*:*CheckAgreement*:*DecimalSeparator*:*ChineseFolderLaunch*:*HostileSettings.EndsAsStated/NonAscii*'
locale_tests+=':*HostileSettings.EndsAsStated/RandomBytes*:*HostileSettings.EndsAsStated/Utf*'
# The checker's language follows the prefix's: Chinese in zh_CN, English elsewhere.
locale_tests+=':*CheckLanguageOnWindows*'

# These runs wait more than they compute and bound their waits generously, so they go on beside
# the native tests; the main prefix's runs, tooltip timings among them, come after them alone.
if [ "$i686" = 1 ]; then
  # Each names the machine its prefix must give; the suite's SuiteMachine test holds it to that.
  wine_job win32 win32 "" env ZIX_E2E_WINDOWS=32 \
    bash tests/e2e/run_e2e.sh build/win32 --gtest_filter="$system_tests"
  win32_job=$!
  wine_job zh_CN win64 zh_CN.UTF-8 in_locale zh_CN.UTF-8 env ZIX_E2E_WINDOWS=64 ZIX_E2E_CODEPAGE=936 \
    bash tests/e2e/run_e2e.sh build/win32 --gtest_filter="$locale_tests"
  zh_job=$!
  wine_job de_DE win64 de_DE.UTF-8 in_locale de_DE.UTF-8 env ZIX_E2E_WINDOWS=64 ZIX_E2E_DECIMAL=, \
    bash tests/e2e/run_e2e.sh build/win32 --gtest_filter="$locale_tests"
  de_job=$!
fi

step "unit tests (native)" build/native/unit_tests --gtest_brief=1
step "unit tests (ASan+UBSan)" env ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  build/asan/unit_tests --gtest_brief=1

step "zixgame-check" bash tests/check/run_check_tests.sh build/native
step "zixgame-check --html (Chromium)" bash tests/check/run_html_test.sh build/native

start_wine
trap stop_wine EXIT
step "unit tests (Wine, x86_64)" wine build/win64/unit_tests.exe --gtest_brief=1
[ "$i686" = 1 ] && step "unit tests (Wine, i686, 64-bit Windows)" wine build/win32/unit_tests.exe --gtest_brief=1
export ZIX_E2E_WINDOWS=64
# The shipped program is the i686 one, and the whole suite runs on it; the x86_64 build has the
# launch outcomes, unless no i686 program can run here.
if [ "$i686" = 1 ]; then
  step "e2e (x86_64, 64-bit Windows, launch outcomes)" bash tests/e2e/run_e2e.sh build/win64 \
    --gtest_filter='SuiteMachine*:*GameLaunch*:*SingleEntry*'
  step "e2e (i686, 64-bit Windows)" bash tests/e2e/run_e2e.sh build/win32
else
  step "e2e (x86_64, 64-bit Windows)" bash tests/e2e/run_e2e.sh build/win64
fi
step "e2e: a filter that names no test fails" filter_naming_no_test_fails
unset ZIX_E2E_WINDOWS
step "release package" bash tests/check/run_release_test.sh
stop_wine; trap - EXIT
step "release built twice, byte for byte" bash tests/check/run_reproducible_test.sh

if [ "$i686" = 1 ]; then
  step "e2e (i686, 32-bit Windows)" job_result "$win32_job" "$wine_logs/win32.log"
  step "e2e (i686, 64-bit Windows, zh_CN)" job_result "$zh_job" "$wine_logs/zh_CN.log"
  step "e2e (i686, 64-bit Windows, de_DE)" job_result "$de_job" "$wine_logs/de_DE.log"
fi
rm -rf "$wine_logs"

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
echo "time of each step (a run in the background: until its result was reported):"
printf '%s\n' "${timings[@]}"
echo "whole run: $(($(date +%s) - run_start)) s"
[ ${#failures[@]} -gt 0 ] && printf 'failed: %s\n' "${failures[@]}"
echo "suites: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
