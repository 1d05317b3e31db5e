#!/usr/bin/env bash
# tools/install-deps.sh against a package manager that fails as a lagging
# mirror makes it fail: the install is tried once more from the release's own
# suite, and that is said; a second failure stops the script with apt-get's
# message; a first success tries nothing more. Runs the script with a PATH of
# stand-ins, so that a tool looks missing and nothing is installed.
set -u
script=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
failures=0
checks=0

stand_in() { printf '#!/bin/bash\n%s\n' "$2" > "$work/bin/$1"; chmod +x "$work/bin/$1"; }

# $1: how many installs fail before one succeeds.
run() {
    rm -rf "$work/bin" && mkdir -p "$work/bin"
    for tool in bash id grep mktemp cat; do ln -s "$(command -v "$tool")" "$work/bin/$tool"; done
    stand_in sudo 'exec "$@"'
    stand_in sleep ':'
    stand_in dpkg 'case "$1" in --print-foreign-architectures) echo i386;; -s) exit 0;; esac'
    stand_in apt-get "echo \"\$*\" >> '$work/calls'
        [ \"\$1\" = install ] || exit 0
        [ \$(grep -c '^install' '$work/calls') -gt $1 ] && exit 0
        echo 'E: Unable to correct problems, you have held broken packages.' >&2; exit 100"
    rm -f "$work/calls"
    PATH="$work/bin" bash "$script" > "$work/out" 2> "$work/err"
}

expect() {
    checks=$((checks + 1))
    if ! eval "$2"; then
        echo "FAILED: $1" >&2
        echo "--- apt-get calls:" >&2; cat "$work/calls" >&2
        echo "--- stderr:" >&2; cat "$work/err" >&2
        failures=$((failures + 1))
    fi
}

run 1
status=$?
expect "a failed install is tried again and succeeds" '[ $status -eq 0 ]'
expect "the second install is from the release's suite" \
    "[ \"\$(grep '^install' '$work/calls' | tail -n 1 | grep -c -- '-t $release')\" -eq 1 ]"
expect "the fallback is said on standard error" "grep -q 'trying again' '$work/err'"

run 2
status=$?
expect "a second failure stops the script" '[ $status -ne 0 ]'
expect "with apt-get's own message" "grep -q 'held broken packages' '$work/err'"
expect "after two installs, no more" "[ \$(grep -c '^install' '$work/calls') -eq 2 ]"

run 0
status=$?
expect "a first success is the end" "[ $status -eq 0 ] && [ \$(grep -c '^install' '$work/calls') -eq 1 ]"
expect "and says nothing of a fallback" "! grep -q 'trying again' '$work/err'"

echo "install-deps fallback: $((checks - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
