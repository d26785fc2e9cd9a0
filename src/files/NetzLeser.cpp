#include "NetzDatei.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"
#include "Einstellungen.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

namespace verbundo {

namespace {

// Fixed columns: numbers are counted off five characters at a time, separators are skipped
// unseen, and only texts look for their end.
class TLeser {
public:
    TLeser(std::string_view text, const TKompList* vorhanden, TNetz& netz,
           bool einstellungen = true)
        : Text(text), Vorhanden(vorhanden), Netz(netz), MitEinstellungen(einstellungen),
          Base(vorhanden ? static_cast<long long>(vorhanden->Count()) : 0) {}

    void LeseAlles() {
        while (Text.size() - Pos >= 5) {
            const char art = Text[Pos];
            Pos += 5;
            switch (art) {
            case 'C':
                Geraet(TArt::Computer);
                break;
            case 'D':
                Geraet(TArt::Drucker);
                break;
            case 'S':
                Geraet(TArt::Switch);
                break;
            case 'R':
                Geraet(TArt::Router);
                break;
            case 'K':
                Kabel();
                break;
            case 'N':
                Subnetz();
                break;
            default:
                if (MitEinstellungen && IstEinstellung(Text.substr(Pos - 5, 5)))
                    Einstellung();
                else
                    Ueberspringe();
            }
        }
        WendeEinstellungenAn(Einstellungen, Netz);
    }

private:
    void Ueberspringe() {
        if (Pos < Text.size())
            ++Pos;
    }

    // The whole line from its tag to the CR; applied once every record has been read.
    void Einstellung() {
        const std::size_t anfang = Pos - 5;
        Pos = std::min(Text.find('\r', anfang), Text.size());
        Einstellungen.emplace_back(Text.substr(anfang, Pos - anfang));
        Ueberspringe();
        Ueberspringe();
    }

    int Zahl() {
        // A file cut off inside a field is as wrong as a field with a letter in it.
        if (Text.size() - Pos < 5) {
            const std::string rest(Text.substr(Pos));
            Pos = Text.size();
            throw KeineGanzzahl(rest);
        }
        const std::string_view feld = Text.substr(Pos, 5);
        Pos += 5;
        return StrToInt(feld);
    }

    std::string Wort() {
        const std::size_t anfang = Pos;
        while (Pos < Text.size() && Text[Pos] != ',' && Text[Pos] != '\r')
            ++Pos;
        std::string wort(Text.substr(anfang, Pos - anfang));
        Ueberspringe();
        return wort;
    }

    void Geraet(TArt art) {
        Ueberspringe();
        const int x = Zahl();
        Ueberspringe();
        const int y = Zahl();
        Ueberspringe();
        auto k = NeueKomponente(art, x, y);
        k->SetIPText(Wort());
        if (auto* r = Als<TRouter>(k.get()))
            r->SetIP2Text(Wort());
        Netz.Komponentenliste.Add(std::move(k));
        Ueberspringe();
    }

    const TKompList::Zeiger& Ende(long long index) const {
        const long long p = Base + index;
        if (p >= 0 && p < Base)
            return Vorhanden->GetZeiger(static_cast<int>(p));
        if (p >= Base && p - Base < Netz.Komponentenliste.Count())
            return Netz.Komponentenliste.GetZeiger(static_cast<int>(p - Base));
        throw IndexFehler(p);
    }

    void Kabel() {
        Ueberspringe();
        const int i = Zahl();
        Ueberspringe();
        const int j = Zahl();
        Ueberspringe();
        // B before A: when both are wrong, the error names j.
        TKabel::Ende b = Ende(j);
        TKabel::Ende a = Ende(i);
        Netz.Kabelliste.Add(TKabel::Create(std::move(a), std::move(b)));
        Ueberspringe();
    }

    void Subnetz() {
        Ueberspringe();
        int seite[4];
        for (int& s : seite) {
            s = Zahl();
            Ueberspringe();
        }
        auto subnetz = std::make_shared<TSubnet>(TRect{seite[0], seite[1], seite[2], seite[3]});
        subnetz->SetNetzIDText(Wort());
        subnetz->SetMaskText(Wort());
        Netz.Subnetzliste.Add(std::move(subnetz));
        Ueberspringe();
    }

    std::string_view Text;
    std::size_t Pos = 0;
    const TKompList* Vorhanden;
    TNetz& Netz;
    const bool MitEinstellungen;
    std::vector<std::string> Einstellungen;
    const long long Base;
};

} // namespace

void LeseNetzdatei(std::istream& ein, TNetz& netz, const TKompList* vorhanden) {
    const std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    // On an error the half-read network dies here, and with it every cable it had plugged
    // into a device of vorhanden.
    TNetz frisch;
    TLeser(inhalt, vorhanden, frisch).LeseAlles();
    netz.Anhaengen(std::move(frisch));
}

void LeseOhneEinstellungen(std::istream& ein, TNetz& netz) {
    const std::string inhalt{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    TLeser(inhalt, nullptr, netz, false).LeseAlles();
}

void LeseNetzdateiVon(const std::string& pfad, TNetz& netz, const TKompList* vorhanden) {
    std::error_code egal;
    // A folder opens as an empty stream on some systems, and opening a FIFO or a device can
    // wait for ever: only regular files are opened.
    std::ifstream datei;
    if (std::filesystem::is_regular_file(pfad, egal))
        datei.open(pfad, std::ios::binary);
    if (!datei.is_open())
        throw EFehler("Cannot open file " + pfad);
    LeseNetzdatei(datei, netz, vorhanden);
}

TNetz LadeNetzdatei(const std::string& pfad) {
    TNetz netz;
    LeseNetzdateiVon(pfad, netz);
    netz.BerechneRouting();
    return netz;
}

} // namespace verbundo
