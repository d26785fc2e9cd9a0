#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop and a package
# manager rely on: validators, names that refer to each other, icon sizes, examples.
# Aufruf: pruefe-installation.sh BUILD QUELLE APP-ID MIME-TYP VERSION DATENVERZEICHNIS
#         mit-fenster|ohne-fenster
set -u

build=$1 quelle=$2 id=$3 mime=$4 version=$5 daten=$6 fenster=$7

for werkzeug in cmake desktop-file-validate appstreamcli xmllint update-mime-database file cmp gzip; do
    if ! command -v "$werkzeug" >/dev/null 2>&1; then
        echo "übersprungen: $werkzeug fehlt (scripts/install-deps installiert es)"
        exit 77
    fi
done

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
ziel=$tmp/usr
share=$ziel/share
fehler=0
fehler() {
    echo "FEHLER: $*"
    fehler=$((fehler + 1))
}

if ! cmake --install "$build" --prefix "$ziel" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    echo "FEHLER: cmake --install schlug fehl"
    exit 1
fi

# Programs
programme="verbundo-cli"
[ "$fenster" = mit-fenster ] && programme="verbundo $programme"
for p in $programme; do
    if [ ! -x "$ziel/bin/$p" ]; then
        fehler "bin/$p fehlt oder ist nicht ausführbar"
    elif ! file -b "$ziel/bin/$p" | grep -q '^ELF'; then
        fehler "bin/$p ist kein ELF-Programm"
    fi
done

# The window program falls back to the data directory it was built for.
# Qt string literals are stored as UTF-16, hence both encodings.
if [ "$fenster" = mit-fenster ] && command -v strings >/dev/null 2>&1 &&
    ! { strings -a "$ziel/bin/verbundo" | grep -qxF "$daten" ||
        strings -a -e l "$ziel/bin/verbundo" | grep -qxF "$daten"; }; then
    fehler "bin/verbundo sucht seine Bilder nicht in $daten"
fi

# Pictures the window program loads by name
for b in computer.bmp mailserver.bmp switch.bmp drucker.bmp router.bmp dokument.bmp hilfe.html; do
    cmp -s "$quelle/assets/$b" "$share/verbundo/$b" || fehler "share/verbundo/$b fehlt oder weicht ab"
done

grep -q '^License: GPL-3+' "$share/doc/verbundo/copyright" 2>/dev/null ||
    fehler "share/doc/verbundo/copyright fehlt"
gzip -cd "$share/doc/verbundo/changelog.gz" 2>/dev/null | head -n 1 | grep -q "^verbundo ($version) " ||
    fehler "changelog.gz beginnt nicht mit Version $version"
for p in $programme; do
    gzip -cd "$share/man/man1/$p.1.gz" 2>/dev/null | grep -q '^\.TH' || fehler "Handbuchseite $p.1.gz fehlt"
done

# Desktop file
desktop=$share/applications/$id.desktop
if [ ! -f "$desktop" ]; then
    fehler "$id.desktop fehlt"
else
    desktop-file-validate "$desktop" || fehler "desktop-file-validate: $id.desktop"
    wert() { sed -n "s/^$1=//p" "$desktop" | head -n 1; }
    [ "$(wert Name)" = Verbundo ] || fehler "Name ist nicht Verbundo"
    [ "$(wert Icon)" = "$id" ] || fehler "Icon ist nicht $id"
    [ "$(wert Terminal)" = false ] || fehler "Terminal ist nicht false"
    programm=$(wert Exec | cut -d' ' -f1)
    [ -n "$programm" ] && [ -x "$ziel/bin/$programm" ] || [ "$fenster" = ohne-fenster ] ||
        fehler "Exec nennt '$programm', das nicht in bin/ liegt"
    case ";$(wert MimeType)" in
        *";$mime;"*) ;;
        *) fehler "MimeType nennt $mime nicht" ;;
    esac
    case ";$(wert Categories)" in
        *";Education;"*) ;;
        *) fehler "Categories ohne Education" ;;
    esac
fi

# AppStream metainfo
meta=$share/metainfo/$id.metainfo.xml
if [ ! -f "$meta" ]; then
    fehler "$id.metainfo.xml fehlt"
