// Evaluating a task's checks on a network: from the network alone, with the configuration
// test's findings and the message log's reasons as the explanations.

#include "Aufgabe.h"

#include "../sim/Netz.h"
#include "../sim/Protokoll.h"
#include "Befunde.h"
#include "Pruefung.h"
#include "Regeln.h"

#include <algorithm>
#include <deque>
#include <unordered_map>

namespace verbundo {

std::optional<std::vector<TKomponente*>> Zuordnung(const TAufgabe& aufgabe, const TNetz& netz) {
    const auto& soll = aufgabe.Vorgegeben;
    static const std::vector<std::shared_ptr<TKomponente>> keine;
    const auto& ist = netz.Aufgabe ? netz.Aufgabe->Vorgegeben : keine;
    if (ist.size() != soll.size())
        return std::nullopt;
    std::vector<TKomponente*> geraete;
    for (std::size_t i = 0; i < ist.size(); ++i) {
        if (ist[i]->Art() != soll[i]->Art() || ist[i]->IstEntfernt())
            return std::nullopt;
        geraete.push_back(ist[i].get());
    }
    // The same task, not another one with as many given devices of the same kinds: its text or
    // its checks are the task's, so that a teacher may still mend either after handing it out.
    if (!netz.Aufgabe)
        return std::nullopt;
    const TAufgabe& a = *netz.Aufgabe;
    const auto gleich = [&](const TPruefpunkt& p, const TPruefpunkt& q) {
        return p.Punkte == q.Punkte && Pruefpunkttext(aufgabe, p) == Pruefpunkttext(a, q);
    };
    if (a.Text != aufgabe.Text &&
        !std::equal(aufgabe.Pruefpunkte.begin(), aufgabe.Pruefpunkte.end(), a.Pruefpunkte.begin(),
                    a.Pruefpunkte.end(), gleich))
        return std::nullopt;
    return geraete;
}

namespace {

// Counts the findings that concern a net without making their texts: a subnet rectangle of
// exactly that net ID and mask, or a device with an address in it. Erster: the number of the
// first such finding in counting order.
struct TImNetz {
    const TNetzangabe& N;
    long long Alle = 0, Anzahl = 0, Erster = -1;

