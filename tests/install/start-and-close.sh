#!/bin/sh
# Starts the program on Qt's offscreen platform with the close_on_show helper
# preloaded, which closes its first window once it is shown. Passes when the
# program then ends by itself with status 0 within 30 s, and loaded no
# image-format plugin on the way.
# Usage: start-and-close.sh PROGRAM HELPER_LIBRARY
set -u
program=$1
helper=$2
log=$(mktemp)
trap 'rm -f "$log"' EXIT
QT_QPA_PLATFORM=offscreen QT_DEBUG_PLUGINS=1 LD_PRELOAD="$helper" timeout 30 "$program" >"$log" 2>&1
status=$?
fail() {
  cat "$log"
  echo "FAIL: $program: $1"
  exit 1
}
grep -q '^close_on_show: closing ' "$log" || fail "no window was shown and closed (status $status)"
[ "$status" -eq 0 ] || fail "ended with status $status after its window was closed (124: still running after 30 s)"
! grep -q 'imageformats' "$log" || fail "loaded the image-format plugins: $(grep -m1 imageformats "$log")"
grep '^close_on_show: ' "$log"
echo "$program started, ended with status 0 when its window was closed, and loaded no image-format plugin"
