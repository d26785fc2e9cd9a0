#include "Befehle.h"

#include "../files/NetzDatei.h"
#include "../sim/Netz.h"
#include "../sim/Protokoll.h"

#include <ostream>
#include <type_traits>
#include <unordered_map>

namespace verbundo::cli {

namespace {

// Prints each delivery the moment the tick makes it.
class TDruckMelder : public TMelder {
public:
    TDruckMelder(const TKompList& liste, std::ostream& aus) : Aus(aus) {
        int i = 0;
        for (const auto& k : liste)
            Nummer.emplace(k.get(), i++);
    }
    void Melde(const TKomponente& empfaenger, const std::string& text) override {
        const auto it = Nummer.find(&empfaenger);
        Aus << "Takt " << Takt << ": Gerät " << (it == Nummer.end() ? -1 : it->second) << ": "
            << text << '\n';
    }
    long long Takt = 0;

private:
    std::ostream& Aus;
    std::unordered_map<const TKomponente*, int> Nummer;
};

// Prints each event of the log the moment it happens.
class TDruckProtokoll : public TProtokoll {
public:
    explicit TDruckProtokoll(std::ostream& aus) : Aus(aus) {}
    void Schreibe(const TEreignis& e, const std::string& adresse) override {
        Aus << "Takt " << e.Takt << ": " << ProtokollZeile(e, adresse) << '\n';
    }

private:
    std::ostream& Aus;
};

template <class T> T& Art(const TNetz& netz, const std::string& nummer, const char* name) {
    TKomponente& k = Geraet(netz, nummer);
    auto* t = Als<T>(&k);
    // Routers are switches to the type system, not to the options.
    if (!t || (std::is_same_v<T, TSwitch> && k.Art() == TArt::Router))
        throw EAufruf("Gerät " + nummer + " ist kein " + name);
    return *t;
}

void Aktive(const TNetz& netz, std::ostream& aus) {
    bool keins = true;
    int i = 0;
    for (const auto& k : netz.Kabelliste) {
        if (k->IsAktiv()) {
            aus << ' ' << i;
            keins = false;
        }
        ++i;
    }
    if (keins)
        aus << " -";
}

} // namespace

int Senden(const TAufruf& aufruf, std::ostream& aus, std::ostream& fehler) {
    TNetz netz = LadeNetzdatei(aufruf.Worte[0]);
    TComputer& von = Art<TComputer>(netz, aufruf.Worte[1], "Computer");
    for (const std::string& d : aufruf.Hub)
        Art<TSwitch>(netz, d, "Switch").Hub = true;
    for (const std::string& d : aufruf.Mailserver)
        Art<TComputer>(netz, d, "Computer").SetMailserver(true);
    for (const std::string& d : aufruf.Ports24)
        Art<TSwitch>(netz, d, "Switch").SetMaxPorts(24);

    TDruckProtokoll protokoll(aus);
    if (aufruf.Protokoll)
        netz.Nachrichtenliste.SetProtokoll(&protokoll);
    const std::string& an = aufruf.Worte[2];
    const TKomponente* ziel = netz.Komponentenliste.FindeIP(an);
    if (!ziel) {
        netz.Nachrichtenliste.KeinZiel(an);
        netz.Nachrichtenliste.SetProtokoll(nullptr);
        fehler << "kein Ziel: " << Sichtbar(an) << '\n';
        return 1;
    }
    const auto& liste = netz.Komponentenliste;
    netz.Nachrichtenliste.Add(std::make_unique<TNachricht>(liste.GetZeiger(liste.IndexVon(&von)),
                                                           liste.GetZeiger(liste.IndexVon(ziel)),
                                                           "Testnachricht"));

    TDruckMelder melder(liste, aus);
    netz.Nachrichtenliste.SetMelder(&melder);
    for (long long t = 1; t <= aufruf.Takte; ++t) {
        melder.Takt = t;
        netz.Nachrichtenliste.Takt();
        aus << "Takt " << t << ": aktiv";
        Aktive(netz, aus);
        aus << " | unterwegs " << netz.Nachrichtenliste.Count() << '\n';
        if (netz.Nachrichtenliste.Count() == 0)
            break;
    }
    netz.Nachrichtenliste.SetMelder(nullptr);
    netz.Nachrichtenliste.SetProtokoll(nullptr);
    return 0;
}

} // namespace verbundo::cli
