#include "NetzDatei.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <type_traits>

namespace verbundo {

namespace {

// Fixed columns: numbers are counted off five characters at a time, separators are skipped
// unseen, and only texts look for their end.
class TLeser {
public:
    TLeser(std::string_view text, const TKompList* vorhanden, TNetz& netz)
        : Text(text), Vorhanden(vorhanden), Netz(netz),
          Base(vorhanden ? static_cast<long long>(vorhanden->Count()) : 0) {}

    void LeseAlles() {
        while (Text.size() - Pos >= 5) {
            const char art = Text[Pos];
            Pos += 5;
            switch (art) {
            case 'C':
                Geraet<TComputer>();
                break;
            case 'D':
                Geraet<TDrucker>();
                break;
            case 'S':
                Geraet<TSwitch>();
                break;
            case 'R':
                Geraet<TRouter>();
                break;
            case 'K':
                Kabel();
                break;
            case 'N':
                Subnetz();
                break;
            default:
                Ueberspringe();
            }
        }
    }

private:
    void Ueberspringe() {
        if (Pos < Text.size())
            ++Pos;
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

    template <class T> void Geraet() {
        Ueberspringe();
        const int x = Zahl();
        Ueberspringe();
        const int y = Zahl();
        Ueberspringe();
        auto k = std::make_shared<T>(x, y);
        k->SetIPText(Wort());
        if constexpr (std::is_same_v<T, TRouter>)
            k->SetIP2Text(Wort());
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
        auto subnetz = std::make_unique<TSubnet>(TRect{seite[0], seite[1], seite[2], seite[3]});
        subnetz->SetNetzIDText(Wort());
        subnetz->SetMaskText(Wort());
        Netz.Subnetzliste.push_back(std::move(subnetz));
        Ueberspringe();
    }

    std::string_view Text;
    std::size_t Pos = 0;
    const TKompList* Vorhanden;
    TNetz& Netz;
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

TNetz LadeNetzdatei(const std::string& pfad) {
    std::error_code egal;
    // A folder opens as an empty stream on some systems; it is no file to read.
    std::ifstream datei;
    if (!std::filesystem::is_directory(pfad, egal))
        datei.open(pfad, std::ios::binary);
    if (!datei.is_open())
        throw EFehler("Cannot open file " + pfad);
    TNetz netz;
    LeseNetzdatei(datei, netz);
    netz.BerechneRouting();
    return netz;
}

} // namespace verbundo
