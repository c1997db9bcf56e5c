#!/bin/sh
# Runs a validator given with its arguments; where it is not installed, says so
# and exits 77, which the test registers as a skip.
if ! command -v "$1" >/dev/null 2>&1; then
    echo "$1 is not installed: skipped (scripts/install-deps.sh installs it)"
    exit 77
fi
exec "$@"
