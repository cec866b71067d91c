#!/usr/bin/env python3
"""The folders of src/ use each other in one direction only.

Reads every #include "room/..." line under src/ and fails when a folder includes one that the
order below does not let it use, or when the folders include each other in a circle. The
program entry is the one file that names both the frame and the main window.
    python3 scripts/check_rooms.py [SRC_DIR]
"""
import pathlib
import re
import sys

# Each folder and the folders it may use; the README's layout section says the same.
MAY_USE = {
    "platform": set(),
    "settings": {"platform"},
    "app": {"platform"},
    "launcher": {"app", "settings", "platform"},
}
ENTRY = "app/main_win32.cpp"
INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z_]+)/')


def edges(src):
    found = {}
    for path in sorted(src.rglob("*")):
        if path.suffix not in (".h", ".cpp") or not path.is_file():
            continue
        relative = path.relative_to(src).as_posix()
        room = relative.split("/")[0]
        if room not in MAY_USE or relative == ENTRY:
            continue
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if match and match.group(1) in MAY_USE and match.group(1) != room:
                found.setdefault((room, match.group(1)), []).append(f"{relative}:{number}")
    return found


def circle(graph):
    """A list of folders that use each other in a circle, or None."""
    state = {}

    def visit(room, trail):
        state[room] = "open"
        for used in sorted(graph.get(room, ())):
            if state.get(used) == "open":
                return trail[trail.index(used):] + [used]
            if used not in state:
                found = visit(used, trail + [used])
                if found:
                    return found
        state[room] = "done"
        return None

    for room in sorted(graph):
        if room not in state:
            found = visit(room, [room])
            if found:
                return found
    return None


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent / "src")
    found = edges(src)
    problems = [f"{room} may not use {used}: {', '.join(places)}"
                for (room, used), places in sorted(found.items()) if used not in MAY_USE[room]]
    graph = {}
    for room, used in found:
        graph.setdefault(room, set()).add(used)
    loop = circle(graph)
    if loop:
        problems.append("folders used in a circle: " + " -> ".join(loop))
    for problem in problems:
        print(problem)
    print(f"src/ folders: {len(found)} uses between folders, {len(problems)} against their order")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
