// A task's checks in words, and what makes a check well-formed.

#include "Aufgabe.h"

#include "../model/Fehler.h"
#include "Regeln.h"

#include <algorithm>
#include <numeric>

namespace verbundo {

int TAufgabe::Moeglich() const {
    return std::accumulate(Pruefpunkte.begin(), Pruefpunkte.end(), 0,
                           [](int s, const TPruefpunkt& p) { return s + p.Punkte; });
}

int TAufgabe::Stelle(const TKomponente* k) const {
    for (std::size_t i = 0; i < Vorgegeben.size(); ++i)
        if (Vorgegeben[i].get() == k)
            return static_cast<int>(i);
    return -1;
}

std::string Artname(TArt art) {
    switch (art) {
    case TArt::Drucker:
        return "Drucker";
    case TArt::Computer:
        return "Computer";
    case TArt::Switch:
        return "Switch";
    case TArt::Router:
        break;
    }
    return "Router";
}

std::string Kennbuchstaben(int stelle) {
    // Like spreadsheet columns: A … Z, AA … AZ, BA …
    std::string s;
    for (int n = stelle + 1; n > 0; n = (n - 1) / 26)
        s.insert(s.begin(), static_cast<char>('A' + (n - 1) % 26));
    return s;
}

std::string Geraetename(const TAufgabe& aufgabe, const TKomponente* k) {
    if (!k)
        return "(kein Gerät)";
    const int stelle = aufgabe.Stelle(k);
    return Artname(k->Art()) + (stelle < 0 ? std::string() : " " + Kennbuchstaben(stelle));
}

std::string Punktetext(int punkte) {
    return std::to_string(punkte) + (punkte == 1 ? " Punkt" : " Punkte");
}

std::string Ergebnistext(int erreicht, int moeglich) {
    return std::to_string(erreicht) + " von " + std::to_string(moeglich) +
           (moeglich == 1 ? " Punkt" : " Punkten");
}

std::string Artname(TArt art, long long anzahl) {
    return art == TArt::Switch && anzahl != 1 ? "Switches" : Artname(art);
}

namespace {

// Four dot-separated fields of one to three digits, each at most 255.
bool LeseAdresse(std::string_view t, TAdresse& wert) {
    wert = 0;
    for (int feld = 0; feld < 4; ++feld) {
        std::size_t n = 0;
        unsigned v = 0;
        while (n < t.size() && n < 4 && t[n] >= '0' && t[n] <= '9')
            v = v * 10 + static_cast<unsigned>(t[n++] - '0');
        if (n == 0 || n > 3 || v > 255)
            return false;
        wert = wert << 8 | v;
        t.remove_prefix(n);
        if (feld < 3) {
            if (t.empty() || t[0] != '.')
                return false;
            t.remove_prefix(1);
        }
    }
    return t.empty();
}

} // namespace

TNetzangabe LeseNetzangabe(const std::string& text) {
    const std::string beispiel = " (zum Beispiel 192.168.1.10, 192.168.1.0/24 oder "
                                 "192.168.1.0/255.255.255.0)";
    const std::size_t strich = text.find('/');
    TNetzangabe n{0, 0xffffffffu};
    if (!LeseAdresse(std::string_view(text).substr(0, strich), n.NetzID))
        throw EFehler("'" + Sichtbar(text, 40) + "' ist keine Adresse" + beispiel + ".");
    if (strich != std::string::npos) {
        const std::string maske = text.substr(strich + 1);
        int laenge = -1;
        if (!maske.empty() && maske.size() <= 2 &&
            std::all_of(maske.begin(), maske.end(), [](char c) { return c >= '0' && c <= '9'; }))
            laenge = std::stoi(maske);
        if (laenge >= 1 && laenge <= 32)
            n.Maske = laenge == 32 ? 0xffffffffu : ~(0xffffffffu >> laenge);
        else if (!LeseAdresse(maske, n.Maske) || n.Maske == 0)
            throw EFehler("'" + Sichtbar(maske, 40) + "' ist keine Subnetzmaske" + beispiel + ".");
    }
    switch (regeln::SubnetzMangel(n.NetzID, n.Maske)) {
    case regeln::TMangel::Keiner:
        break;
    case regeln::TMangel::NetzID:
        throw EFehler("Die Netz-ID " + IPToStr(n.NetzID) + " hat Bits außerhalb der Maske " +
                      IPToStr(n.Maske) + ".");
    default:
        throw EFehler("Die Maske " + IPToStr(n.Maske) +
                      " ist keine ununterbrochene Folge von Einsen von links.");
    }
    if (n.NetzID == 0)
        throw EFehler("0.0.0.0 steht für „keine Adresse“.");
    return n;
}

std::string Netzangabetext(const TNetzangabe& n) {
    if (n.Maske == 0)
        return {};
    // The mask is an unbroken run of ones from the left: its length says it all.
    int laenge = 0;
    while (laenge < 32 && (n.Maske >> (31 - laenge) & 1u))
        ++laenge;
    return n.Genau() ? IPToStr(n.NetzID) : IPToStr(n.NetzID) + "/" + std::to_string(laenge);
}

std::string Pruefpunkttext(const TAufgabe& aufgabe, const TPruefpunkt& p) {
    const std::string a = Geraetename(aufgabe, p.A.get());
    const std::string b = Geraetename(aufgabe, p.B.get());
    const std::string netz = Netzangabetext(p.Netz);
    switch (p.Art) {
    case TPruefart::Fehlerfrei:
        return netz.empty() ? "Konfiguration fehlerfrei"
                            : "Konfiguration im Netz " + netz + " fehlerfrei";
    case TPruefart::Erreicht:
        return "Nachricht von " + a + " erreicht " + b;
    case TPruefart::Adresse: {
        const std::string wer = p.Welche == 1   ? "Die erste Adresse von " + a
                                : p.Welche == 2 ? "Die zweite Adresse von " + a
                                                : std::string();
        if (p.Netz.Genau())
            return wer.empty() ? a + " hat die Adresse " + netz : wer + " ist " + netz;
        return wer.empty() ? a + " hat eine Adresse im Netz " + netz
                           : wer + " liegt im Netz " + netz;
    }
    case TPruefart::Verbunden:
        return a + " ist mit " + b + " verbunden";
    case TPruefart::Anzahl:
        break;
    }
    return "Mindestens " + std::to_string(p.Anzahl) + " " + Artname(p.Geraeteart, p.Anzahl) +
           " im Netz";
}

namespace {

// A device the check names: given, and of a kind the check can use.
void PruefeGeraet(const TAufgabe& aufgabe, const TKomponente* k, bool (*passt)(TArt),
                  const char* was) {
    if (!k)
        throw EFehler(std::string("Dem Prüfpunkt fehlt ") + was + ".");
    if (aufgabe.Stelle(k) < 0)
        throw EFehler("Der Prüfpunkt nennt ein Gerät, das nicht vorgegeben ist.");
    if (!passt(k->Art()))
        throw EFehler("Der Prüfpunkt braucht " + std::string(was) + ", nicht " +
                      Geraetename(aufgabe, k) + ".");
}

} // namespace

void PruefeAufbau(const TAufgabe& aufgabe, const TPruefpunkt& p) {
    if (p.Punkte < 0 || p.Punkte > aufgabe::MaxPunkte)
        throw EFehler("Punkte müssen eine ganze Zahl von 0 bis " +
                      std::to_string(aufgabe::MaxPunkte) + " sein.");
    const auto jedes = [](TArt) { return true; };
    switch (p.Art) {
    case TPruefart::Fehlerfrei:
        if (p.Netz.Maske != 0)
            LeseNetzangabe(Netzangabetext(p.Netz));
        break;
    case TPruefart::Erreicht:
        PruefeGeraet(
            aufgabe, p.A.get(), [](TArt a) { return a == TArt::Computer; }, "einen Computer");
        PruefeGeraet(aufgabe, p.B.get(), IstDrucker, "einen Drucker oder Computer");
        if (p.A == p.B)
            throw EFehler("Sender und Ziel sind dasselbe Gerät.");
        break;
    case TPruefart::Adresse:
        PruefeGeraet(
            aufgabe, p.A.get(), [](TArt a) { return a != TArt::Switch; },
            "einen Drucker, Computer oder Router");
        LeseNetzangabe(Netzangabetext(p.Netz));
        if (p.Welche < 0 || p.Welche > 2)
            throw EFehler("Welche Adresse eines Routers: 1 (die erste) oder 2 (die zweite).");
        if (p.Welche != 0 && p.A->Art() != TArt::Router)
            throw EFehler("Nur ein Router hat eine erste und eine zweite Adresse.");
        break;
    case TPruefart::Verbunden:
        PruefeGeraet(aufgabe, p.A.get(), jedes, "ein Gerät");
        PruefeGeraet(aufgabe, p.B.get(), jedes, "ein zweites Gerät");
        if (p.A == p.B)
            throw EFehler("Ein Gerät ist nicht mit sich selbst verbunden.");
        break;
    case TPruefart::Anzahl:
        if (p.Anzahl < 1 || p.Anzahl > aufgabe::MaxAnzahl)
            throw EFehler("Die Anzahl muss eine ganze Zahl von 1 bis " +
                          std::to_string(aufgabe::MaxAnzahl) + " sein.");
        break;
    }
}

} // namespace verbundo
