#!/usr/bin/env bash
# The shipped i686 programs start on Windows XP SP3: every function they import is one that XP's
# DLLs export, and their headers ask for no newer Windows. First the check itself is shown to
# catch both faults, on small programs compiled here.
#   bash tests/compat/run_xp_imports_test.sh [BUILD_DIR]   (default build/win32)
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
build=${1:-$HERE/../../build/win32}
exports=$HERE/winxp-sp3-x86-exports
check() { python3 "$HERE/xp_imports.py" "$exports" "$@"; }

passed=0; failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }
work=$(mktemp -d /tmp/zixgame-xp-imports.XXXXXX)
trap 'rm -rf "$work"' EXIT

echo "== the check on programs that would not start on XP"
# NAME|LINK OPTIONS|CALL|the fault the check must name
while IFS='|' read -r name options call fault; do
  printf '#include <windows.h>\nint main(void) { return (int)%s; }\n' "$call" > "$work/$name.c"
  # shellcheck disable=SC2086  # the options are separate words
  if ! i686-w64-mingw32-gcc -D_WIN32_WINNT=0x0600 -o "$work/$name.exe" "$work/$name.c" $options; then
    fail "$name: cannot be compiled"; continue
  fi
  out=$(check "$work/$name.exe"); status=$?
  if [ "$status" = 1 ] && grep -qF "$fault" <<< "$out"; then pass
  else fail "$name: exit $status, [$out], not [$fault]"; fi
done <<'CASES'
vista-function||GetTickCount64()|imports GetTickCount64 from KERNEL32.dll, which Windows XP SP3 does not export
vista-subsystem|-Wl,--major-subsystem-version,6|GetTickCount()|asks for subsystem version 6.0
vista-system|-Wl,--major-os-version,6|GetTickCount()|asks for operating system version 6.0
CASES
# The same small program without them passes, so the faults above are the cases' own.
printf '#include <windows.h>\nint main(void) { return (int)GetTickCount(); }\n' > "$work/xp.c"
if i686-w64-mingw32-gcc -o "$work/xp.exe" "$work/xp.c" && check "$work/xp.exe"; then pass
else fail "a program that needs only XP is refused"; fi

echo "== the shipped programs"
for program in zixgame.exe zixgame-check.exe; do
  if [ ! -f "$build/$program" ]; then fail "$build/$program is missing"; continue; fi
  if check "$build/$program"; then pass; else fail "$program would not start on Windows XP SP3"; fi
done

echo
echo "XP imports: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
