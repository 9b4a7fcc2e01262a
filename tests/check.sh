# The pass/fail tally of the shell-script tests: sourced, not run.
PASSED=0
FAILED=0

check() {  # description, then a command that must succeed
  local what=$1
  shift
  if "$@"; then
    PASSED=$((PASSED + 1))
    echo "ok   - $what"
  else
    FAILED=$((FAILED + 1))
    echo "FAIL - $what"
  fi
}

setup() {  # a command that prepares a test: counted only when it fails
  "$@" && return 0
  FAILED=$((FAILED + 1))
  echo "FAIL - setup: $*"
  return 1
}
