// A task in lines after all records: written and read by this program only.

#include "AufgabeDatei.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <unordered_map>
#include <utility>

namespace verbundo {

namespace {

constexpr std::string_view Text = "#aufg";
constexpr std::string_view Vorgabe = "#vorg";
constexpr std::string_view Pruefpunkt = "#pkt ";
constexpr std::string_view Verboten = "CDKNRS";

const char* const Artnamen[PruefartAnzahl] = {"fehlerfrei", "erreicht", "adresse", "verbunden",
                                              "anzahl"};
const char* const Geraeteartnamen[] = {"drucker", "computer", "switch", "router"};

bool Maskiert(unsigned char c) {
    return c == '%' || c == '#' || c < 0x20 || c == 0x7f || Verboten.find(c) != Verboten.npos;
}

void Zahl(std::string& aus, int wert) {
    char puffer[16];
    std::snprintf(puffer, sizeof puffer, ",%5d", wert);
    aus += puffer;
}

// An error at byte spalte (from 0) of a task line.
ELesefehler Fehler(const std::string& text, TLesestelle stelle, std::size_t spalte) {
    stelle.Spalte += static_cast<long long>(spalte);
    return ELesefehler(text, stelle);
}

// A task line cut into its fields at ",", each with where it begins in the line.
struct TFelder {
    TFelder(const std::string& zeile, TLesestelle stelle) : Zeile(zeile), Stelle(stelle) {
        if (zeile.size() > 5 && zeile[5] != ',')
            throw Fehler("Nach " + zeile.substr(0, 5) + " fehlt das Komma.", stelle, 5);
        for (std::size_t p = 5; p < zeile.size();) {
            const std::size_t ende = std::min(zeile.find(',', p + 1), zeile.size());
            Teile.push_back({p + 1, zeile.substr(p + 1, ende - p - 1)});
            p = ende;
        }
    }
    struct TFeld {
        std::size_t Anfang;
        std::string Text;
    };
    ELesefehler Falsch(const std::string& text, std::size_t feld) const {
        return Fehler(text, Stelle, feld < Teile.size() ? Teile[feld].Anfang : Zeile.size());
    }
    const std::string& operator[](std::size_t feld) const {
        if (feld >= Teile.size())
            throw Falsch("Der Aufgabenzeile fehlt ein Feld.", feld);
        return Teile[feld].Text;
    }
    // A number of up to five digits, leading blanks allowed.
    int Zahl(std::size_t feld) const {
        const std::string& t = (*this)[feld];
        const std::size_t z = t.find_first_not_of(' ');
        if (z == std::string::npos || t.size() - z > 5 ||
            !std::all_of(t.begin() + static_cast<long>(z), t.end(),
                         [](char c) { return c >= '0' && c <= '9'; }))
            throw Falsch("'" + Sichtbar(t, 100) + "' ist keine Zahl.", feld);
        return std::stoi(t.substr(z));
    }
    // Nothing after the fields read.
    void KeinRest(std::size_t anzahl) const {
        if (Teile.size() > anzahl)
            throw Falsch("Die Aufgabenzeile hat ein Feld zu viel.", anzahl);
    }
    template <std::size_t N> int Name(std::size_t feld, const char* const (&namen)[N]) const {
        const std::string& t = (*this)[feld];
        for (std::size_t i = 0; i < N; ++i)
            if (t == namen[i])
                return static_cast<int>(i);
        throw Falsch("'" + Sichtbar(t, 100) + "' ist keine bekannte Angabe.", feld);
    }

