#include "Befehle.h"

#include "../diag/Befunde.h"
#include "../diag/Pruefung.h"
#include "../diag/RoutingAnzeige.h"
#include "../files/NetzDatei.h"
#include "../model/Fehler.h"
#include "../sim/Netz.h"

#include <ostream>
#include <unordered_map>

namespace verbundo::cli {

TKomponente& Geraet(const TNetz& netz, const std::string& nummer) {
    const long long n = Zahl(nummer, "Gerätenummer");
    if (n >= netz.Komponentenliste.Count())
        throw EAufruf("kein Gerät Nummer " + nummer + " (die Datei hat " +
                      std::to_string(netz.Komponentenliste.Count()) + ")");
    return *netz.Komponentenliste.GetKomponente(static_cast<int>(n));
}

int Pruefen(const TAufruf& aufruf, std::ostream& aus) {
    int status = 0;
    for (const std::string& datei : aufruf.Worte) {
        // Whatever goes wrong with one file (out of memory included), the others are checked.
        std::string zeile;
        try {
            const TNetz netz = LadeNetzdatei(datei);
            const long long fehler = ZaehleKonfigurationsfehler(netz);
            zeile = Pruefbericht(fehler);
            if (aufruf.Erklaeren) {
                // Findings can run into millions (every pair of equal addresses is one): the
                // output of one file stays bounded, as the window's list does.
                const TErklaerung e = ErklaerePruefung(netz, ErklaerteBefunde);
                aus << Sichtbar(datei) << ": " << zeile << '\n';
                zeile.clear();
                for (const TBefund& b : e.Befunde)
                    aus << "  " << b.Text << '\n';
                if (const auto mehr = e.Anzahl - static_cast<long long>(e.Befunde.size()); mehr > 0)
                    aus << "  " << WeitereBefunde(mehr) << '\n';
            }
            if (fehler > 0 && status == 0)
                status = 1;
        } catch (const ELesefehler& e) {
            zeile = Fehlertext(e);
            if (aufruf.Erklaeren)
                zeile += "\n  Zeile " + std::to_string(e.Stelle.Zeile) + ", Spalte " +
                         std::to_string(e.Stelle.Spalte);
            status = 2;
        } catch (const std::exception& e) {
            zeile = Fehlertext(e);
            status = 2;
        } catch (...) {
            zeile = Fehlertext();
            status = 2;
        }
        if (!zeile.empty())
            aus << Sichtbar(datei) << ": " << zeile << '\n';
    }
    return status;
}

int Routen(const TAufruf& aufruf, std::ostream& aus) {
    const TNetz netz = LadeNetzdatei(aufruf.Worte[0]);
    std::unordered_map<const TKabel*, int> kabelNummer;
    int i = 0;
    for (const auto& k : netz.Kabelliste)
        kabelNummer.emplace(k.get(), i++);
    i = 0;
    for (const auto& k : netz.Komponentenliste) {
        const int nummer = i++;
        const auto* sw = Als<TSwitch>(k.get());
        if (!sw)
            continue;
        aus << '#' << nummer << ' ' << sw->GetTyp() << ' ' << sw->GetIPText();
        if (const auto* r = Als<TRouter>(sw))
            aus << ' ' << r->GetIP2Text();
        aus << '\n';
        const TRoutingList& tabelle = sw->Routingtabelle;
        for (int z = 0; z < tabelle.Count(); ++z) {
            const TRoute& route = tabelle.GetRoute(z);
            const auto kabel = route.Kabel.lock();
            const auto it = kabelNummer.find(kabel.get());
            aus << "  " << IPToStr(route.Ziel) << " -> Kabel "
                << (it == kabelNummer.end() ? std::string("-") : std::to_string(it->second))
                << '\n';
        }
    }
    return 0;
}

int Anzeige(const TAufruf& aufruf, std::ostream& aus) {
    const TNetz netz = LadeNetzdatei(aufruf.Worte[0]);
    const TKomponente& aktuell = Geraet(netz, aufruf.Worte[1]);
    for (const std::string& zeile : RoutingAnzeige(netz, &aktuell))
        aus << zeile << '\n';
    return 0;
}

int Ausgeben(const TAufruf& aufruf, std::ostream& aus) {
    const TNetz netz = LadeNetzdatei(aufruf.Worte[0]);
    SchreibeNetzdatei(netz, aus);
    return 0;
}

} // namespace verbundo::cli