else
    appstreamcli validate --no-net "$meta" || fehler "appstreamcli validate: $id.metainfo.xml"
    xpfad() { xmllint --xpath "$1" "$meta" 2>/dev/null; }
    [ "$(xpfad 'string(/component/id)')" = "$id" ] || fehler "metainfo: id ist nicht $id"
    [ "$(xpfad 'string(/component/launchable[@type="desktop-id"])')" = "$id.desktop" ] ||
        fehler "metainfo: launchable ist nicht $id.desktop"
    [ "$(xpfad 'count(/component/provides/mediatype[.="'"$mime"'"])')" = 1 ] ||
        fehler "metainfo: mediatype $mime fehlt"
    [ "$(xpfad 'count(/component/summary[@xml:lang="de"])')" = 1 ] ||
        fehler "metainfo: keine deutsche Zusammenfassung"
    [ "$(xpfad 'string(/component/releases/release[1]/@version)')" = "$version" ] ||
        fehler "metainfo: die neueste Version ist nicht $version"
    for b in $(xpfad '/component/provides/binary/text()'); do
        case " $programme " in
            *" $b "*) [ -x "$ziel/bin/$b" ] || fehler "metainfo nennt $b, das nicht installiert ist" ;;
        esac
    done
fi

# Shared MIME info: build a database from our file alone and look the glob up in it
mimexml=$share/mime/packages/$id.xml
if [ ! -f "$mimexml" ]; then
    fehler "mime/packages/$id.xml fehlt"
else
    xmllint --noout "$mimexml" || fehler "xmllint: $id.xml"
    mkdir -p "$tmp/mime/packages"
    cp "$mimexml" "$tmp/mime/packages/"
    if update-mime-database "$tmp/mime" >"$tmp/mime.log" 2>&1 && ! grep -qi warn "$tmp/mime.log"; then
        grep -qx "50:$mime:\*\.nz" "$tmp/mime/globs2" || fehler "MIME: *.nz ist nicht $mime"
        grep -qx "$mime text/plain" "$tmp/mime/subclasses" || fehler "MIME: keine Unterart von text/plain"
        grep -qx "$mime:$id" "$tmp/mime/icons" || fehler "MIME: Symbol ist nicht $id"
        grep -q '<comment>Netzmodell</comment>' "$tmp/mime/$mime.xml" ||
            fehler "MIME: Beschreibung ist nicht Netzmodell"
    else
        cat "$tmp/mime.log"
        fehler "update-mime-database lehnt $id.xml ab"
    fi
fi

# Icons in the hicolor theme
png=$share/icons/hicolor/48x48/apps/$id.png
svg=$share/icons/hicolor/scalable/apps/$id.svg
file -b "$png" 2>/dev/null | grep -q '^PNG image data, 48 x 48' || fehler "$png ist kein 48x48-PNG"
[ "$(xmllint --xpath 'local-name(/*)' "$svg" 2>/dev/null)" = svg ] || fehler "$svg ist kein SVG"

# Examples: installed unchanged, CR LF line ends, and the documented test results
bsp=$share/verbundo/examples
anzahl=0
for f in "$quelle"/examples/*.nz; do
    n=$(basename "$f")
    anzahl=$((anzahl + 1))
    cmp -s "$f" "$bsp/$n" || fehler "Beispiel $n fehlt oder weicht ab"
    # Every line, the last included, must end in CR LF.
    if ! LC_ALL=C awk '!/\r$/ { schlecht = 1 } END { exit schlecht }' "$f" ||
        [ "$(tail -c 1 "$f" | od -An -tx1 | tr -d ' ')" != 0a ]; then
        fehler "Beispiel $n hat nicht überall CR LF"
    fi
    grep -q "^$n: " "$quelle/examples/erwartet.txt" || fehler "erwartet.txt nennt $n nicht"
done
[ "$anzahl" -ge 4 ] || fehler "weniger als vier Beispiele"
[ "$(grep -c '\.nz: ' "$quelle/examples/erwartet.txt")" = "$anzahl" ] ||
    fehler "erwartet.txt nennt andere Dateien als examples/"
cmp -s "$quelle/examples/erwartet.txt" "$bsp/erwartet.txt" || fehler "erwartet.txt nicht installiert"

sh "$quelle/tests/packaging/pruefe-beispiele.sh" "$ziel/bin/verbundo-cli" "$bsp" || fehler "Beispiele"

if [ "$fehler" -ne 0 ]; then
    echo "$fehler Fehler in der Installation"
    exit 1
fi
echo "Installation in Ordnung"
