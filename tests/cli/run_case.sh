#!/bin/sh
# Runs a command with the given standard input and prints its exit status, standard output and
# standard error in one block, for CTest to match against.
# Usage: run_case.sh STDIN_FILE COMMAND [ARG...]
input=$1
shift
out=$(mktemp) && err=$(mktemp) || exit 99
"$@" <"$input" >"$out" 2>"$err"
status=$?
printf 'exit=%s\n' "$status"
printf '[stdout]\n'
cat "$out"
printf '[stderr]\n'
cat "$err"
rm -f "$out" "$err"
