#!/usr/bin/env bash
# Runs one Windows program in the project's private prefix; the exit code passes through.
# Usage: wine-run.sh ARCH PROGRAM [ARGS...]
source "$(dirname "$0")/wine-env.sh" "$1"
shift
exec "${quillon_wine[@]}" "$@"
