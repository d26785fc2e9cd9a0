#include "NetzDatei.h"

#include "../model/Fehler.h"
#include "../sim/Netz.h"
#include "AufgabeDatei.h"
#include "Einstellungen.h"
#include "Quelle.h"

#include <cstring>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace verbundo {

namespace {

// The input a block at a time: no copy of the whole file is ever held, and what is read is
// counted against the size limit (a stream or a growing file has no size to check first).
class TEingabe {
public:
    explicit TEingabe(TQuelle& quelle) : Quelle(quelle), Puffer(std::size_t{1} << 16) {}

    // The number of bytes ahead: at least n, unless the input ends before.
    std::size_t Vorrat(std::size_t n) {
        if (Ende - Pos < n && !Schluss)
            Fuelle(n);
        return Ende - Pos;
    }
    char operator[](std::size_t i) const { return Puffer[Pos + i]; }
    // Valid until the next Vorrat.
    std::string_view Sicht(std::size_t n) const { return {Puffer.data() + Pos, n}; }
    void Weiter(std::size_t n) {
        for (std::size_t i = Pos; i < Pos + n; ++i)
            if (Puffer[i] == '\n') {
                ++Stelle.Zeile;
                Zeilenanfang = Verbraucht + (i - Pos) + 1;
            }
        Pos += n;
        Verbraucht += n;
        Stelle.Spalte = static_cast<long long>(Verbraucht - Zeilenanfang) + 1;
    }
    // Where the next character comes from.
    TLesestelle Hier() const { return Stelle; }

private:
    void Fuelle(std::size_t n) {
        std::memmove(Puffer.data(), Puffer.data() + Pos, Ende - Pos);
        Ende -= Pos;
        Pos = 0;
        while (Ende < n && !Schluss) {
            const std::size_t k = Quelle.Lies(Puffer.data() + Ende, Puffer.size() - Ende);
            Schluss = k == 0;
            Ende += k;
            Gelesen += k;
            if (Gelesen > MaxDateigroesse)
                throw DateiZuGross(MaxDateigroesse);
        }
    }

    TQuelle& Quelle;
    std::vector<char> Puffer;
    std::size_t Pos = 0, Ende = 0;
    std::uint64_t Gelesen = 0;
    bool Schluss = false;
    std::uint64_t Verbraucht = 0, Zeilenanfang = 0;
    TLesestelle Stelle;
};

// Fixed columns: numbers are counted off five characters at a time, separators are skipped
// unseen, and only texts look for their end.
class TLeser {
public:
    TLeser(TQuelle& quelle, const TKompList* vorhanden, TNetz& netz, bool einstellungen = true)
        : Ein(quelle), Vorhanden(vorhanden), Netz(netz), MitEinstellungen(einstellungen),
          Base(vorhanden ? static_cast<long long>(vorhanden->Count()) : 0) {}

    // An error gets the place of the field it is about: the learner finds the mistake there.
    void LeseAlles() {
        try {
            Datensaetze();
        } catch (const ELesefehler&) {
            throw; // placed already
        } catch (const EFehler& e) {
            throw ELesefehler(e.what(), Feld);
        }
    }

private:
    void Datensaetze() {
        while (Ein.Vorrat(5) >= 5) {
            const std::string_view kennung = Ein.Sicht(5);
            const char art = kennung[0];
            Ein.Weiter(5);
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
                if (MitEinstellungen && IstEinstellung(kennung))
                    Einstellung(std::string(kennung));
                else if (MitEinstellungen && IstAufgabenzeile(kennung))
                    Aufgabenzeile(std::string(kennung));
                else
                    Ueberspringe();
            }
        }
        // One at a time, so that an error names its own line.
        for (const auto& [zeile, stelle] : Einstellungen) {
            Feld = stelle;
            WendeEinstellungenAn({zeile}, Netz);
        }
        if (!Aufgabe.empty())
            Netz.Aufgabe = LeseAufgabe(Aufgabe, Netz);
    }

    void Ueberspringe() {
        if (Ein.Vorrat(1) > 0)
            Ein.Weiter(1);
    }

    // The whole line from its tag to the CR; applied once every record has been read.
    void Einstellung(std::string zeile) {
        TLesestelle anfang = Ein.Hier();
        anfang.Spalte -= static_cast<long long>(zeile.size());
        // A settings line that long is wrong anyway, and fails when it is applied; one
        // character more than its error quotes, so that the cut shows.
        BisZeilenende(zeile, 101);
        Einstellungen.emplace_back(std::move(zeile), anfang);
        Ueberspringe();
        Ueberspringe();
    }

    // Appends the rest of the line, up to its CR, to zeile while it stays within grenze
    // characters; false when it would not (the rest is left unread).
    bool BisZeilenende(std::string& zeile, std::size_t grenze) {
        for (std::size_t da = Ein.Vorrat(1); da > 0; da = Ein.Vorrat(1)) {
            std::size_t i = 0;
            while (i < da && Ein[i] != '\r' && zeile.size() + i < grenze)
                ++i;
            zeile.append(Ein.Sicht(i));
            Ein.Weiter(i);
            if (i < da)
                return Ein[0] == '\r';
        }
        return true;
    }

