#!/bin/sh
# Runs a validator, or skips (status 77) when it is not installed.
# Usage: validate.sh DEBIAN_PACKAGE TOOL ARGUMENTS...
package=$1
shift
if ! command -v "$1" >/dev/null 2>&1; then
  echo "skipped: $1 is not installed (Debian package $package)"
  exit 77
fi
exec "$@"
