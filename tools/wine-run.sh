#!/usr/bin/env bash
# Runs a Windows test program under Wine for CTest. Once in a few hundred starts, Wine exits at
# once with a failure and no output at all, before the program has run a line (every test
# program prints as it starts). Such a start, and only such a one, is tried once more; what the
# program itself does is never retried.
set -u
out=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
err=$(mktemp "${TMPDIR:-/tmp}/wine-run.XXXXXX")
trap 'rm -f "$out" "$err"' EXIT
run() {
  wine "$@" >"$out" 2>"$err"
}
run "$@"
status=$?
if [ "$status" -ne 0 ] && [ ! -s "$out" ] && [ ! -s "$err" ]; then
  echo "wine-run: Wine exited with $status before the program started; starting it again" >&2
  run "$@"
  status=$?
fi
cat "$out"
cat "$err" >&2
exit "$status"
