#include "Aufruf.h"

#include <charconv>

namespace verbundo::cli {

const char* const Hilfe =
    "Aufruf: verbundo-cli BEFEHL ...\n"
    "\n"
    "  pruefen [--erklaeren] DATEI...\n"
    "                          Konfiguration jeder Netzdatei testen, mit --erklaeren jeden\n"
    "                          Fehler in einem Satz darunter\n"
    "  routen DATEI            Routingtabellen aller Switches und Router ausgeben\n"
    "  anzeige DATEI GERÄT     Routing-Anzeige vom Gerät Nummer GERÄT aus\n"
    "  senden DATEI VON AN [--takte N] [--hub G]... [--mailserver G]... [--ports24 G]...\n"
    "                       [--protokoll]\n"
    "                          Nachricht vom Computer VON an die IP-Adresse AN senden und\n"
    "                          höchstens N Takte (Vorgabe 20) laufen lassen; --protokoll\n"
    "                          zeigt dazu jeden Schritt der Nachricht\n"
    "  ausgeben DATEI          Netzdatei so ausgeben, wie \"Speichern\" sie schreibt\n"
    "  bewerten [--erklaeren] [--csv] AUFGABE DATEI...\n"
    "                          jede DATEI nach den Prüfpunkten der Aufgabendatei AUFGABE\n"
    "                          bewerten: Punkte je Datei, mit --erklaeren jeder Prüfpunkt\n"
    "                          mit ja oder nein und Grund, mit --csv eine Tabelle\n"
    "  --help                  diese Hilfe\n"
    "\n"
    "Geräte- und Kabelnummern zählen ab 0 in der Reihenfolge der Netzdatei.\n"
    "Rückgabe: 0 in Ordnung, 1 Fehler gefunden, kein Ziel oder nicht alle Punkte,\n"
    "2 Datei- oder Aufruffehler.\n";

long long Zahl(const std::string& text, const std::string& was) {
    long long n = 0;
    const char* ende = text.data() + text.size();
    const auto [p, fehler] = std::from_chars(text.data(), ende, n);
    if (text.empty() || text[0] == '-' || fehler != std::errc() || p != ende)
        throw EAufruf(was + " ist keine Zahl: '" + text + "'");
    return n;
}

namespace {

// How many positional arguments each subcommand takes; -1: one or more, -2: two or more.
int Stellen(const std::string& befehl) {
    if (befehl == "pruefen")
        return -1;
    if (befehl == "bewerten")
        return -2;
    if (befehl == "routen" || befehl == "ausgeben")
        return 1;
    if (befehl == "anzeige")
        return 2;
    if (befehl == "senden")
        return 3;
    throw EAufruf("unbekannter Befehl '" + befehl + "'");
}

} // namespace

TAufruf LeseAufruf(const std::vector<std::string>& argumente) {
    if (argumente.empty())
        throw EAufruf("kein Befehl angegeben");
    TAufruf aufruf;
    aufruf.Befehl = argumente[0];
    const int stellen = Stellen(aufruf.Befehl);
    for (std::size_t i = 1; i < argumente.size(); ++i) {
        const std::string& a = argumente[i];
        const bool bewerten = aufruf.Befehl == "bewerten";
        if ((a == "--erklaeren" && (aufruf.Befehl == "pruefen" || bewerten)) ||
            (a == "--protokoll" && aufruf.Befehl == "senden") || (a == "--csv" && bewerten)) {
            (a == "--erklaeren" ? aufruf.Erklaeren
             : a == "--csv"     ? aufruf.Csv
                                : aufruf.Protokoll) = true;
            continue;
        }
        if (aufruf.Befehl != "senden" || a.rfind("--", 0) != 0) {
            aufruf.Worte.push_back(a);
            continue;
        }
        if (i + 1 >= argumente.size())
            throw EAufruf("zu " + a + " fehlt der Wert");
        const std::string& wert = argumente[++i];
        if (a == "--takte")
            aufruf.Takte = Zahl(wert, "--takte");
        else if (a == "--hub")
            aufruf.Hub.push_back(wert);
        else if (a == "--mailserver")
            aufruf.Mailserver.push_back(wert);
        else if (a == "--ports24")
            aufruf.Ports24.push_back(wert);
        else
            throw EAufruf("unbekannte Option '" + a + "'");
    }
    const auto n = static_cast<int>(aufruf.Worte.size());
    if (stellen < 0 ? n < -stellen : n < stellen)
        throw EAufruf("zu " + aufruf.Befehl + " fehlen Angaben");
    if (stellen >= 0 && n > stellen)
        throw EAufruf("zu viele Angaben zu " + aufruf.Befehl);
    return aufruf;
}

} // namespace verbundo::cli
