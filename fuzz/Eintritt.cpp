#include "Eintritt.h"

#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "files/NetzDatei.h"
#include "model/Fehler.h"
#include "sim/Netz.h"

#include <algorithm>
#include <sstream>
#include <string>

namespace verbundo::fuzz {

namespace {

void Verlange(bool bedingung, const std::string& was) {
    if (!bedingung)
        throw EVerletzt(was);
}

bool Passt(long long wert) {
    return wert >= -9999 && wert <= 99999;
}

// Whether every number the writer has to put in a field fits; the reader can widen a subnet
// beyond the field (Left 99999 becomes Right 100109).
bool AllesPasst(const TNetz& netz) {
    for (const auto& k : netz.Komponentenliste)
        if (!Passt(k->GetX()) || !Passt(k->GetY()))
            return false;
    for (const auto& s : netz.Subnetzliste) {
        const TRect r = s->GetRect();
        if (!Passt(r.Left) || !Passt(r.Top) || !Passt(r.Right) || !Passt(r.Bottom))
            return false;
    }
    return netz.Komponentenliste.Count() <= 100000;
}

void Lies(const std::string& text, TNetz& netz) {
    std::istringstream ein(text);
    LeseNetzdatei(ein, netz);
}

// The error must name one of the dot-separated fields, quoted short and visibly.
bool NenntEinFeld(const std::string& text, const std::string& meldung) {
    if (meldung.size() > 500 || Sichtbar(meldung) != meldung)
        return false;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '.')
            continue;
        if (meldung == KeineGanzzahl(std::string_view(text).substr(anfang, i - anfang)).what())
            return true;
        anfang = i + 1;
    }
    return false;
}

} // namespace

void LeserEintritt(const std::uint8_t* daten, std::size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    TNetz netz;
    try {
        Lies(text, netz);
    } catch (const EFehler& e) {
        Verlange(netz.Komponentenliste.Count() == 0 && netz.Kabelliste.Count() == 0 &&
                     netz.Subnetzliste.Count() == 0,
                 "a failed read left something behind");
        const std::string meldung = e.what();
        Verlange(meldung.size() <= 500 && Sichtbar(meldung) == meldung,
                 "error text too long or not visible: " + meldung);
        return;
    }
    netz.BerechneRouting();

    std::string geschrieben;
    try {
        geschrieben = NetzdateiText(netz);
    } catch (const EFehler& e) {
        Verlange(std::string(e.what()) == "Stream write error" && !AllesPasst(netz),
                 std::string("writer refused a network that fits: ") + e.what());
    }
    if (!geschrieben.empty()) {
        TNetz zurueck;
        try {
            Lies(geschrieben, zurueck);
        } catch (const EFehler& e) {
            throw EVerletzt(std::string("written file does not read back: ") + e.what());
        }
        Verlange(NetzdateiText(zurueck) == geschrieben, "written file reads back differently");
    }

    const long long fehler = ZaehleKonfigurationsfehler(netz);
    Verlange(fehler >= 0, "negative error count");
    Verlange(!Pruefbericht(fehler).empty(), "empty report");
    const TKomponente* start =
        netz.Komponentenliste.Count() ? netz.Komponentenliste.GetKomponente(0) : nullptr;
    const auto zeilen = RoutingAnzeige(netz, start);
    Verlange(start || zeilen.empty(), "lines without a current device");
}

void IPEintritt(const std::uint8_t* daten, std::size_t groesse) {
    const std::string text(reinterpret_cast<const char*>(daten), groesse);
    TAdresse wert = 12345;
    bool ok = false;
    try {
        ok = StrToIP(text, wert);
    } catch (const EFehler& e) {
        Verlange(NenntEinFeld(text, e.what()), std::string("conversion error text: ") + e.what());
        return;
    }
    if (!ok) {
        Verlange(wert == 0, "refused text left a value");
        return;
    }
    TAdresse wieder = 1;
    Verlange(StrToIP(IPToStr(wert), wieder) && wieder == wert,
             "address text does not convert back");
}

} // namespace verbundo::fuzz
