# Sourced by the Wine scripts: the private prefix and the environment every
# Wine process of this project runs with. $1 is the Windows architecture.
quillon_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
quillon_arch=${1:-$("$quillon_root/tools/host-arch.sh")}
quillon_state=${QUILLON_WINE_STATE:-$quillon_root/.wine}

# Wine takes the ANSI code page from the Unix locale (quillon_wine sets it):
# 932, for the Japanese text.
export WINEPREFIX="$quillon_state/$quillon_arch"
if [ "$quillon_arch" = i686 ]; then
    export WINEARCH=win32
    quillon_wine=(env LC_ALL=ja_JP.UTF-8 /usr/lib/wine/wine)
else
    export WINEARCH=win64
    quillon_wine=(env LC_ALL=ja_JP.UTF-8 /usr/lib/wine/wine64)
fi
export WINEDEBUG=${WINEDEBUG:--all}
# No crash debugger (it would hang the run) and no Mono/Gecko install prompts.
export WINEDLLOVERRIDES="winedbg.exe=d;winemenubuilder.exe=d;mscoree=d;mshtml=d"
if [ -z "${DISPLAY:-}" ] && [ -f "$quillon_state/display" ]; then
    export DISPLAY=$(cat "$quillon_state/display")
fi
