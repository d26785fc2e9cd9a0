// The task in the editor: the teacher's changes as steps, the picking of a check's devices,
// "Aufgabe prüfen" and what a panel shows.

#include "AufgabenEditor.h"

#include "../files/AufgabeDatei.h"
#include "../model/Fehler.h"
#include "Editor.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace verbundo {

namespace {

// What a check needs picked, slot by slot: the kinds that fit and what to tell the teacher.
struct TSlot {
    bool (*Passt)(TArt);
    const char* Hinweis;
};

std::vector<TSlot> Slots(TPruefart art) {
    const auto jedes = [](TArt) { return true; };
    switch (art) {
    case TPruefart::Erreicht:
        return {{[](TArt a) { return a == TArt::Computer; },
                 "Klicken Sie auf den Computer, der die Nachricht sendet."},
                {IstDrucker, "Klicken Sie auf den Drucker oder Computer, den sie erreichen soll."}};
    case TPruefart::Adresse:
        return {{[](TArt a) { return a != TArt::Switch; },
                 "Klicken Sie auf den Drucker, Computer oder Router, dessen Adresse zählt."}};
    case TPruefart::Verbunden:
        return {{jedes, "Klicken Sie auf das erste der beiden Geräte."},
                {jedes, "Klicken Sie auf das zweite der beiden Geräte."}};
    default:
        return {};
    }
}

// A whole number from min to max as typed; raises EFehler otherwise.
int Ganzzahl(const std::string& text, int min, int max) {
    int wert = 0;
    const char* ende = text.data() + text.size();
    const auto [rest, fehler] = std::from_chars(text.data(), ende, wert);
    if (fehler != std::errc() || rest != ende || wert < min || wert > max)
        throw EFehler("'" + Sichtbar(text, 100) + "' ist keine ganze Zahl von " +
                      std::to_string(min) + " bis " + std::to_string(max) + ".");
    return wert;
}

// k among the given devices, in device-list order: the letters follow the list, as they will
// after saving.
void Einordnen(TAufgabe& a, const TKompList& liste, const std::shared_ptr<TKomponente>& k) {
    const int index = liste.IndexVon(k.get());
    a.Vorgegeben.insert(
        std::find_if(a.Vorgegeben.begin(), a.Vorgegeben.end(),
                     [&](const auto& g) { return liste.IndexVon(g.get()) > index; }),
        k);
}

// Line breaks as the file keeps them; other control characters become blanks.
std::string Bereinigt(const std::string& text) {
    std::string t;
    bool nachCR = false;
    for (const char z : text) {
        const auto c = static_cast<unsigned char>(z);
        // CR LF is one line break.
        if (std::exchange(nachCR, c == '\r') && c == '\n')
            continue;
        t += c == '\r' ? '\n' : (c < 0x20 && c != '\n' && c != '\t') || c == 0x7f ? ' ' : z;
    }
    return t;
}

} // namespace

const TAufgabe* TAufgabenEditor::Aufgabe() const {
    return E.NetzWert.Aufgabe.get();
}

std::shared_ptr<TAufgabe> TAufgabenEditor::Kopie() const {
    const TAufgabe* a = Aufgabe();
    return a ? std::make_shared<TAufgabe>(*a) : std::make_shared<TAufgabe>();
}

bool TAufgabenEditor::Setze(std::shared_ptr<TAufgabe> neu) {
    E.Veraendert();
    return E.Schritt([&] { E.Beginne(UAufgabe); },
                     [&] { E.NetzWert.Aufgabe = neu->Leer() ? nullptr : std::move(neu); });
}

bool TAufgabenEditor::SetzeText(const std::string& text) {
    bool geaendert = false;
    E.Sicher([&] {
        const std::string t = Bereinigt(text);
        if (t == (Aufgabe() ? Aufgabe()->Text : std::string()))
            return;
        PruefeAufgabentext(t);
        auto neu = Kopie();
        neu->Text = t;
        geaendert = Setze(std::move(neu));
    });
    return geaendert;
}

bool TAufgabenEditor::FrageText() {
    const std::string alt = Aufgabe() ? Aufgabe()->Text : std::string();
    return SetzeText(E.Fragen.Textfeld("Aufgabentext", "Text der Aufgabe:", alt));
}

