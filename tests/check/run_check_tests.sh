#!/usr/bin/env bash
# zixgame-check against settings files with known mistakes, the guide's examples, usage errors,
# its JSON and its SVG picture (rendered by ImageMagick).
#   bash tests/check/run_check_tests.sh [BUILD_DIR]      (default build/native)
# ZIX_CHECK_CMD replaces the program, e.g. "wine build/win64/zixgame-check.exe".
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build/native}" && pwd)   # some checks run in other folders
read -r -a CHECK <<< "${ZIX_CHECK_CMD:-$BUILD/zixgame-check}"
command -v python3 > /dev/null || { echo "python3 is needed to read the JSON"; exit 1; }
source "$HERE/script_test.sh" "zixgame-check"
# The tests read the English texts unless they ask for another language.
export LC_ALL=C.UTF-8; unset LANGUAGE LC_MESSAGES LANG

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
version=$(sed -n -E 's/^project\(zixgame VERSION ([0-9.]+).*/\1/p' "$ROOT/CMakeLists.txt")
check --version
if [[ "$status" == 0 && "$out" == "zixgame-check $version" ]]; then pass; else fail "--version: exit $status, [$out]"; fi

echo "== options"
# 游戏 in GBK without a mark: right in code page 936, garbled in 1252.
mkdir -p "$WORK/gbk"; printf '[set]\r\ntitle=\xD3\xCE\xCF\xB7\r\nCount=0\r\n' > "$WORK/gbk/zixgame.ini"
check --json "$WORK/gbk"
if [[ "$out" == *'"title":"游戏"'* ]]; then pass; else fail "code page 936: $out"; fi
check --json --codepage 1252 "$WORK/gbk"
if [[ "$out" == *'"title":"ÓÎÏ·"'* ]]; then pass; else fail "code page 1252: $out"; fi
# The imagined system, version, client and launcher folder reach the report.
check --json --system 32 --windows 6.1 --client 300x200 --launcher-dir 'D:\Spiele' "$WORK/case-clean"
if [[ "$out" == *'"client":{"width":300,"height":200}'* && "$out" == *'"OriginX":60'* &&
      "$out" == *'"outcome":{"kind":"start","file":"D:\\Spiele\\a.exe"'* ]]; then pass
else fail "--system 32 --client --launcher-dir: $out"; fi
# By default the Windows that 8, 8.1, 10 and 11 all report to the launcher.
check --system 64 "$HERE/cases/x64-only.ini"
if [[ "$out" == *'imagined: Windows 6.2 [win8]'* ]]; then pass; else fail "default Windows: $out"; fi
check --system 64 --windows 6.1 "$HERE/cases/inverted-bounds.ini"
if [[ "$out" == *'64-bit: message "当前游戏不支持[win7]"'* ]]; then pass; else fail "--windows 6.1: $out"; fi

echo "== two languages"
# The release's sample, as its folder holds it, reported in Chinese: the report's own words in
# Chinese, the launcher's messages as the launcher shows them.
mkdir -p "$WORK/sample"; cp "$ROOT/docs/examples/basic.ini" "$WORK/sample/zixgame.ini"
in_sample() { pushd "$WORK/sample" > /dev/null && check "$@" .; popd > /dev/null; }
in_sample --lang zh
if [[ "$status" == 1 && "$out" == "$(cat "$HERE/sample-report.zh.txt")" ]]; then pass
else fail "the Chinese report of the sample differs from sample-report.zh.txt:"; diff <(echo "$out") "$HERE/sample-report.zh.txt"; fi
chinese=$out
in_sample --lang en; english=$out
if [[ "$english" == "zixgame-check: ./zixgame.ini (UTF-8 with mark)"* && "$english" != "$chinese" ]]; then pass
else fail "--lang en: $english"; fi
# The environment chooses where --lang does not; --lang wins over it.
for variables in "LANG=zh_CN.UTF-8" "LC_MESSAGES=zh_CN.UTF-8 LANG=en_US.UTF-8" "LANGUAGE=zh_CN:en LC_ALL=C.UTF-8"; do
  (cd "$WORK/sample" && env -u LC_ALL $variables "${CHECK[@]}" . > "$WORK/env.out" 2>&1)
  if [[ "$(tr -d '\r' < "$WORK/env.out")" == "$chinese" ]]; then pass; else fail "$variables: not the Chinese report"; fi
