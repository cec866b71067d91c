#!/usr/bin/env bash
# zixgame-check --html in a real browser: headless Chromium loads the page, and the test reads
# what it built (the window, its buttons, tooltips, presses, warnings) and looks at a screenshot.
#   bash tests/check/run_html_test.sh [BUILD_DIR]      (default build/native)
set -uo pipefail
HERE=$(cd "$(dirname "$0")" && pwd)
ROOT=$(cd "$HERE/../.." && pwd)
BUILD=${1:-$ROOT/build/native}
CHECK=("$BUILD/zixgame-check")
command -v chromium > /dev/null || { echo "chromium is needed (Debian package chromium)"; exit 1; }
source "$HERE/script_test.sh" "zixgame-check --html"
export LC_ALL=C.UTF-8; unset LANGUAGE LC_MESSAGES LANG  # English unless asked otherwise

# browser ARGS... URL: headless, offline, and with a profile of its own that is thrown away.
browser() {
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --hide-scrollbars \
    --user-data-dir="$(mktemp -d "$WORK/profile.XXXXXX")" "$@" 2> "$WORK/browser.err"
}

# Entry 1: access key, tooltip before "|", parameters; 2: a working folder; 3: 64-bit only;
# 4: a missing file.
mkdir -p "$WORK/games/snake" "$WORK/games/maze/save" "$WORK/games/stars"
: > "$WORK/games/snake/snake.exe"; : > "$WORK/games/maze/maze.exe"; : > "$WORK/games/stars/stars64.exe"
printf '\xEF\xBB\xBF%s\r\n' '[set]' 'title=测试 <合集>' 'Count=4' \
  '[1]' 'Text=&Snake 贪吃蛇' 'Hint=经典|more text' 'exe=snake\snake.exe' 'Param=-w' \
  '[2]' 'Text=Maze' 'exe=maze\maze.exe' 'curDir=maze\save' \
  '[3]' 'Text=Stars' 'exe_x64=stars\stars64.exe' \
  '[4]' 'Text=Boxes' 'exe=boxes\boxes.exe' | sed '2,$s/^\xEF\xBB\xBF//' > "$WORK/games/zixgame.ini"

page="$WORK/page.html"
"${CHECK[@]}" --html "$page" "$WORK/games" > "$WORK/report.txt"; status=$?
if [[ "$status" != 1 || ! -s "$page" ]]; then
  fail "--html: exit $status, $(cat "$WORK/report.txt")"
  echo "zixgame-check --html: $passed passed, $failed failed"; exit 1
fi

echo "== the page stands alone"
if grep -Eiq '<link|src=|href=|@import|url\(' "$page"; then fail "the page refers to something outside it"
else pass; fi

echo "== what Chromium built from it"
browser --dump-dom "file://$page#pressed-2" > "$WORK/dom.html"
if ! python3 - "$WORK/dom.html" 2> "$WORK/dom.err" <<'PY'
import sys
from html.parser import HTMLParser

class Page(HTMLParser):
    """Each element with an id: its attributes and its text, the markup of <u> kept."""
    def __init__(self):
        super().__init__()
        self.open, self.elements, self.title, self.in_title = [], {}, "", False
    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "title": self.in_title = True
        if tag in ("meta", "br"): return
        element = {"tag": tag, "attrs": attrs, "text": ""}
        if tag == "u": self.write("<u>")
        self.open.append(element)
        if "id" in attrs: self.elements[attrs["id"]] = element
        if tag == "li": self.elements.setdefault("li", []).append(element)
    def handle_endtag(self, tag):
        if tag == "title": self.in_title = False
        if tag == "u": self.write("</u>")
        if self.open: self.open.pop()
    def handle_data(self, data):
        if self.in_title: self.title += data
        self.write(data)
    def write(self, text):
        for element in self.open: element["text"] += text