    const std::string& Zeile;
    TLesestelle Stelle;
    std::vector<TFeld> Teile;
};

std::string LeseText(const std::string& zeile, TLesestelle stelle) {
    if (zeile.size() < 6 || zeile[5] != ',')
        throw Fehler("Nach #aufg fehlt das Komma.", stelle, 5);
    std::string text;
    for (std::size_t i = 6; i < zeile.size(); ++i) {
        const auto c = static_cast<unsigned char>(zeile[i]);
        if (c != '%') {
            if (Maskiert(c))
                throw Fehler("Im Aufgabentext muss '" + Sichtbar(std::string(1, zeile[i])) +
                                 "' als " + KodiereText(std::string(1, zeile[i])) + " stehen.",
                             stelle, i);
            text += zeile[i];
            continue;
        }
        const auto hex = [&](std::size_t j) {
            const char h = j < zeile.size() ? zeile[j] : '\0';
            return h >= '0' && h <= '9' ? h - '0' : h >= 'a' && h <= 'f' ? h - 'a' + 10 : -1;
        };
        if (hex(i + 1) < 0 || hex(i + 2) < 0)
            throw Fehler("Nach % im Aufgabentext müssen zwei Hex-Ziffern (0-9, a-f) stehen.",
                         stelle, i);
        text += static_cast<char>(hex(i + 1) * 16 + hex(i + 2));
        i += 2;
    }
    try {
        PruefeAufgabentext(text);
    } catch (const EFehler& e) {
        throw Fehler(e.what(), stelle, 6);
    }
    return text;
}

std::vector<std::shared_ptr<TKomponente>> LeseVorgaben(const TFelder& f, const TNetz& netz) {
    std::vector<int> indizes;
    for (std::size_t i = 0; i < f.Teile.size() || i == 0; ++i) {
        const int index = f.Zahl(i);
        if (index >= netz.Komponentenliste.Count())
            throw f.Falsch("Vorgegeben ist Gerät " + std::to_string(index) + ", die Datei hat " +
                               std::to_string(netz.Komponentenliste.Count()) + " Geräte.",
                           i);
        if (std::find(indizes.begin(), indizes.end(), index) != indizes.end())
            throw f.Falsch("Gerät " + std::to_string(index) + " ist zweimal vorgegeben.", i);
        if (indizes.size() == aufgabe::MaxVorgegeben)
            throw f.Falsch("Höchstens " + std::to_string(aufgabe::MaxVorgegeben) +
                               " Geräte können vorgegeben sein.",
                           i);
        indizes.push_back(index);
    }
    std::sort(indizes.begin(), indizes.end());
    std::vector<std::shared_ptr<TKomponente>> vorgegeben;
    for (int i : indizes)
        vorgegeben.push_back(netz.Komponentenliste.GetZeiger(i));
    return vorgegeben;
}

TPruefpunkt LesePruefpunkt(const TFelder& f, const TAufgabe& aufgabe, const TNetz& netz) {
    TPruefpunkt p;
    p.Punkte = f.Zahl(0);
    if (p.Punkte > aufgabe::MaxPunkte)
        throw f.Falsch("Punkte müssen eine ganze Zahl von 0 bis " +
                           std::to_string(aufgabe::MaxPunkte) + " sein.",
                       0);
    p.Art = static_cast<TPruefart>(f.Name(1, Artnamen));
    const auto geraet = [&](std::size_t feld) {
        const int i = f.Zahl(feld);
        if (i >= netz.Komponentenliste.Count())
            throw f.Falsch("Der Prüfpunkt nennt Gerät " + std::to_string(i) + ", die Datei hat " +
                               std::to_string(netz.Komponentenliste.Count()) + " Geräte.",
                           feld);
        auto k = netz.Komponentenliste.GetZeiger(i);
        if (aufgabe.Stelle(k.get()) < 0)
            throw f.Falsch("Der Prüfpunkt nennt Gerät " + std::to_string(i) +
                               ", das nicht vorgegeben ist.",
                           feld);
        return k;
    };
    const auto netzangabe = [&](std::size_t feld) {
        try {
            return LeseNetzangabe(f[feld]);
        } catch (const ELesefehler&) {
            throw;
        } catch (const EFehler& e) {
            throw f.Falsch(e.what(), feld);
        }
    };
    switch (p.Art) {
    case TPruefart::Fehlerfrei:
        if (f.Teile.size() > 2) {
            p.Netz = netzangabe(2);
            f.KeinRest(3);
        }
        break;
    case TPruefart::Erreicht:
    case TPruefart::Verbunden:
        p.A = geraet(2);
        p.B = geraet(3);
        f.KeinRest(4);
        break;
    case TPruefart::Adresse:
        p.A = geraet(2);
        p.Netz = netzangabe(3);
        if (f.Teile.size() > 4) {
            p.Welche = f.Zahl(4);
            f.KeinRest(5);
        }
        break;
    case TPruefart::Anzahl:
        p.Geraeteart = static_cast<TArt>(f.Name(2, Geraeteartnamen));
        p.Anzahl = f.Zahl(3);
        f.KeinRest(4);
        break;
    }
    try {
        PruefeAufbau(aufgabe, p);
    } catch (const EFehler& e) {
        throw f.Falsch(e.what(), 1);
    }
    return p;
}

} // namespace

bool IstAufgabenzeile(std::string_view kennung) {
    return kennung == Text || kennung == Vorgabe || kennung == Pruefpunkt;
}

std::string KodiereText(std::string_view text) {
    static const char hex[] = "0123456789abcdef";
    std::string aus;
    for (const char z : text) {
        const auto c = static_cast<unsigned char>(z);
        if (Maskiert(c)) {
            aus += '%';
            aus += hex[c >> 4];
            aus += hex[c & 15];
        } else {
            aus += z;
        }
    }
    return aus;
}

void PruefeAufgabentext(std::string_view text) {
    std::size_t zeichen = 0;
    for (std::size_t i = 0; i < text.size(); ++zeichen) {
        const std::size_t n = Utf8Laenge(text.substr(i));
        if (n == 0)
            throw EFehler("Der Aufgabentext ist kein gültiges UTF-8.");
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f)
            throw EFehler("Der Aufgabentext enthält ein Steuerzeichen.");
        i += n;
    }
    if (zeichen > aufgabe::MaxZeichen)
        throw EFehler("Der Aufgabentext ist zu lang (höchstens " +
                      std::to_string(aufgabe::MaxZeichen) + " Zeichen).");
}