done
(cd "$WORK/sample" && env -u LC_ALL LANG=zh_CN.UTF-8 "${CHECK[@]}" --lang en . > "$WORK/env.out" 2>&1)
if [[ "$(tr -d '\r' < "$WORK/env.out")" == "$english" ]]; then pass; else fail "--lang en under LANG=zh_CN: not English"; fi
# Codes, JSON field names and exit statuses stay as they are; only the words change.
for lang in en zh; do in_sample --json --lang "$lang"; printf '%s' "$out" > "$WORK/$lang.json"; echo "$status" >> "$WORK/statuses"; done
if python3 - "$WORK/en.json" "$WORK/zh.json" <<'PY'
import json, sys
en, zh = (json.load(open(p, encoding="utf-8")) for p in sys.argv[1:])
def shape(value):
    if isinstance(value, dict): return {k: shape(v) for k, v in value.items() if k != "message"}
    if isinstance(value, list): return [shape(v) for v in value]
    return value
assert shape(en) == shape(zh), "the JSON differs beyond the warnings' messages"
assert [w["message"] for w in en["warnings"]] != [w["message"] for w in zh["warnings"]]
PY
then pass; else fail "--json in two languages"; fi
if [[ "$(sort -u "$WORK/statuses")" == 1 ]]; then pass; else fail "exit statuses by language: $(cat "$WORK/statuses")"; fi
check --lang zh --system 16 "$WORK/sample"
if [[ "$status" == 2 && "$err" == *"“16”不是"* && "$err" == *"用法："* ]]; then pass; else fail "Chinese usage error: $err"; fi
check --lang zh "$WORK/nowhere"
if [[ "$status" == 2 && "$err" == "zixgame-check：没有设置文件“$WORK/nowhere”" ]]; then pass; else fail "Chinese read error: $err"; fi
check --lang de "$WORK/sample"
if [[ "$status" == 2 && "$err" == *'"de" is not zh or en'* ]]; then pass; else fail "--lang de: $err"; fi

echo "== --init on folder layouts"
# init_case NAME EXIT < LAYOUT 3< EXPECTED: --init on the layout must exit so and write the
# expected file (shown here without its mark and CRs), which then checks as --init reported.
init_case() {
  local name=$1 expected_status=$2 dir="$WORK/init-$1" expected
  expected=$(cat <&3)
  python3 "$HERE/tiny_program.py" --layout "$dir"
  check --init "$dir"
  local written="$dir/zixgame.ini"
  if [[ "$status" != "$expected_status" || ! -f "$written" ]]; then
    fail "--init $name: exit $status, [$err]"; return
  fi
  if [[ "$(head -c 3 "$written" | od -An -tx1 | tr -d ' ')" != efbbbf ]] ||
     [[ $(grep -c $'\r$' "$written") != $(wc -l < "$written") ]] ||
     [[ "$(tail -c +4 "$written" | tr -d '\r')" != "$expected" ]]; then
    fail "--init $name wrote:"; cat -A "$written"; return
  fi
  local report=$out
  check "$dir"
  if [[ "$status" != "$expected_status" || "$out" != "$report" ]]; then
    fail "--init $name: read back, the file checks otherwise (exit $status):"$'\n'"$out"; return
  fi
  pass
}
# Installers, helpers, a redistributable's folder and an ARM64 build are left out; the
# program named like its folder beats a larger one; minOs=6 only where every program
# declares Vista or later; "&" is doubled so that the caption shows it.
init_case mixed 0 <<'LAYOUT' 3<<'EXPECTED'
i386 5 900 Racing/racing32.exe
amd64 6 900 Racing/bin64/Racing_x64.exe
amd64 6 5000 Racing/bin64/editor.exe
i386 5 9000 Racing/unins000.exe
amd64 6 900 snake/snake.exe
i386 6 800 snake/snake.exe.bak
i386 6 800 snake/x86/snake.exe
i386 5 9000 snake/Setup.exe
i386 5 9000 snake/_CommonRedist/vcredist_x86.exe
amd64 6 9000 snake/UnityCrashHandler64.exe
i386 4 100 Tom & Jerry/tj.exe
i386 6 100 中国象棋/bin/中国象棋.exe
i386 6 9000 中国象棋/bin/工具.exe
arm64 10 9000 中国象棋/bin/中国象棋arm.exe
i386 5 100 Installers only/setup.exe
i386 5 100 Installers only/uninstall.exe
dir 0 0 Empty
LAYOUT
[set]
width=256
height=168
button_width=90
Col=2
Count=4