bool TAufgabenEditor::SchalteVorgabe() {
    const auto k = E.NetzWert.Komponentenliste.ZeigerVon(E.AktKomponente());
    if (!k) {
        E.Fragen.Information("Wählen Sie zuerst ein Gerät auf der Zeichenfläche.");
        return false;
    }
    auto neu = Kopie();
    auto& v = neu->Vorgegeben;
    const int stelle = neu->Stelle(k.get());
    if (stelle >= 0) {
        if (std::any_of(neu->Pruefpunkte.begin(), neu->Pruefpunkte.end(),
                        [&](const TPruefpunkt& p) { return p.A == k || p.B == k; })) {
            E.Fragen.Information(Geraetename(*neu, k.get()) +
                                 " wird von einem Prüfpunkt genannt und bleibt vorgegeben.");
            return false;
        }
        v.erase(v.begin() + stelle);
        return Setze(std::move(neu));
    }
    if (v.size() >= aufgabe::MaxVorgegeben) {
        E.Fragen.Information("Höchstens " + std::to_string(aufgabe::MaxVorgegeben) +
                             " Geräte können vorgegeben sein.");
        return false;
    }
    Einordnen(*neu, E.NetzWert.Komponentenliste, k);
    return Setze(std::move(neu));
}

bool TAufgabenEditor::Entferne(std::size_t nr) {
    if (!Aufgabe() || nr >= Aufgabe()->Pruefpunkte.size())
        return false;
    auto neu = Kopie();
    neu->Pruefpunkte.erase(neu->Pruefpunkte.begin() + static_cast<long>(nr));
    return Setze(std::move(neu));
}

bool TAufgabenEditor::FragePunkte(std::size_t nr) {
    if (!Aufgabe() || nr >= Aufgabe()->Pruefpunkte.size())
        return false;
    bool geaendert = false;
    E.Sicher([&] {
        const TPruefpunkt& p = Aufgabe()->Pruefpunkte[nr];
        const int punkte = Ganzzahl(
            E.Fragen.Eingabe("Punkte",
                             "Punkte für „" + Pruefpunkttext(*Aufgabe(), p) + "“ (0 bis 100):",
                             std::to_string(p.Punkte)),
            0, aufgabe::MaxPunkte);
        if (punkte == p.Punkte)
            return;
        auto neu = Kopie();
        neu->Pruefpunkte[nr].Punkte = punkte;
        geaendert = Setze(std::move(neu));
    });
    return geaendert;
}

std::string TAufgabenEditor::Hinweistext() const {
    if (!Bau)
        return {};
    return Slots(*Bau)[Gewaehlt.size()].Hinweis;
}

void TAufgabenEditor::Neu(TPruefart art) {
    Bau = art;
    Gewaehlt.clear();
    if (Slots(art).empty())
        Vervollstaendige();
}

void TAufgabenEditor::BrichAb() {
    Bau.reset();
    Gewaehlt.clear();
}

void TAufgabenEditor::Nimm(int x, int y) {
    TKomponente* k = E.NetzWert.Komponentenliste.FindeBei(x, y);
    if (!Bau || !k)
        return;
    const TSlot slot = Slots(*Bau)[Gewaehlt.size()];
    if (!slot.Passt(k->Art())) {
        E.Fragen.Information("Dieses Gerät passt hier nicht.\r" + std::string(slot.Hinweis));
        return;
    }
    Gewaehlt.push_back(E.NetzWert.Komponentenliste.ZeigerVon(k));
    if (Gewaehlt.size() == Slots(*Bau).size())
        Vervollstaendige();
}

void TAufgabenEditor::Vervollstaendige() {
    TPruefpunkt p;
    p.Art = *Bau;
    std::vector<std::shared_ptr<TKomponente>> geraete;
    for (const auto& g : Gewaehlt)
        geraete.push_back(g.lock());
    BrichAb();
    E.Sicher([&] {
        auto& liste = E.NetzWert.Komponentenliste;
        for (const auto& k : geraete)
            if (!k || k->IstEntfernt())
                throw EFehler("Ein gewähltes Gerät ist nicht mehr da.");
        p.A = geraete.size() > 0 ? geraete[0] : nullptr;
        p.B = geraete.size() > 1 ? geraete[1] : nullptr;
        auto& f = E.Fragen;
        const std::string titel = "Neuer Prüfpunkt";
        if (p.Art == TPruefart::Fehlerfrei) {
            const std::string netz =
                f.Eingabe(titel, "Nur im Netz (leer: im ganzen Netz), z. B. 192.168.1.0/24:", "");
            if (!netz.empty())
                p.Netz = LeseNetzangabe(netz);
        } else if (p.Art == TPruefart::Adresse) {
            const std::string vorgabe = p.A->GetIP() ? p.A->GetIPText() : std::string();
            const std::string netz = f.Eingabe(
                titel, "Adresse oder Netz, z. B. 192.168.1.10 oder 192.168.1.0/24:", vorgabe);
            if (netz.empty())
                return;
            p.Netz = LeseNetzangabe(netz);
            if (p.A->Art() == TArt::Router) {
                p.Welche = f.Auswahl(titel, "Welche Adresse des Routers?",
                                     {"eine der beiden", "die erste", "die zweite"});
                if (p.Welche < 0)
                    return;
            }
        } else if (p.Art == TPruefart::Anzahl) {
            const int art = f.Auswahl(titel, "Welche Geräte?",
                                      {Artname(TArt::Computer), Artname(TArt::Drucker),
                                       Artname(TArt::Switch), Artname(TArt::Router)});
            if (art < 0)
                return;
            p.Geraeteart = std::array{TArt::Computer, TArt::Drucker, TArt::Switch,
                                      TArt::Router}[static_cast<std::size_t>(art)];
            p.Anzahl =
                Ganzzahl(f.Eingabe(titel, "Mindestens wie viele?", "1"), 1, aufgabe::MaxAnzahl);
        }
        p.Punkte = Ganzzahl(f.Eingabe(titel, "Punkte (0 bis 100):", "1"), 0, aufgabe::MaxPunkte);
        auto neu = Kopie();
        if (neu->Pruefpunkte.size() >= aufgabe::MaxPruefpunkte)
            throw EFehler("Eine Aufgabe hat höchstens " + std::to_string(aufgabe::MaxPruefpunkte) +
                          " Prüfpunkte.");
        // Its devices become given with it.
        for (const auto& k : geraete)
            if (neu->Stelle(k.get()) < 0)
                Einordnen(*neu, liste, k);
        if (neu->Vorgegeben.size() > aufgabe::MaxVorgegeben)
            throw EFehler("Höchstens " + std::to_string(aufgabe::MaxVorgegeben) +
                          " Geräte können vorgegeben sein.");
        neu->Pruefpunkte.push_back(p);
        PruefeAufbau(*neu, p);
        Setze(std::move(neu));
    });
}

