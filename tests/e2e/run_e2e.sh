#!/usr/bin/env bash
# Runs the end-to-end suite under the Wine that the caller started (WINEPREFIX, DISPLAY and
# WINEDEBUG exported, as test.sh's start_wine does). ZIX_BUILD_WIN64 names another x86_64 build
# folder than build/win64; extra arguments go to the suite (for instance --gtest_filter=...).
set -uo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=${ZIX_BUILD_WIN64:-build/win64}
case $build in /*) ;; *) build=$root/$build ;; esac

for program in e2e_tests.exe fakegame.exe zixgame.exe; do
  if [ ! -f "$build/$program" ]; then
    echo "run_e2e: $build/$program is missing; build the x86_64 targets first" >&2
    exit 1
  fi
done
if [ -z "${WINEPREFIX:-}" ] || [ -z "${DISPLAY:-}" ]; then
  echo "run_e2e: start Wine first (WINEPREFIX and DISPLAY must be set)" >&2
  exit 1
fi

# The suite bounds each of its own waits; this bounds the whole run should Wine itself stall.
start=$(date +%s)
timeout --kill-after=10 600 wine "$build/e2e_tests.exe" --gtest_brief=1 "$@"
status=$?
echo "run_e2e: $(( $(date +%s) - start )) s, exit status $status"
exit $status
