#!/usr/bin/env bash
# Installs what the cross build and the Wine-hosted tests need on a Debian machine.
# Does nothing when every tool is already there, so it is cheap to call before each build.
set -euo pipefail

need=()
have() { command -v "$1" >/dev/null 2>&1; }
have i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
# Where the kernel cannot run 32-bit code, the tests run a 64-bit build.
if ! /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
    have x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
fi
have i686-w64-mingw32-widl      || need+=(mingw-w64-tools)
have cmake                      || need+=(cmake)
have Xvfb                       || need+=(xvfb xauth)
have xwd                        || need+=(x11-apps)
have xdpyinfo                   || need+=(x11-utils)
[ -x /usr/bin/convert ] && /usr/bin/convert -version >/dev/null 2>&1 || need+=(imagemagick)
[ -d /usr/src/googletest ]      || need+=(googletest)
[ -d /usr/include/wine/wine/windows ] || need+=(libwine-dev)
[ -f /usr/share/fonts/opentype/ipafont-gothic/ipag.ttf ] || need+=(fonts-ipafont-gothic fonts-ipafont-mincho)
[ -d /usr/share/wine/fonts ]    || need+=(fonts-wine)
if ! have wine || ! dpkg -s wine32:i386 >/dev/null 2>&1; then
    need+=(wine wine32:i386 wine64 wine64-tools)
fi

if [ ${#need[@]} -eq 0 ]; then
    exit 0
fi

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
# A mirror in mid-sync answers some lists with the wrong size for a while;
# a failed update is tried again, and if it still fails the install goes on
# with the lists it has and says for itself whether they were enough.
for attempt in 1 2 3; do
    $SUDO apt-get update -qq && break
    [ "$attempt" -eq 3 ] || sleep 30
done
apt_install() {
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "$@" "${need[@]}"
}
# An update that dropped one suite's list of one architecture (a lagging
# mirror) leaves the halves of a multi-arch package at different versions,
# and wine32 cannot install. Taken from the distribution's own release, both
# halves come from one suite.
if ! apt_install; then
    release=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$release" ] || exit 1
    echo "install-deps: the install failed; trying again with the packages of $release alone" >&2
    apt_install -t "$release"
fi