    bool Hat(const regeln::TGeraet& g) const {
        return N.Enthaelt(g.IP) || (g.Router && N.Enthaelt(g.IP2));
    }
    bool Ist(const TSubnet& s) const { return s.GetNetzID() == N.NetzID && s.GetMask() == N.Maske; }
    void Zaehle(bool betrifft) {
        if (betrifft && Anzahl++ == 0)
            Erster = Alle;
        ++Alle;
    }
    void Subnetz(int, const TSubnet& s, regeln::TMangel) { Zaehle(Ist(s)); }
    void Doppelt(const regeln::TGeraet& a, bool, const regeln::TGeraet& b, bool) {
        Zaehle(Hat(a) || Hat(b));
    }
    void Lage(const regeln::TGeraet& g, int, const TSubnet& s) { Zaehle(Hat(g) || Ist(s)); }
};

TPruefung Fehlerfrei(const TNetz& netz, const TNetzangabe& n) {
    if (n.Maske == 0) {
        const TErklaerung e = ErklaerePruefung(netz, 1);
        if (e.Anzahl == 0)
            return {true, {}};
        return {false, Pruefbericht(e.Anzahl) + " Zuerst: " + e.Befunde.front().Text};
    }
    TImNetz im{n};
    regeln::Durchlaufe(netz, im);
    if (im.Anzahl == 0)
        return {true, {}};
    const TErklaerung e = ErklaerePruefung(netz, static_cast<std::size_t>(im.Erster) + 1);
    return {false, "Im Netz " + Netzangabetext(n) + " sind noch " + std::to_string(im.Anzahl) +
                       " Fehler vorhanden. Zuerst: " + e.Befunde.back().Text};
}

// Counts deliveries: only the message's destination takes one.
class TZaehler : public TMelder {
public:
    void Melde(const TKomponente&, const std::string&) override { ++Zustellungen; }
    int Zustellungen = 0;
};

// Keeps the first drop that says most: copies a hub sends to the wrong computers are dropped
// there on every run and explain nothing.
class TVerlust : public TProtokoll {
public:
    void Schreibe(const TEreignis& e, const std::string&) override {
        switch (e.Art) {
        case TEreignisArt::Gesendet:
        case TEreignisArt::Kabel:
        case TEreignisArt::Kopie:
        case TEreignisArt::Zugestellt:
        case TEreignisArt::KeinZiel:
            return;
        default:
            break;
        }
        const auto wenig = [](const TEreignis& x) { return x.Art == TEreignisArt::NichtZiel; };
        if (!Erster || (wenig(*Erster) && !wenig(e)))
            Erster = e;
    }
    std::optional<TEreignis> Erster;
};

// The log's line, worded for one message of a check.
std::string Grund(const TEreignis& e) {
    std::string z = ProtokollZeile(e);
    const std::string nummer = "Nachricht " + std::to_string(e.Nachricht);
    if (z.starts_with(nummer + " "))
        z.replace(0, nummer.size(), "Die Nachricht wurde");
    // The tables of a check are freshly computed: recomputing them changes nothing.
    const std::string frage = " Routingtabelle neu berechnen?";
    if (z.ends_with(frage))
        z.erase(z.size() - frage.size());
    return z;
}

std::string Wer(const TKomponente& k) {
    return Artname(k.Art()) + " " + k.GetIPText() + " (" + std::to_string(k.GetX()) + ", " +
           std::to_string(k.GetY()) + ")";
}

TPruefung Erreicht(TNetz& netz, const std::string& name, TKomponente* a, TKomponente* b) {
    if (b->GetIP() == 0)
        return {false, name + " hat noch keine Adresse."};
    // Sent as the learner would: to the address, which the last device carrying it takes.
    TKomponente* ziel = netz.Komponentenliste.FindeIP(b->GetIPText());
    if (ziel != b)
        return {false, "Die Adresse " + b->GetIPText() + " hat auch " + Wer(*ziel) +
                           "; eine Nachricht an sie geht dorthin."};
    TNachrichtenList liste;
    TZaehler melder;
    TVerlust verlust;
    liste.SetMelder(&melder);
    liste.SetProtokoll(&verlust);
    liste.Add(std::make_unique<TNachricht>(netz.Komponentenliste.ZeigerVon(a),
                                           netz.Komponentenliste.ZeigerVon(b), "Testnachricht"));
    for (int t = 0; t < MaxTakte && liste.Count() > 0 && melder.Zustellungen == 0; ++t)
        liste.Takt();
    liste.Clear();
    for (const auto& k : netz.Kabelliste)
        k->SetAktiv(false);
    if (melder.Zustellungen > 0)
        return {true, {}};
    // Every message that does not arrive is dropped, and the drop is logged; the ticks run out
    // only on a network beyond every limit.
    return {false, verlust.Erster ? Grund(*verlust.Erster)
                                  : "Die Nachricht kam nach " + std::to_string(MaxTakte) +
                                        " Takten noch nicht an."};
}

TPruefung Adresse(const TPruefpunkt& p, const std::string& name, const TKomponente& k) {
    const auto* r = Als<TRouter>(&k);
    const TAdresse ip = k.GetIP(), ip2 = r ? r->GetIP2() : ip;
    const bool erste = p.Welche != 2 && p.Netz.Enthaelt(ip);
    const bool zweite = r && p.Welche != 1 && p.Netz.Enthaelt(ip2);
    if (erste || zweite)
        return {true, {}};
    if (!r || p.Welche != 0) {
        const TAdresse hat = p.Welche == 2 ? ip2 : ip;
        const std::string welche = p.Welche == 1 ? "erste " : p.Welche == 2 ? "zweite " : "";
        if (hat == 0)
            return {false, name + " hat noch keine " + welche + "Adresse."};
        return {false,
                name + (welche.empty() ? " hat die Adresse " : " hat als " + welche + "Adresse ") +
                    IPToStr(hat) + "."};
    }
    return {false, name + " hat die Adressen " + IPToStr(ip) + " und " + IPToStr(ip2) + "."};
}

// Through cables, over plain switches (hubs too) only: a computer or router in between would
// be forwarding, not a cable.
bool Verbunden(const TNetz& netz, const TKomponente* a, const TKomponente* b) {
    std::unordered_map<const TKomponente*, std::vector<const TKomponente*>> nachbarn;
    for (const auto& k : netz.Kabelliste) {
        nachbarn[k->GetA()].push_back(k->GetB());
        nachbarn[k->GetB()].push_back(k->GetA());
    }
    std::vector<const TKomponente*> gesehen{a};
    std::deque<const TKomponente*> offen{a};
    while (!offen.empty()) {
        const TKomponente* k = offen.front();
        offen.pop_front();
        for (const TKomponente* n : nachbarn[k]) {
            if (n == b)
                return true;
            if (n->Art() != TArt::Switch ||
                std::find(gesehen.begin(), gesehen.end(), n) != gesehen.end())
                continue;
            gesehen.push_back(n);
            offen.push_back(n);
        }
    }
    return false;
}

TPruefung Anzahl(const TNetz& netz, const TPruefpunkt& p) {
    const auto n = std::count_if(netz.Komponentenliste.begin(), netz.Komponentenliste.end(),
                                 [&](const auto& k) { return k->Art() == p.Geraeteart; });
    if (n >= p.Anzahl)
        return {true, {}};
    return {false, std::string(n == 1 ? "Im Netz ist " : "Im Netz sind ") + std::to_string(n) +
                       " " + Artname(p.Geraeteart, n) + "."};
}

} // namespace

TBewertung Bewerte(const TAufgabe& aufgabe, TNetz& netz, const std::vector<TKomponente*>& geraete) {
    TBewertung ergebnis;
    const auto steht = [&](const std::shared_ptr<TKomponente>& k) -> TKomponente* {
        const int i = aufgabe.Stelle(k.get());
        return i >= 0 && static_cast<std::size_t>(i) < geraete.size() ? geraete[i] : nullptr;
    };
    for (const TPruefpunkt& p : aufgabe.Pruefpunkte) {
        TKomponente* a = steht(p.A);
        TKomponente* b = steht(p.B);
        const std::string nameA = Geraetename(aufgabe, p.A.get());
        const std::string nameB = Geraetename(aufgabe, p.B.get());
        TPruefung e;
        if ((p.A && !a) || (p.B && !b)) {
            e = {false, "Ein vorgegebenes Gerät fehlt."};
        } else {
            switch (p.Art) {
            case TPruefart::Fehlerfrei:
                e = Fehlerfrei(netz, p.Netz);
                break;
            case TPruefart::Erreicht:
                e = Erreicht(netz, nameB, a, b);
                break;
            case TPruefart::Adresse:
                e = Adresse(p, nameA, *a);
                break;
            case TPruefart::Verbunden:
                e = Verbunden(netz, a, b) ? TPruefung{true, {}}
                                          : TPruefung{false, nameA + " und " + nameB +
                                                                 " sind nicht über Kabel und "
                                                                 "Switches verbunden."};
                break;
            case TPruefart::Anzahl:
                e = Anzahl(netz, p);
                break;
            }
        }
        ergebnis.Moeglich += p.Punkte;
        if (e.Erfuellt)
            ergebnis.Punkte += p.Punkte;
        ergebnis.Pruefungen.push_back(std::move(e));
    }
    return ergebnis;
}

} // namespace verbundo
