#pragma once

// A notifier that writes down every delivery notice (device and text) and can run something
// while a notice is "open", as the window's nested event loop does.

#include "model/Komponente.h"
#include "sim/Netz.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace verbundo::test {

class TMelderaufzeichnung : public TMelder {
public:
    struct TMeldung {
        const TKomponente* Empfaenger;
        std::string Text;
    };
    std::vector<TMeldung> Meldungen;
    std::function<void()> Waehrenddessen;

    void Melde(const TKomponente& empfaenger, const std::string& text) override {
        Meldungen.push_back({&empfaenger, text});
        if (Waehrenddessen)
            Waehrenddessen();
    }
};

// The shared pointer that the network holds for a device of it.
inline TKompList::Zeiger Zeiger(const TNetz& netz, const TKomponente* k) {
    return netz.Komponentenliste.GetZeiger(netz.Komponentenliste.IndexVon(k));
}

// What "Nachricht senden" appends.
inline TNachricht* Sende(TNetz& netz, const TKomponente* von, const TKomponente* an) {
    auto m = std::make_unique<TNachricht>(Zeiger(netz, von), Zeiger(netz, an), "Testnachricht");
    TNachricht* roh = m.get();
    netz.Nachrichtenliste.Add(std::move(m));
    return roh;
}

} // namespace verbundo::test
