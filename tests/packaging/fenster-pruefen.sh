#!/bin/sh
# Runs inside xvfb-run: starts the given command, waits until a window whose title ends in
# "Verbundo" is mapped, closes it with its "Beenden" button as a user would and
# expects the program to end with status 0.
# Aufruf: fenster-pruefen.sh [--bild DATEI.png] BEFEHL [ARGUMENTE...]
set -u

bild=""
if [ "${1:-}" = --bild ]; then
    bild=$2
    shift 2
fi
protokoll=$(mktemp)
# A recovery file left by another run would open its question first.
XDG_STATE_HOME=$(mktemp -d)
export XDG_STATE_HOME
trap 'rm -rf "$protokoll" "$XDG_STATE_HOME"' EXIT

"$@" >"$protokoll" 2>&1 &
pid=$!

fenster=""
versuche=0
while [ "$versuche" -lt 40 ]; do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        echo "FEHLER: das Programm endete mit Status $?, bevor ein Fenster erschien"
        cat "$protokoll"
        exit 1
    fi
    fenster=$(xdotool search --onlyvisible --name 'Verbundo$' 2>/dev/null | head -n 1)
    [ -n "$fenster" ] && break
    sleep 0.5
    versuche=$((versuche + 1))
done
if [ -z "$fenster" ]; then
    echo "FEHLER: nach 20 s kein Fenster \"Verbundo\""
    cat "$protokoll"
    kill -TERM "$pid" 2>/dev/null
    wait "$pid"
    exit 1
fi
echo "Fenster erschienen:"
xwininfo -id "$fenster" | grep -E 'Window id|Width|Height'
# A start-up error box carries the same title; the main window is far larger.
breite=$(xwininfo -id "$fenster" | sed -n 's/^ *Width: *//p')
if [ "${breite:-0}" -lt 600 ]; then
    echo "FEHLER: das Fenster \"Verbundo\" ist nur $breite Pixel breit, wohl eine Fehlermeldung"
    kill -TERM "$pid"
    wait "$pid"
    cat "$protokoll"
    exit 1
fi

# Let the first timer ticks draw before looking at it.
sleep 1.5
if [ -n "$bild" ] && command -v import >/dev/null 2>&1; then
    import -window root "$bild" && echo "Bildschirmfoto: $bild"
fi

# "Beenden" sits at client (664, 550), 137 x 27; click its middle.
xdotool mousemove --window "$fenster" 732 563 click 1

versuche=0
while kill -0 "$pid" 2>/dev/null && [ "$versuche" -lt 20 ]; do
    sleep 0.5
    versuche=$((versuche + 1))
done
if kill -0 "$pid" 2>/dev/null; then
    echo "FEHLER: \"Beenden\" schloss das Fenster nicht; Programm mit SIGTERM beendet"
    kill -TERM "$pid"
    wait "$pid"
    cat "$protokoll"
    exit 1
fi
wait "$pid"
status=$?
if [ "$status" -ne 0 ]; then
    echo "FEHLER: das Programm endete mit Status $status"
    cat "$protokoll"
    exit 1
fi
echo "Fenster mit \"Beenden\" geschlossen, Status 0"
