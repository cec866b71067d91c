# Sourced by the checker's script tests: a work folder that goes when the script ends, the
# pass and fail counts, and the closing line.
#   source script_test.sh NAME      (NAME names the work folder and the closing line)
SCRIPT_TEST_NAME=$1
WORK=$(mktemp -d "/tmp/${SCRIPT_TEST_NAME//[^a-z-]/}.XXXXXX")  # no blanks in the path
trap 'rm -rf "$WORK"' EXIT

passed=0; failed=0
pass() { passed=$((passed + 1)); }
fail() { failed=$((failed + 1)); echo "FAIL: $*"; }

# finish: the closing line, and the script's status.
finish() {
  echo
  echo "$SCRIPT_TEST_NAME: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