[1]
Text=Racing
exe=Racing\racing32.exe
exe_x64=Racing\bin64\Racing_x64.exe

[2]
Text=snake
exe=snake\x86\snake.exe
exe_x64=snake\snake.exe
minOs=6

[3]
Text=Tom && Jerry
exe=Tom & Jerry\tj.exe

[4]
Text=中国象棋
exe=中国象棋\bin\中国象棋.exe
minOs=6
EXPECTED

# A game with only a 64-bit build gets exe_x64 alone: 32-bit Windows then shows the launcher's
# refusal instead of failing to start it, and the report says so.
init_case x64-only 1 <<'LAYOUT' 3<<'EXPECTED'
amd64 6 900 星际远征/stars.exe
i386 6 900 迷宫/maze.exe
LAYOUT
[set]
width=236
height=113
Col=2
Count=2

[1]
Text=星际远征
exe_x64=星际远征\stars.exe
minOs=6

[2]
Text=迷宫
exe=迷宫\maze.exe
minOs=6
EXPECTED
if [[ "$(warnings_of "$out")" == "x64-only:9" ]]; then pass; else fail "x64-only layout: $out"; fi

# An existing zixgame.ini is never touched; --output writes the same bytes elsewhere or to
# standard output, with the report then on standard error.
collection="$WORK/init-mixed"
cp "$collection/zixgame.ini" "$WORK/kept.ini"
check --init "$collection"
if [[ "$status" == 2 && "$err" == *"exists already"* && -z "$out" ]] &&
   cmp -s "$collection/zixgame.ini" "$WORK/kept.ini"; then pass
else fail "--init over an existing zixgame.ini: exit $status, [$err]"; fi
"${CHECK[@]}" --init --output - "$collection" > "$WORK/stdout.ini" 2> "$WORK/stderr"; status=$?
if [[ "$status" == 0 ]] && cmp -s "$WORK/stdout.ini" "$WORK/kept.ini" &&
   grep -q "no warnings" "$WORK/stderr"; then pass
else fail "--init --output -: exit $status"; fi
check --init --output "$WORK/elsewhere.ini" "$collection"
if [[ "$status" == 0 ]] && cmp -s "$WORK/elsewhere.ini" "$WORK/kept.ini"; then pass
else fail "--init --output FILE: exit $status, [$err]"; fi

# Bad input: one line, exit 2, and nothing written.
init_error() {  # init_error NAME TEXT_ON_STDERR < LAYOUT
  local dir="$WORK/init-error-$1"
  mkdir -p "$dir"; python3 "$HERE/tiny_program.py" --layout "$dir"
  check --init "$dir"
  if [[ "$status" == 2 && "$err" == *"$2"* && "$err" == *"nothing written"* &&
        $(wc -l <<< "$err") == 1 && ! -e "$dir/zixgame.ini" ]]; then pass
  else fail "--init $1: exit $status, [$err]"; fi
}
init_error cut "the file ends (100 bytes)" <<< "cut 5 0 game/game.exe"
init_error lie "it claims an i386 processor but a 64-bit optional header" <<< "lie 5 0 game/game.exe"
init_error helpers-only "no folder in" <<< "i386 5 0 game/setup.exe"
check --init "$WORK/nowhere"
if [[ "$status" == 2 && "$err" == *"no such folder"* && ! -e "$WORK/nowhere" ]]; then pass
else fail "--init on a missing folder: exit $status, [$err]"; fi
if [ "$(id -u)" != 0 ]; then  # root reads every file
  mkdir -p "$WORK/init-locked/game"; : > "$WORK/init-locked/game/game.exe"
  chmod 000 "$WORK/init-locked/game/game.exe"
  check --init "$WORK/init-locked"
  if [[ "$status" == 2 && "$err" == *"cannot be read"* && ! -e "$WORK/init-locked/zixgame.ini" ]]; then pass
  else fail "--init with an unreadable program: exit $status, [$err]"; fi
