#!/usr/bin/env bash
# Runs the end-to-end suite of one build under the Wine that the caller started (WINEPREFIX,
# DISPLAY and WINEDEBUG exported, as start_wine in scripts/common.sh does).
#   bash tests/e2e/run_e2e.sh BUILD_DIR [suite arguments, for instance --gtest_filter=...]
# BUILD_DIR is a Windows build folder such as build/win64 (x86_64) or build/win32 (i686); the
# suite drives the launcher, the fake game and the checker built beside it.
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${1:?usage: run_e2e.sh BUILD_DIR [suite arguments]}; shift
case $build in /*) ;; *) build=$root/$build ;; esac

for program in e2e_tests.exe fakegame.exe zixgame.exe zixgame-check.exe; do
  if [ ! -f "$build/$program" ]; then
    echo "run_e2e: $build/$program is missing; build the suite's targets there first" >&2
    exit 1
  fi
done
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "run_e2e: start Wine first (WINEPREFIX and DISPLAY must be set)" >&2
  exit 1
fi

# Each pattern a --gtest_filter chooses tests by must match one of the suite's tests: a run that
# names suites fails when one of them was renamed or removed, instead of leaving it out unseen.
unmatched_patterns() {  # unmatched_patterns FILTER: the patterns before its first '-'
  local names pattern name
  names=$(timeout 120 wine "$build/e2e_tests.exe" --gtest_list_tests | tr -d '\r' |
          awk '/^[^ ]/ { suite = $1 } /^  [^ ]/ { print suite $1 }')
  [ -n "$names" ] || { echo "(the suite listed no tests)"; return; }
  IFS=: read -r -a patterns <<< "${1%%-*}"
  for pattern in "${patterns[@]}"; do
    while read -r name; do
      # shellcheck disable=SC2053  # the pattern is a glob, as GoogleTest reads it
      [[ $name == $pattern ]] && continue 2
    done <<< "$names"
    echo "$pattern"
  done
}
for argument in "$@"; do
  case $argument in --gtest_filter=*)
    unmatched=$(unmatched_patterns "${argument#--gtest_filter=}")
    if [ -n "$unmatched" ]; then
      echo "run_e2e: no test of the suite matches:" $unmatched >&2
      exit 1
    fi ;;
  esac
done

# The suite bounds each of its own waits; this bounds the whole run should Wine itself stall.
# Through qemu-i386 (ZIX_I386, scripts/i386.sh) an i686 suite takes about twice as long.
bound=600; [ "${ZIX_I386:-}" = qemu ] && bound=1200
start=$(date +%s)
timeout --kill-after=10 "${ZIX_E2E_TIMEOUT:-$bound}" wine "$build/e2e_tests.exe" --gtest_brief=1 "$@"
status=$?
echo "run_e2e: $(( $(date +%s) - start )) s, exit status $status"
exit $status