    // A task line to its CR; a line longer than any task needs is refused before it is read.
    void Aufgabenzeile(std::string zeile) {
        TLesestelle anfang = Ein.Hier();
        anfang.Spalte -= static_cast<long long>(zeile.size());
        if (!BisZeilenende(zeile, MaxAufgabenzeile))
            throw ELesefehler("Die Aufgabenzeile ist zu lang (der Aufgabentext hat höchstens " +
                                  std::to_string(aufgabe::MaxZeichen) + " Zeichen).",
                              anfang);
        Aufgabe.emplace_back(std::move(zeile), anfang);
        Ueberspringe();
        Ueberspringe();
    }

    int Zahl() {
        Feld = Ein.Hier();
        const std::size_t da = Ein.Vorrat(5);
        // A file cut off inside a field is as wrong as a field with a letter in it.
        if (da < 5) {
            const std::string rest(Ein.Sicht(da));
            Ein.Weiter(da);
            throw KeineGanzzahl(rest);
        }
        const std::string_view feld = Ein.Sicht(5);
        Ein.Weiter(5);
        return StrToInt(feld);
    }

    std::string Wort() {
        Feld = Ein.Hier();
        std::string wort;
        for (std::size_t da = Ein.Vorrat(1); da > 0; da = Ein.Vorrat(1)) {
            std::size_t i = 0;
            while (i < da && Ein[i] != ',' && Ein[i] != '\r')
                ++i;
            wort.append(Ein.Sicht(i));
            if (i < da) {
                Ein.Weiter(i + 1); // the end mark is consumed, not kept
                break;
            }
            Ein.Weiter(i);
        }
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
        const TLesestelle feldI = Feld;
        Ueberspringe();
        const int j = Zahl();
        Ueberspringe();
        // B before A: when both are wrong, the error names j.
        TKabel::Ende b = Ende(j);
        Feld = feldI;
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

    TEingabe Ein;
    TLesestelle Feld; // the start of the field being read
    const TKompList* Vorhanden;
    TNetz& Netz;
    const bool MitEinstellungen;
    std::vector<std::pair<std::string, TLesestelle>> Einstellungen;
    std::vector<std::pair<std::string, TLesestelle>> Aufgabe;
    const long long Base;
};

} // namespace

void LeseNetzdatei(std::istream& ein, TNetz& netz, const TKompList* vorhanden) {
    // On an error the half-read network dies here, and with it every cable it had plugged
    // into a device of vorhanden.
    TNetz frisch;
    TLeser(*StromQuelle(ein), vorhanden, frisch).LeseAlles();
    netz.Anhaengen(std::move(frisch));
    // Read on its own, the file brings its task; added to devices already there, it does not.
    if (!vorhanden && frisch.Aufgabe)
        netz.Aufgabe = std::move(frisch.Aufgabe);
}

void LeseOhneEinstellungen(std::istream& ein, TNetz& netz) {
    TLeser(*StromQuelle(ein), nullptr, netz, false).LeseAlles();
}

TNetz OeffneNetzdatei(const std::string& pfad, const TKompList* vorhanden) {
    const auto quelle = DateiQuelle(pfad, MaxDateigroesse);
    TNetz netz;
    TLeser(*quelle, vorhanden, netz).LeseAlles();
    return netz;
}

std::string Lesefehlertext(const std::string& pfad, const ELesefehler& e) {
    const std::size_t trenner = pfad.find_last_of("/\\");
    const std::string name = trenner == std::string::npos ? pfad : pfad.substr(trenner + 1);
    return "Die Datei \u201E" + Sichtbar(name) + "\u201C konnte nicht gelesen werden (Zeile " +
           std::to_string(e.Stelle.Zeile) + ", Spalte " + std::to_string(e.Stelle.Spalte) + "):\r" +
           e.what();
}

TNetz LadeNetzdatei(const std::string& pfad) {
    TNetz netz = OeffneNetzdatei(pfad);
    netz.BerechneRouting();
    return netz;
}

void LadeInNetz(const std::string& pfad, TNetz& netz, bool hinzufuegen) {
    TNetz frisch = OeffneNetzdatei(pfad, hinzufuegen ? &netz.Komponentenliste : nullptr);
    if (!hinzufuegen) {
        // The tables come out the same in the fresh network, and a failure there touches
        // nothing of netz.
        frisch.BerechneRouting();
        netz.Nachrichtenliste.Clear();
        netz.Tausche(frisch);
        return; // the old network dies with frisch
    }
    const TNetz::TStand vorher = netz.Stand();
    netz.Anhaengen(std::move(frisch));
    try {
        netz.BerechneRouting();
    } catch (...) {
        netz.ZurueckAuf(vorher);
        throw;
    }
}

} // namespace verbundo