page = Page()
page.feed(open(sys.argv[1], encoding="utf-8").read())
e = page.elements
def text(id): return e[id]["text"].strip() if id in e else None
checks = [
    ("title", page.title.startswith("测试 <合集>")),
    ("window size", "width:460px;height:290px" in e["window"]["attrs"]["style"]),
    ("title bar", text("title") == "测试 <合集>"),
    ("four buttons", [k for k in e if k.startswith("button-")] == [f"button-{n}" for n in range(1, 5)]),
    ("caption with its access key", text("button-1") == "<u>S</u>nake 贪吃蛇"
        and e["button-1"]["attrs"].get("data-access-key") == "S"),
    ("button place", "left:132px;top:81px;width:80px;height:35px" in e["button-1"]["attrs"]["style"]),
    ("tooltip before |", text("tooltip-1") == "经典" and "tooltip-2" not in e),
    ("32-bit start", "C:\\Games\\snake\\snake.exe" in text("press-1") and '"-w"' in text("press-1")),
    ("working folder", "ExecuteFileInDir" in text("press-2") and "C:\\Games\\maze\\save" in text("press-2")),
    ("64-bit only", "本游戏不支持32位位系统。" in e["press-3"]["text"]
        and "stars64.exe" in text("press-3")),
    ("missing file", "找不到游戏文件。" in text("press-4")),
    ("the press asked for is shown", "shown" in e["press-2"]["attrs"].get("class", "")
        and "shown" not in e["press-1"]["attrs"].get("class", "")),
    ("warnings with lines", [(li["attrs"].get("data-line"), li["attrs"].get("data-code"))
        for li in e.get("li", [])] == [("15", "x64-only"), ("18", "missing-file")]),
]
bad = [name for name, ok in checks if not ok]
if bad: sys.exit("wrong: " + ", ".join(bad))
PY
then fail "DOM: $(cat "$WORK/dom.err")"
else pass; fi
if grep -q '#window:has(#button-1:hover) #tooltip-1{display:block}' "$page"; then pass
else fail "no tooltip shows on hover"; fi

echo "== the page's own words in each language"
# label_check LANG FILE: the labels Chromium shows, the launcher's messages unchanged beside them.
label_check() {
  "${CHECK[@]}" --lang "$1" --html "$2" "$WORK/games" > /dev/null
  browser --dump-dom "file://$2#pressed-3" > "$WORK/dom-$1.html"
  python3 - "$1" "$WORK/dom-$1.html" <<'PY'
import re, sys
lang, dom = sys.argv[1], open(sys.argv[2], encoding="utf-8").read()
want = {"zh": ['<html lang="zh-CN">', "<h2>按下按钮</h2>", "<h2>2 条警告</h2>", "<dt>32 位 Windows</dt>",
               "本游戏不支持32位位系统。", "第 4 个游戏：检查的文件夹里没有 boxes\\boxes.exe"],
        "en": ['<html lang="en">', "<h2>Press a button</h2>", "<h2>2 warnings</h2>", "<dt>32-bit Windows</dt>",
               "本游戏不支持32位位系统。", "entry 4: boxes\\boxes.exe is not in the checked folder"]}[lang]
missing = [w for w in want if w not in dom]
if missing: sys.exit("missing: " + ", ".join(missing))
PY
}
for lang in zh en; do
  if label_check "$lang" "$WORK/page-$lang.html" 2> "$WORK/label.err"; then pass
  else fail "--lang $lang page: $(cat "$WORK/label.err")"; fi
done

echo "== what it looks like"
shot() {  # shot FILE FRAGMENT
  browser --screenshot="$1" --window-size=1000,420 "file://$page$2" > /dev/null
}
count() {  # count PNG COLOUR: the pixels of exactly that colour
  convert "$1" -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:round(mean*w*h)]" info:
}
shot "$WORK/plain.png" ""; shot "$WORK/pressed.png" "#pressed-1"
if [[ ! -s "$WORK/plain.png" || ! -s "$WORK/pressed.png" ]]; then
  fail "no screenshot: $(tail -3 "$WORK/browser.err")"
else
  size=$(convert "$WORK/plain.png" -format "%wx%h" info:)
  faces=$(count "$WORK/plain.png" "#e1e1e1")      # four 80x35 buttons, less their borders and text
  client=$(count "$WORK/plain.png" "#f0f0f0")     # 444x252 less the buttons
  panel=$(count "$WORK/plain.png" "#f6f9fc"); pressedPanel=$(count "$WORK/pressed.png" "#f6f9fc")
  if [[ "$size" == 1000x420 && "$faces" -gt 8000 && "$client" -gt 90000 && "$panel" == 0 &&
        "$pressedPanel" -gt 5000 ]]; then pass
  else fail "screenshot $size: $faces button pixels, $client client pixels, press panel $panel / $pressedPanel"; fi
fi

finish
