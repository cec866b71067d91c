#!/usr/bin/env bash
# zixgame-check against settings files with known mistakes, the guide's examples, usage errors,
# its JSON and its SVG picture (rendered by ImageMagick).
#   bash tests/check/run_check_tests.sh [BUILD_DIR]      (default build/native)
# ZIX_CHECK_CMD replaces the program, e.g. "wine build/win64/zixgame-check.exe".
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${1:-$ROOT/build/native}
read -r -a CHECK <<< "${ZIX_CHECK_CMD:-$BUILD/zixgame-check}"
command -v python3 > /dev/null || { echo "python3 is needed to read the JSON"; exit 1; }
WORK=$(mktemp -d /tmp/zixgame-check-tests.XXXXXX)
trap 'rm -rf "$WORK"' EXIT

passed=0; failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# check ARGS...: runs the program; sets out, err and status. Windows programs end lines in CR LF.
check() {
  "${CHECK[@]}" "$@" > "$WORK/stdout" 2> "$WORK/stderr"; status=$?
  out=$(tr -d '\r' < "$WORK/stdout")
  err=$(tr -d '\r' < "$WORK/stderr")
}

# The warnings of a text report as "code:line" words, in report order.
warnings_of() {
  awk '{
    at = index($0, ": warning: "); if (at == 0) next
    where = substr($0, 1, at - 1); line = 0
    if (match(where, /:[0-9]+$/)) line = substr(where, RSTART + 1)
    code = $0; sub(/.*\[/, "", code); sub(/\]$/, "", code)
    printf "%s%s:%s", (n++ ? " " : ""), code, line
  }' <<< "$1"
}

# A folder laid out like a launcher's: the settings file and a few games.
lay_out() {  # lay_out DIR SETTINGS_FILE
  mkdir -p "$1/bin" "$1/data"
  cp "$2" "$1/zixgame.ini"
  : > "$1/a.exe"; : > "$1/b.exe"; : > "$1/bin/a.exe"
}

json_check() {  # json_check JSON EXPECTED_WARNINGS: valid, complete, and the text's warnings
  printf '%s' "$1" > "$WORK/report.json"
  python3 - "$2" "$WORK/report.json" <<'PY'
import json, sys
with open(sys.argv[2], encoding="utf-8") as f:
    report = json.load(f)
for key in ("window", "grid", "count", "buttons", "warnings"):
    assert key in report, key
for key in ("width", "height", "title", "client"):
    assert key in report["window"], key
for key in ("OriginX", "OriginY", "SpaceX", "SpaceY", "ButtonWidth", "ButtonHeight", "ColCount"):
    assert isinstance(report["grid"][key], int), key
for button in report["buttons"]:
    for key in ("tag", "caption", "hint", "tooltip", "left", "top", "width", "height", "outcome"):
        assert key in button, key
    assert set(button["outcome"]) == {"32", "64"}, button["outcome"]
    for outcome in button["outcome"].values():
        assert outcome["kind"] in ("start", "message", "error"), outcome
        if outcome["kind"] == "start":
            assert outcome["via"] in ("ExecuteFile", "ExecuteFileInDir"), outcome
found = " ".join(f"{w['code']}:{w['line'] or 0}" for w in report["warnings"])
assert found == sys.argv[1], f"JSON warnings {found!r}, text warnings {sys.argv[1]!r}"
PY
}

echo "== settings files with known mistakes"
while IFS=$'\t' read -r file expected_status expected; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  dir="$WORK/case-${file%.ini}"
  lay_out "$dir" "$HERE/cases/$file"
  check "$dir"
  found=$(warnings_of "$out")
  if [[ "$status" != "$expected_status" || "$found" != "${expected:-}" ]]; then
    fail "$file: exit $status, warnings [$found]; expected exit $expected_status, [${expected:-}]"
    [ -n "$err" ] && echo "$err"
    continue
  fi
  check --json "$dir"
  if [[ "$status" != "$expected_status" ]] || ! json_check "$out" "$found" 2> "$WORK/json.err"; then
    fail "$file: --json exit $status: $(tail -1 "$WORK/json.err")"
    continue
  fi
  pass
done < "$HERE/expected.tsv"

