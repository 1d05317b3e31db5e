#!/usr/bin/env bash
# An effect module exports exactly the four COM server entry points and
# imports only system DLLs (the runtime is linked in statically).
# Usage: check-module-exports.sh OBJDUMP MODULE.dll
set -u
objdump=$1
module=$2
dump=$("$objdump" -p "$module") || exit 1

exports=$(printf '%s\n' "$dump" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
    sed -n 's/^\s*\[ *[0-9]*\] \(\S*\)$/\1/p' | sort | tr '\n' ' ')
expected="DllCanUnloadNow DllGetClassObject DllRegisterServer DllUnregisterServer "
if [ "$exports" != "$expected" ]; then
    echo "exports are '$exports', expected '$expected'"
    exit 1
fi

imports=$(printf '%s\n' "$dump" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
for dll in $imports; do
    case "$dll" in
        advapi32.dll|gdi32.dll|kernel32.dll|msvcrt.dll|ole32.dll|oleaut32.dll|user32.dll|urlmon.dll|comctl32.dll|shell32.dll|version.dll) ;;
        *) echo "imports a non-system DLL: $dll"; exit 1 ;;
    esac
done
echo "exports and imports of $(basename "$module") are as expected"