fi

echo "== --init --autorun and the autorun.inf of a disc"
# utf16_text FILE: the text of a UTF-16 file with its mark, without CRs.
utf16_text() { tail -c +3 "$1" | iconv -f UTF-16LE -t UTF-8 | tr -d '\r'; }
disc="$WORK/disc"; mkdir -p "$disc"
python3 "$HERE/tiny_program.py" --layout "$disc" <<< "i386 5 900 象棋/象棋.exe"
check --init --autorun "$disc"
if [[ "$status" == 1 && "$(head -c 2 "$disc/autorun.inf" | od -An -tx1 | tr -d ' ')" == fffe &&
      "$(utf16_text "$disc/autorun.inf")" == $'[autorun]\nopen=zixgame.exe\nicon=zixgame.exe,0\nlabel=游戏启动' &&
      "$out" == *$'\nautorun.inf: AutoPlay starts zixgame.exe, icon zixgame.exe,0, label "游戏启动"\n'* &&
      "$(warnings_of "$out")" == "count-one:5 autorun-open:2 autorun-icon:3" ]]; then pass
else fail "--init --autorun: exit $status, [$err]"$'\n'"$out"; fi
# With the launcher beside it, the disc starts it and shows its icon.
: > "$disc/zixgame.exe"
check "$disc"
if [[ "$status" == 1 && "$(warnings_of "$out")" == "count-one:5" ]]; then pass; else fail "the disc with zixgame.exe: $out"; fi
# An autorun.inf already there is never replaced, and nothing else is written either.
mkdir -p "$WORK/menu-disc"; python3 "$HERE/tiny_program.py" --layout "$WORK/menu-disc" <<< "i386 5 900 game/game.exe"
printf '[AutoRun]\r\nopen=menu.exe\r\nicon=menu.ico\r\nmenu\r\n' > "$WORK/menu-disc/AUTORUN.INF"
cp "$WORK/menu-disc/AUTORUN.INF" "$WORK/menu-kept.inf"
check --init --autorun "$WORK/menu-disc"
if [[ "$status" == 2 && "$err" == *"exists already"* && ! -e "$WORK/menu-disc/zixgame.ini" ]] &&
   cmp -s "$WORK/menu-disc/AUTORUN.INF" "$WORK/menu-kept.inf"; then pass
else fail "--init --autorun beside an autorun.inf: exit $status, [$err]"; fi
# Such a disc starts another program: the report says so, with the lines to blame.
cp "$HERE/cases/clean.ini" "$WORK/menu-disc/zixgame.ini"
check "$WORK/menu-disc"
if [[ "$out" == *"AutoPlay starts menu.exe, icon menu.ico"* &&
      "$(warnings_of "$out")" == *"autorun-open:2 autorun-icon:3 autorun-unreadable:4" &&
      "$out" == *"AUTORUN.INF:2: warning: AutoPlay starts menu.exe, not this folder's zixgame.exe"* ]]; then pass
else fail "a disc that starts another program: $out"; fi
check --lang zh "$WORK/menu-disc"
if [[ "$out" == *"AUTORUN.INF:2: 警告：自动播放启动的是 menu.exe，而不是这个文件夹里的 zixgame.exe"* ]]; then pass
else fail "autorun warnings in Chinese: $out"; fi
# An autorun.inf that cannot be written: exit 2, and the new zixgame.ini goes again.
mkdir -p "$WORK/locked-disc/autorun.inf"; python3 "$HERE/tiny_program.py" --layout "$WORK/locked-disc" <<< "i386 5 900 game/game.exe"
check --init --autorun "$WORK/locked-disc"
if [[ "$status" == 2 && "$err" == *"nothing written"* && $(wc -l <<< "$err") == 1 &&
      ! -e "$WORK/locked-disc/zixgame.ini" ]]; then pass
else fail "--init --autorun where autorun.inf cannot be written: exit $status, [$err]"; fi

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

finish