void SchreibeAufgabe(const TNetz& netz, std::string& aus) {
    const TAufgabe* a = netz.Aufgabe.get();
    if (!a || a->Leer())
        return;
    std::unordered_map<const TKomponente*, int> index;
    for (const auto& k : a->Vorgegeben)
        index.emplace(k.get(), -1);
    int i = 0;
    for (const auto& k : netz.Komponentenliste) {
        if (const auto it = index.find(k.get()); it != index.end())
            it->second = i;
        ++i;
    }
    const auto nummer = [&](const std::shared_ptr<TKomponente>& k) {
        const auto it = index.find(k.get());
        if (it == index.end() || it->second < 0)
            throw EFehler("Stream write error");
        return it->second;
    };
    std::string zeilen = std::string(Text) + "," + KodiereText(a->Text) + "\r\n";
    if (!a->Vorgegeben.empty()) {
        zeilen += Vorgabe;
        for (const auto& k : a->Vorgegeben)
            Zahl(zeilen, nummer(k));
        zeilen += "\r\n";
    }
    for (const TPruefpunkt& p : a->Pruefpunkte) {
        zeilen += Pruefpunkt;
        Zahl(zeilen, p.Punkte);
        zeilen += ',';
        zeilen += Artnamen[static_cast<int>(p.Art)];
        switch (p.Art) {
        case TPruefart::Fehlerfrei:
            if (p.Netz.Maske != 0)
                zeilen += "," + Netzangabetext(p.Netz);
            break;
        case TPruefart::Erreicht:
        case TPruefart::Verbunden:
            Zahl(zeilen, nummer(p.A));
            Zahl(zeilen, nummer(p.B));
            break;
        case TPruefart::Adresse:
            Zahl(zeilen, nummer(p.A));
            zeilen += "," + Netzangabetext(p.Netz);
            if (p.Welche != 0)
                Zahl(zeilen, p.Welche);
            break;
        case TPruefart::Anzahl:
            zeilen += ',';
            zeilen += Geraeteartnamen[static_cast<int>(p.Geraeteart)];
            Zahl(zeilen, p.Anzahl);
            break;
        }
        zeilen += "\r\n";
    }
    aus += zeilen;
}

std::shared_ptr<const TAufgabe>
LeseAufgabe(const std::vector<std::pair<std::string, TLesestelle>>& zeilen, const TNetz& netz) {
    auto a = std::make_shared<TAufgabe>();
    // The given devices first: checks may come before their line.
    bool text = false, vorgaben = false;
    for (const auto& [zeile, stelle] : zeilen) {
        const std::string_view kennung = std::string_view(zeile).substr(0, 5);
        if (kennung == Text) {
            if (std::exchange(text, true))
                throw Fehler("Die Datei enthält zwei Aufgabentexte.", stelle, 0);
            a->Text = LeseText(zeile, stelle);
        } else if (kennung == Vorgabe) {
            if (std::exchange(vorgaben, true))
                throw Fehler("Die vorgegebenen Geräte stehen in zwei Zeilen.", stelle, 0);
            a->Vorgegeben = LeseVorgaben(TFelder(zeile, stelle), netz);
        }
    }
    for (const auto& [zeile, stelle] : zeilen) {
        if (!zeile.starts_with(Pruefpunkt))
            continue;
        if (a->Pruefpunkte.size() == aufgabe::MaxPruefpunkte)
            throw Fehler("Eine Aufgabe hat höchstens " + std::to_string(aufgabe::MaxPruefpunkte) +
                             " Prüfpunkte.",
                         stelle, 0);
        a->Pruefpunkte.push_back(LesePruefpunkt(TFelder(zeile, stelle), *a, netz));
    }
    if (a->Leer())
        return nullptr;
    return a;
}

TNetz WieGespeichert(const TNetz& netz) {
    std::istringstream ein(NetzdateiText(netz));
    TNetz kopie;
    LeseNetzdatei(ein, kopie);
    kopie.BerechneRouting();
    return kopie;
}

} // namespace verbundo
