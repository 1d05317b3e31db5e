#!/usr/bin/env bash
# start: make the private prefix when it is missing or was prepared by an
#        older version of this script, give the tests a display
#        (Xvfb on a free number when there is none), and start the Wine server
#        and services detached, so no test inherits their output pipes.
# stop:  end the Wine server and the Xvfb that start made.
# Usage: wine-session.sh start|stop ARCH
set -u
action=$1
user_display=${DISPLAY:-}
source "$(dirname "$0")/wine-env.sh" "$2"

quiet() { "$@" </dev/null >/dev/null 2>&1; }

japanese_faces() {
    printf '"%s"="%s"\r\n' "ＭＳ Ｐゴシック" IPAPGothic "ＭＳ ゴシック" IPAGothic \
        "ＭＳ Ｐ明朝" IPAPMincho "ＭＳ 明朝" IPAMincho
}

# Bumped whenever prepare_prefix changes, so that existing prefixes get the
# change too.
ready_marker="$WINEPREFIX/.quillon-ready-2"

prepare_prefix() {
    mkdir -p "$quillon_state"
    if [ -f "$WINEPREFIX/system.reg" ]; then
        # A server left running (persistent) would make the waits below endless.
        quiet wineserver -k
    else
        quiet "${quillon_wine[@]}" wineboot -i
        quiet wineserver -w
    fi
    # Japanese face names the documents use, mapped to the IPA fonts installed
    # here. As font substitutes they only name a font when one is created;
    # as Wine's replacements they are enumerated faces too, so the viewer's
    # installed-font table lists them and runs keep them. regedit reads the
    # names from a UTF-16 file; command-line arguments would pass through the
    # Unix locale, which may lack Japanese.
    local faces="$quillon_state/japanese-faces.reg"
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
        japanese_faces
        printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
        japanese_faces
    } | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } > "$faces"
    quiet "${quillon_wine[@]}" regedit /S "$(echo "Z:$faces" | tr / '\\')"
    # Without a window manager, unmanaged windows close in 0.1 s instead of 2 s.
    quiet "${quillon_wine[@]}" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f
    quiet wineserver -w
    cp /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
    rm -f "$WINEPREFIX"/.quillon-ready*
    touch "$ready_marker"
}

start_display() {
    [ -n "$user_display" ] && return 0
    if [ -f "$quillon_state/xvfb.pid" ] && kill -0 "$(cat "$quillon_state/xvfb.pid")" 2>/dev/null; then
        return 0
    fi
    # Xvfb picks a free display number itself, under the X lock files, and
    # writes it to the pipe once it accepts clients: two sessions started at
    # once can never take the same display, and nothing is polled.
    local ready="$quillon_state/xvfb.ready"
    rm -f "$ready"
    mkfifo "$ready"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$ready" </dev/null >/dev/null 2>&1 &
    echo $! > "$quillon_state/xvfb.pid"
    local n=""
    read -r n < "$ready" || true
    rm -f "$ready"
    if [ -z "$n" ]; then
        echo "wine-session: Xvfb did not start" >&2
        rm -f "$quillon_state/xvfb.pid"
        exit 1
    fi
    echo ":$n" > "$quillon_state/display"
    export DISPLAY=":$n"
}

case "$action" in
start)
    mkdir -p "$quillon_state"
    start_display
    [ -f "$ready_marker" ] || prepare_prefix
    quiet wineserver -p
    quiet "${quillon_wine[@]}" wineboot
    ;;
stop)
    quiet wineserver -k
    if [ -f "$quillon_state/xvfb.pid" ]; then
        kill "$(cat "$quillon_state/xvfb.pid")" 2>/dev/null
        rm -f "$quillon_state/xvfb.pid" "$quillon_state/display"
    fi
    ;;
*)
    echo "usage: $0 start|stop ARCH" >&2
    exit 2
    ;;
esac
exit 0
