#!/bin/sh
# Runs the command-line tool on the example networks and compares with what
# examples/README.md promises: the configuration-test results of erwartet.txt and
# the way of one message through each network.
# Aufruf: pruefe-beispiele.sh VERBUNDO-CLI BEISPIELVERZEICHNIS
set -u

cli=$1
cd "$2" || exit 1
fehler=0
fehler() {
    echo "FEHLER: $*"
    fehler=$((fehler + 1))
}

# Each file alone: the line and the exit status that belongs to it.
namen=""
while IFS= read -r zeile; do
    case "$zeile" in
        *.nz:\ *) ;;
        *) continue ;;
    esac
    n=${zeile%%: *}
    namen="$namen $n"
    case "$zeile" in
        *": Alle Ip-Adressen sind korrekt eingestellt.") soll=0 ;;
        *) soll=1 ;;
    esac
    ist=$("$cli" pruefen "$n")
    status=$?
    [ "$ist" = "$zeile" ] || fehler "pruefen $n: '$ist' statt '$zeile'"
    [ "$status" = "$soll" ] || fehler "pruefen $n: Status $status statt $soll"
done <erwartet.txt
[ -n "$namen" ] || fehler "erwartet.txt nennt keine Beispiele"

# All at once, as a teacher checks a class.
# shellcheck disable=SC2086
"$cli" pruefen $namen >"${TMPDIR:-/tmp}/verbundo-pruefen.$$"
status=$?
grep '\.nz: ' erwartet.txt | cmp -s - "${TMPDIR:-/tmp}/verbundo-pruefen.$$" ||
    fehler "pruefen aller Beispiele weicht von erwartet.txt ab"
rm -f "${TMPDIR:-/tmp}/verbundo-pruefen.$$"
if grep -q 'Fehler vorhanden' erwartet.txt; then soll=1; else soll=0; fi
[ "$status" = "$soll" ] || fehler "pruefen aller Beispiele: Status $status statt $soll"

# senden DATEI VON AN [OPTIONEN...], expected output on standard input.
senden() {
    erwartet=$(cat)
    ist=$("$cli" senden "$@" 2>&1)
    if [ "$ist" != "$erwartet" ]; then
        fehler "senden $*"
        printf '%s\n--- erwartet ---\n%s\n' "$ist" "$erwartet"
    fi
}

senden 1-buero.nz 1 192.168.1.20 <<'EOF'
Takt 1: aktiv 1 | unterwegs 1
Takt 2: aktiv 5 | unterwegs 1
Takt 3: Gerät 5: Nachricht wird gedruckt.
Takt 3: aktiv - | unterwegs 0
EOF

senden 1-buero.nz 4 192.168.1.10 --mailserver 0 <<'EOF'
Takt 1: aktiv 4 | unterwegs 1
Takt 2: aktiv 0 | unterwegs 1
Takt 3: Gerät 0: Nachricht auf Server gespeichert.
Takt 3: aktiv - | unterwegs 0
EOF

senden 2-zwei-netze.nz 0 192.168.2.20 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 3 | unterwegs 1
Takt 3: aktiv 4 | unterwegs 1
Takt 4: aktiv 7 | unterwegs 1
Takt 5: Gerät 8: Nachricht wird gedruckt.
Takt 5: aktiv - | unterwegs 0
EOF

# The duplicate address: only the later of the two computers receives.
senden 3-zwei-netze-fehler.nz 0 192.168.2.11 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 3 | unterwegs 1
Takt 3: aktiv 4 | unterwegs 1
Takt 4: aktiv 6 | unterwegs 1
Takt 5: Gerät 7: Nachricht angekommen.
Takt 5: aktiv - | unterwegs 0
EOF

# Forwarding looks at whole addresses, not at nets: the misplaced computer is reached.
senden 3-zwei-netze-fehler.nz 0 192.168.2.13 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 2 | unterwegs 1
Takt 3: Gerät 2: Nachricht angekommen.
Takt 3: aktiv - | unterwegs 0
EOF

senden 4-hub.nz 0 192.168.10.12 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 1 | unterwegs 1
Takt 3: Gerät 1: Nachricht angekommen.
Takt 3: aktiv - | unterwegs 0
EOF

senden 4-hub.nz 0 192.168.10.12 --hub 3 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 1 2 3 | unterwegs 3
Takt 3: Gerät 1: Nachricht angekommen.
Takt 3: aktiv - | unterwegs 0
EOF

senden 4-hub.nz 5 192.168.10.11 --hub 3 <<'EOF'
Takt 1: aktiv 4 | unterwegs 1
Takt 2: aktiv 3 | unterwegs 1
Takt 3: aktiv 0 1 2 | unterwegs 3
Takt 4: Gerät 0: Nachricht angekommen.
Takt 4: aktiv - | unterwegs 0
EOF

senden 5-router-kette.nz 0 192.168.2.20 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 3 | unterwegs 1
Takt 3: aktiv 4 | unterwegs 1
Takt 4: aktiv 5 | unterwegs 1
Takt 5: aktiv 6 | unterwegs 1
Takt 6: aktiv 9 | unterwegs 1
Takt 7: Gerät 10: Nachricht wird gedruckt.
Takt 7: aktiv - | unterwegs 0
EOF

# A router takes no delivery: the message ends at the middle router without a notice.
senden 5-router-kette.nz 0 10.0.2.1 <<'EOF'
Takt 1: aktiv 0 | unterwegs 1
Takt 2: aktiv 3 | unterwegs 1
Takt 3: aktiv 4 | unterwegs 1
Takt 4: aktiv - | unterwegs 0
EOF

if [ "$fehler" -ne 0 ]; then
    echo "$fehler Abweichungen bei den Beispielen"
    exit 1
fi
echo "Beispiele wie beschrieben"
