#!/bin/sh
# Runs the command-line tool on the example networks and compares with what
# examples/README.md promises: the configuration-test results of erwartet.txt,
# the way of one message through each network, and the grading of the two tasks.
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

# bewerten STATUS [OPTIONEN] AUFGABE DATEI..., expected output on standard input: the two
# classroom tasks with their model and wrong solutions, and a file that is no work on the task.
bewerten() {
    soll=$1
    shift
    erwartet=$(cat)
    ist=$("$cli" bewerten "$@" 2>&1)
    status=$?
    if [ "$ist" != "$erwartet" ] || [ "$status" != "$soll" ]; then
        fehler "bewerten $* (Status $status statt $soll)"
        printf '%s\n--- erwartet ---\n%s\n' "$ist" "$erwartet"
    fi
}

bewerten 1 --erklaeren 6-aufgabe-buero.nz 6-aufgabe-buero-loesung.nz 6-aufgabe-buero-falsch.nz \
    1-buero.nz <<'EOF'
6-aufgabe-buero-loesung.nz: 10/10
  ja: Computer A ist mit Drucker C verbunden
  ja: Computer B ist mit Drucker C verbunden
  ja: Drucker C hat die Adresse 192.168.1.20
  ja: Computer A hat eine Adresse im Netz 192.168.1.0/24
  ja: Computer B hat eine Adresse im Netz 192.168.1.0/24
  ja: Nachricht von Computer A erreicht Drucker C
  ja: Nachricht von Computer B erreicht Drucker C
  ja: Konfiguration fehlerfrei
6-aufgabe-buero-falsch.nz: 5/10
  ja: Computer A ist mit Drucker C verbunden
  nein: Computer B ist mit Drucker C verbunden – Computer B und Drucker C sind nicht über Kabel und Switches verbunden.
  nein: Drucker C hat die Adresse 192.168.1.20 – Drucker C hat die Adresse 192.168.1.21.
  ja: Computer A hat eine Adresse im Netz 192.168.1.0/24
  ja: Computer B hat eine Adresse im Netz 192.168.1.0/24
  ja: Nachricht von Computer A erreicht Drucker C
  nein: Nachricht von Computer B erreicht Drucker C – Die Nachricht wurde verworfen bei Computer 192.168.1.10 (150, 300): Es gibt kein Kabel, auf dem sie weiter kann.
  nein: Konfiguration fehlerfrei – Es sind noch 1 Fehler vorhanden. Zuerst: Doppelte Adresse 192.168.1.10: Computer bei (150, 100) und Computer bei (150, 300).
1-buero.nz: keine Bearbeitung dieser Aufgabe
EOF

bewerten 1 --csv 7-aufgabe-router.nz 7-aufgabe-router-loesung.nz 7-aufgabe-router-falsch.nz <<'EOF'
Datei;Mindestens 1 Router im Netz;Computer A hat eine Adresse im Netz 192.168.1.0/24;Computer B hat eine Adresse im Netz 192.168.1.0/24;Drucker C hat eine Adresse im Netz 192.168.2.0/24;Nachricht von Computer A erreicht Drucker C;Nachricht von Computer B erreicht Drucker C;Konfiguration fehlerfrei;Punkte;von
7-aufgabe-router-loesung.nz;1;1;1;1;1;1;1;10;10
7-aufgabe-router-falsch.nz;1;1;0;1;0;0;0;3;10
EOF

bewerten 0 7-aufgabe-router.nz 7-aufgabe-router-loesung.nz <<'EOF'
7-aufgabe-router-loesung.nz: 10/10
EOF

# Why the wrong solution of the router task misses its messages.
bewerten 1 7-aufgabe-router.nz --erklaeren 7-aufgabe-router-falsch.nz <<'EOF'
7-aufgabe-router-falsch.nz: 3/10
  ja: Mindestens 1 Router im Netz
  ja: Computer A hat eine Adresse im Netz 192.168.1.0/24
  nein: Computer B hat eine Adresse im Netz 192.168.1.0/24 – Computer B hat die Adresse 192.168.2.11.
  ja: Drucker C hat eine Adresse im Netz 192.168.2.0/24
  nein: Nachricht von Computer A erreicht Drucker C – Die Nachricht wurde verworfen bei Switch (200, 200): Die Routingtabelle hat keine Route zu 192.168.2.20.
  nein: Nachricht von Computer B erreicht Drucker C – Die Nachricht wurde verworfen bei Switch (200, 200): Die Routingtabelle hat keine Route zu 192.168.2.20.
  nein: Konfiguration fehlerfrei – Es sind noch 2 Fehler vorhanden. Zuerst: Computer 192.168.2.11 steht im Subnetz 192.168.1.0 / 255.255.255.0, seine Adresse gehört aber nicht dazu.
EOF

if [ "$fehler" -ne 0 ]; then
    echo "$fehler Abweichungen bei den Beispielen"
    exit 1
fi
echo "Beispiele wie beschrieben"
