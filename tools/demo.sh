#!/usr/bin/env bash
# Builds the viewer and the effect modules, registers the modules in the
# project's Wine prefix, writes a demo document with the viewer's own record
# writer and opens it in Quillon: on the user's display when DISPLAY is set
# (the viewer stays open there), otherwise on a private Xvfb display (closed
# again after the screenshot). A screenshot taken a few seconds in is saved
# as build/<arch>/demo.png.
# Usage: tools/demo.sh   (QUILLON_BUILD_DIR and QUILLON_WINE_STATE choose
# another build directory and another private Wine state)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

arch=$("$root/tools/host-arch.sh")
build=${QUILLON_BUILD_DIR:-$root/build/$arch}
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)" --target quillon_demo

user_display=${DISPLAY:-}
"$root/tools/wine-session.sh" start "$arch"
source "$root/tools/wine-env.sh" "$arch"
run() { "$root/tools/wine-run.sh" "$arch" "$@" </dev/null; }
windows_path() { echo "Z:${1//\//\\}"; }

# Every module but Static: the viewer installs the Static module it carries.
for module in "$build"/modules/*.dll; do
    [ "$(basename "$module")" = Static.dll ] && continue
    run regsvr32 /s "$(windows_path "$module")"
done

document="$build/demo.qvl"
run "$build/bin/quillon_demo_document.exe" "$(windows_path "$document")"

run "$build/bin/Quillon.exe" "$(windows_path "$document")" >/dev/null 2>&1 &
viewer=$!
sleep 5
shot="$build/demo.png"
xwd -root -display "$DISPLAY" -silent | /usr/bin/convert xwd:- "$shot"
echo "Screenshot: $shot"

if [ -n "$user_display" ]; then
    echo "Quillon is showing the demo document on $user_display; close its window to end it."
else
    # No display of the user's: close the viewer (its window gets WM_CLOSE),
    # let it clean up, and end the private session.
    run taskkill /im Quillon.exe >/dev/null 2>&1 || true
    wait "$viewer" || true
    "$root/tools/wine-session.sh" stop "$arch"
fi
