#!/usr/bin/env bash
# Branch coverage of the native unit tests over the settings reader and the portable decisions
# of platform/ and launcher/, with clang's source-based coverage. Writes an HTML report to
# build/coverage/html/, prints a table per file, and ends with "branch coverage: NN.N%".
# Exits non-zero when the tests fail or a target is missed: every branch of the reader, the
# number conversions and the decoders, and 95% over the whole set.
# ZIX_COVERAGE_BUILD names another build folder than build/coverage/build.
set -uo pipefail
source "$(dirname "$0")/scripts/common.sh"
cd "$ROOT"

PACKAGES+=(llvm)  # llvm-profdata and llvm-cov
ensure_packages >&2 || { echo "coverage: cannot install what it needs" >&2; exit 1; }

out=$ROOT/build/coverage
build=${ZIX_COVERAGE_BUILD:-$out/build}
case $build in /*) ;; *) build=$ROOT/$build ;; esac

# The measured set: src/settings/ whole, and src/platform/ and src/launcher/ without the system
# queries (*_win32) and their native stand-ins (*_posix), which are not decisions.
mapfile -t measured < <(ls src/settings/*.{cpp,h} src/platform/*.{cpp,h} src/launcher/*.{cpp,h} 2>/dev/null |
                         grep -v -E '_(win32|posix)\.(cpp|h)$')
# Every branch of these must be taken.
whole='^src/(settings/(ini_text|ini_file|ini_index|parse_integer|parse_float)\.cpp|platform/(file_reader|text_codec|code_page_936)\.(cpp|h))$'

mkdir -p "$out"
if ! ZIX_TARGETS=unit_tests configure_build "$build" coverage >"$out/build.log" 2>&1; then
  tail -40 "$out/build.log" >&2
  echo "coverage: build failed (all of it in $out/build.log)" >&2
  exit 1
fi

rm -rf "$out/profiles" "$out/html"
mkdir -p "$out/profiles"
if ! LLVM_PROFILE_FILE="$out/profiles/unit-%p.profraw" "$build/unit_tests" --gtest_brief=1; then
  echo "coverage: the unit tests failed" >&2
  exit 1
fi
llvm-profdata merge -sparse "$out"/profiles/*.profraw -o "$out/unit.profdata" || exit 1

# llvm-cov warns of "mismatched data" for a few inline GoogleTest functions that nothing calls
# and so have no profile (its -dump names them); only that warning is dropped. Its other words
# come before the table, so that the coverage line stays the last.
cov() { llvm-cov "$@" "$build/unit_tests" -instr-profile="$out/unit.profdata" "${measured[@]}" \
          2>>"$out/llvm-cov.log"; }
rm -f "$out/llvm-cov.log"
cov show -format=html -show-branches=count -show-line-counts-or-regions \
  -output-dir="$out/html" || { cat "$out/llvm-cov.log" >&2; exit 1; }
summary=$(cov export -format=lcov -summary-only) || { cat "$out/llvm-cov.log" >&2; exit 1; }
grep -v 'mismatched data' "$out/llvm-cov.log" >&2

echo "HTML report: build/coverage/html/index.html"
echo "$summary" | awk -v root="$ROOT/" -v whole="$whole" -v files="${measured[*]}" '
  /^SF:/ { file = substr($0, 4); sub("^" root, "", file); seen[file] = 1 }
  /^BRF:/ { found[file] = substr($0, 5) + 0 }
  /^BRH:/ { hit[file] = substr($0, 5) + 0 }
  END {
    printf "%-36s %8s %8s %8s\n", "file", "branches", "missed", "cover"
    n = split(files, list, " ")
    for (i = 1; i <= n; i++) {
      f = list[i]
      if (!(f in seen)) {
        # A header without code has nothing to measure; a source missing is a fault.
        if (f ~ /\.cpp$/) { printf "%-36s not in the test program\n", f; bad = 1 }
        continue
      }
      total += found[f]; covered += hit[f]
      cover = found[f] > 0 ? sprintf("%.1f%%", int(1000 * hit[f] / found[f]) / 10) : "-"
      printf "%-36s %8d %8d %8s\n", f, found[f], found[f] - hit[f], cover
      if (f ~ whole && hit[f] < found[f]) { printf "  below target: every branch of %s\n", f; bad = 1 }
    }
    percent = total ? int(1000 * covered / total) / 10 : 0
    printf "%-36s %8d %8d\n", "all", total, total - covered
    if (percent < 95) { print "  below target: 95% over the whole set"; bad = 1 }
    printf "branch coverage: %.1f%%\n", percent
    exit bad
  }'