echo "== the guide's examples"
while IFS=$'\t' read -r file expected_status expected; do
  [[ -z "$file" || "$file" == \#* ]] && continue
  dir="$WORK/example-${file%.ini}"
  mkdir -p "$dir"
  cp "$ROOT/docs/examples/$file" "$dir/zixgame.ini"
  # The games an example names, so that only its own lessons remain as warnings.
  while IFS= read -r name; do
    path="$dir/${name//\\//}"; mkdir -p "$(dirname "$path")"; : > "$path"
  done < <(tr -d '\r' < "$dir/zixgame.ini" | sed -n -E 's/^[[:space:]]*exe(_x64)?[[:space:]]*=[[:space:]]*(.+)$/\2/p')
  while IFS= read -r name; do
    mkdir -p "$dir/${name//\\//}"
  done < <(tr -d '\r' < "$dir/zixgame.ini" | sed -n -E 's/^[[:space:]]*curDir[[:space:]]*=[[:space:]]*(.+)$/\1/p')
  check "$dir"
  found=$(warnings_of "$out")
  if [[ "$status" != "$expected_status" || "$found" != "${expected:-}" ]]; then
    fail "docs/examples/$file: exit $status, warnings [$found]; expected exit $expected_status, [${expected:-}]"
  else
    pass
  fi
done < "$HERE/examples.tsv"

echo "== the guide shows its examples as they are"
for example in "$ROOT"/docs/examples/*.ini; do
  name=$(basename "$example")
  if ! grep -q "^$name"$'\t' "$HERE/examples.tsv"; then fail "$name is not in examples.tsv"; continue; fi
  if python3 - "$example" "$ROOT/docs/guide.md" <<'PY'
import sys
example = open(sys.argv[1], encoding="utf-8-sig").read().replace("\r\n", "\n").rstrip("\n")
sys.exit(0 if example in open(sys.argv[2], encoding="utf-8").read() else 1)
PY
  then pass; else fail "docs/guide.md does not show docs/examples/$name as it is"; fi
done

echo "== usage and read errors"
expect_error() {  # expect_error TEXT_ON_STDERR ARGS...
  local text=$1; shift
  check "$@"
  if [[ "$status" == 2 && "$err" == *"$text"* && -z "$out" ]]; then pass
  else fail "zixgame-check $*: exit $status, stderr [$err]; expected exit 2 with [$text]"; fi
}
expect_error "unknown option --colour" --colour "$WORK"
expect_error "--system" --system 16 "$WORK"
expect_error "only one FOLDER or FILE" "$WORK" "$WORK"
expect_error "no settings file" "$WORK/nowhere"
mkdir -p "$WORK/folder-named-ini/zixgame.ini"
expect_error "is a folder" "$WORK/folder-named-ini"
expect_error "is not known" --codepage 12345 "$WORK/case-clean"
check --help
if [[ "$status" == 0 && "$out" == usage:* ]]; then pass; else fail "--help: exit $status"; fi

echo "== options"
# 游戏 in GBK without a mark: right in code page 936, garbled in 1252.
mkdir -p "$WORK/gbk"; printf '[set]\r\ntitle=\xD3\xCE\xCF\xB7\r\nCount=0\r\n' > "$WORK/gbk/zixgame.ini"
check --json "$WORK/gbk"
if [[ "$out" == *'"title":"游戏"'* ]]; then pass; else fail "code page 936: $out"; fi
check --json --codepage 1252 "$WORK/gbk"
if [[ "$out" == *'"title":"ÓÎÏ·"'* ]]; then pass; else fail "code page 1252: $out"; fi
# The imagined system, version, client and launcher folder reach the report.
check --json --system 32 --version 6.1 --client 300x200 --launcher-dir 'D:\Spiele' "$WORK/case-clean"
if [[ "$out" == *'"client":{"width":300,"height":200}'* && "$out" == *'"OriginX":60'* &&
      "$out" == *'"outcome":{"kind":"start","file":"D:\\Spiele\\a.exe"'* ]]; then pass
else fail "--system 32 --client --launcher-dir: $out"; fi
check --system 64 --version 6.1 "$HERE/cases/inverted-bounds.ini"
if [[ "$out" == *'64-bit: message "当前游戏不支持[win7]"'* ]]; then pass; else fail "--version 6.1: $out"; fi

echo "== SVG in a real renderer"
svg="$WORK/window.svg"; png="$WORK/window.png"
check --svg "$svg" "$WORK/case-button-outside"
if [[ "$status" != 1 ]] || ! convert "$svg" "$png" 2> "$WORK/convert.err"; then
  fail "SVG: exit $status, $(cat "$WORK/convert.err")"
else
  pixel() { convert "$png" -format "%[pixel:p{$1,$2}]" info:; }
  red=$(convert "$png" -fx "r > 0.6 && g < 0.35 && b < 0.35" -format "%[fx:round(mean*w*h)]" info:)
  size=$(convert "$png" -format "%w %h" info:)
  # width=100 height=290: client 84x252 at (8,30); the buttons at client x -48 and 52, y 108;
  # the picture reaches from x -40 to 140 and y 0 to 290, with a 12-pixel margin.
  client=$(pixel $((50 + 52)) $((60 + 12)))        # inside the client, above the grid
  face=$(pixel $((-30 + 52)) $((30 + 111 + 12)))   # inside the first button, left of its text
  if [[ "$size" == "204 314" && "$client" == "srgb(240,240,240)" && "$face" == "srgb(225,225,225)" &&
        "$red" -gt 20 ]]; then
    pass
  else
    fail "SVG: size $size, client $client, button $face, $red dashed red pixels"
  fi
fi

echo
echo "zixgame-check: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
