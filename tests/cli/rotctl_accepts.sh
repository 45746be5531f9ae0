#!/bin/sh
# Pipes velmoro-path's rotator commands into Hamlib's dummy rotator (model 1) and checks that it
# takes every one. Skips (exit 77) where rotctl is not installed.
# Usage: rotctl_accepts.sh VELMORO_PATH PAIRS_FILE
tool=$1
pairs=$2
if ! command -v rotctl >/dev/null 2>&1; then
    echo "rotctl not found (Debian package libhamlib-utils): skipping"
    exit 77
fi
commands=$("$tool" --rotctl <"$pairs")
printf '%s\n' "$commands"
answer=$(printf '%s\n' "$commands" | rotctl -m 1 - 2>&1)
status=$?
printf '%s\n' "$answer"
if [ $status -ne 0 ] || printf '%s\n' "$answer" | grep -qi 'error'; then
    echo "rotctl refused a command"
    exit 1
fi
if [ "$(printf '%s\n' "$commands" | grep -c '^P [0-9]* 0$')" -ne "$(wc -l <"$pairs")" ]; then
    echo "expected one command per pair"
    exit 1
fi
echo "rotctl took every command"