bool TAufgabenEditor::Schuetzt(const TKomponente* k) {
    const TAufgabe* a = Aufgabe();
    if (!k || !a || a->Stelle(k) < 0)
        return false;
    E.Fragen.Information(Geraetename(*a, k) +
                         " ist von der Aufgabe vorgegeben und kann nicht gelöscht werden.\r"
                         "Verschieben und Einstellen sind erlaubt.");
    return true;
}

bool TAufgabenEditor::Gueltig() const {
    return Bewertet && Bewertet == E.NetzWert.Aufgabe && BewertetBei == E.Verlauf.Zustand();
}

const TBewertung& TAufgabenEditor::Pruefe() {
    Bewertung = {};
    Bewertet.reset();
    E.Sicher([&] {
        const auto a = E.NetzWert.Aufgabe;
        if (!a)
            return;
        TNetz kopie = WieGespeichert(E.NetzWert);
        // Its own task read back: the same given devices, in the same order.
        Bewertung = Bewerte(*a, kopie, Zuordnung(*a, kopie).value());
        Bewertet = a;
        BewertetBei = E.Verlauf.Zustand();
    });
    return Bewertung;
}

std::optional<TPunkt> TAufgabenEditor::Zeige(std::size_t nr) {
    const TAufgabe* a = Aufgabe();
    if (!a || nr >= a->Pruefpunkte.size())
        return std::nullopt;
    const TPruefpunkt& p = a->Pruefpunkte[nr];
    std::vector<std::weak_ptr<TKomponente>> markiert;
    for (const auto& k : {p.A, p.B})
        if (k && !k->IstEntfernt())
            markiert.push_back(k);
    if (markiert.empty())
        return std::nullopt;
    TKomponente* erstes = markiert.front().lock().get();
    E.Waehle(erstes);
    E.Markierung.Geraete = std::move(markiert);
    E.Markierung.Subnetz.reset();
    E.Markierung.Stand = E.StandWert;
    return TPunkt{erstes->GetX(), erstes->GetY()};
}

TAufgabenansicht TAufgabenEditor::Ansicht() const {
    TAufgabenansicht v;
    v.Hinweis = Hinweistext();
    const TAufgabe* a = Aufgabe();
    if (!a)
        return v;
    v.Vorhanden = true;
    v.Text = a->Text;
    const bool gueltig = Gueltig();
    for (std::size_t i = 0; i < a->Pruefpunkte.size(); ++i) {
        const TPruefpunkt& p = a->Pruefpunkte[i];
        TPruefzeile z{Pruefpunkttext(*a, p) + " (" + Punktetext(p.Punkte) + ")", -1, {}};
        if (gueltig) {
            z.Erfuellt = Bewertung.Pruefungen[i].Erfuellt ? 1 : 0;
            z.Grund = Bewertung.Pruefungen[i].Grund;
        }
        v.Zeilen.push_back(std::move(z));
    }
    v.Punkte = gueltig ? Ergebnistext(Bewertung.Punkte, Bewertung.Moeglich)
                       : Punktetext(a->Moeglich()) + " möglich";
    return v;
}

} // namespace verbundo
