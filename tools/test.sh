#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite
# under Wine. Usage: tools/test.sh [extra ctest arguments]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"

arch=$("$root/tools/host-arch.sh")
build="$root/build/$arch"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j"$(nproc)"

if [ "$arch" != i686 ]; then
    # The product is 32-bit: it must build cleanly even where only the 64-bit
    # build can run its tests.
    echo "This machine cannot run 32-bit programs; tests run the $arch build. Building i686 too."
    cmake -S "$root" -B "$root/build/i686" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DQUILLON_TESTS=OFF >/dev/null
    cmake --build "$root/build/i686" -j"$(nproc)"
    for module in "$root"/build/i686/modules/*.dll; do
        "$root/tests/effects/check-module-exports.sh" i686-w64-mingw32-objdump "$module"
    done
fi

cd "$build"
ctest --output-on-failure -j"$(nproc)" "$@"
