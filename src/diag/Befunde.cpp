#include "Befunde.h"

#include "Aufgabe.h"
#include "Regeln.h"

#include <limits>

namespace verbundo {

namespace {

std::string Name(const TKomponente& k) {
    return Artname(k.Art());
}

std::string Ort(const TKomponente& k) {
    return "(" + std::to_string(k.GetX()) + ", " + std::to_string(k.GetY()) + ")";
}

std::string Netzname(const TSubnet& s) {
    return s.GetNetzIDText() + " / " + s.GetMaskText();
}

bool Gehoert(TAdresse a, const TSubnet& s) {
    return (a & s.GetMask()) == s.GetNetzID();
}

bool Innen(const TKomponente& k, const TSubnet& s) {
    const TRect r = s.GetRect();
    return r.Left <= k.GetX() && k.GetX() <= r.Right && r.Top <= k.GetY() && k.GetY() <= r.Bottom;
}

// Makes the text only for the findings that are asked for; the rest are just counted.
class TErklaerer {
public:
    TErklaerer(long long grenze, const std::function<void(const TBefund&)>& jeder)
        : Grenze(grenze), Jeder(jeder) {}

    void Subnetz(int index, const TSubnet& s, regeln::TMangel m) {
        if (Anzahl++ >= Grenze)
            return;
        const char* warum = m == regeln::TMangel::NetzID
                                ? "Die Netz-ID hat Bits außerhalb der Subnetmask gesetzt."
                            : m == regeln::TMangel::Luecke
                                ? "Die Subnetmask ist keine zusammenhängende Folge von Einsen."
                                : "Die Einsen der Subnetmask müssen ganz links beginnen.";
        Jeder({TBefundArt::Subnetz, {}, index, "Subnetz " + Netzname(s) + ": " + warum});
    }

    void Doppelt(const regeln::TGeraet& a, bool zweiteA, const regeln::TGeraet& b, bool zweiteB) {
        if (Anzahl++ >= Grenze)
            return;
        const auto teil = [](const regeln::TGeraet& g, bool zweite) {
            std::string t = Name(*g.K) + " bei " + Ort(*g.K);
            if (g.Router)
                t += zweite ? " (zweite Adresse)" : " (erste Adresse)";
            return t;
        };
        Jeder({TBefundArt::DoppelteAdresse,
               {a.Index, b.Index},
               -1,
               "Doppelte Adresse " + IPToStr(zweiteA ? a.IP2 : a.IP) + ": " + teil(a, zweiteA) +
                   " und " + teil(b, zweiteB) + "."});
    }

    void Lage(const regeln::TGeraet& g, int index, const TSubnet& s) {
        if (Anzahl++ >= Grenze)
            return;
        std::string t = Name(*g.K) + " " + IPToStr(g.IP);
        if (g.Router)
            t += " / " + IPToStr(g.IP2);
        if (Innen(*g.K, s)) {
            t += " steht im Subnetz " + Netzname(s) + ", ";
            t += g.Router ? "aber keine seiner beiden Adressen gehört dazu."
                          : "seine Adresse gehört aber nicht dazu.";
        } else {
            t += " steht außerhalb des Subnetzes " + Netzname(s) + ", ";
            if (!g.Router)
                t += "seine Adresse gehört aber dazu.";
            else if (Gehoert(g.IP, s) && Gehoert(g.IP2, s))
                t += "seine beiden Adressen gehören aber dazu.";
            else
                t += Gehoert(g.IP, s) ? "seine erste Adresse gehört aber dazu."
                                      : "seine zweite Adresse gehört aber dazu.";
        }
        Jeder({TBefundArt::Lage, {g.Index}, index, std::move(t)});
    }

    long long Anzahl = 0;

private:
    const long long Grenze;
    const std::function<void(const TBefund&)>& Jeder;
};

} // namespace

long long ErklaerePruefung(const TNetz& netz, const std::function<void(const TBefund&)>& jeder) {
    TErklaerer e(std::numeric_limits<long long>::max(), jeder);
    regeln::Durchlaufe(netz, e);
    return e.Anzahl;
}

std::string WeitereBefunde(long long n) {
    return "\u2026 und " + std::to_string(n) + " weitere.";
}

TErklaerung ErklaerePruefung(const TNetz& netz, std::size_t hoechstens) {
    TErklaerung ergebnis;
    const std::function<void(const TBefund&)> sammle = [&](const TBefund& b) {
        ergebnis.Befunde.push_back(b);
    };
    TErklaerer e(static_cast<long long>(hoechstens), sammle);
    regeln::Durchlaufe(netz, e);
    ergebnis.Anzahl = e.Anzahl;
    return ergebnis;
}

std::vector<std::string> Befundzeilen(const TErklaerung& e) {
    std::vector<std::string> zeilen;
    for (const TBefund& b : e.Befunde)
        zeilen.push_back(b.Text);
    if (const auto rest = e.Anzahl - static_cast<long long>(e.Befunde.size()); rest > 0)
        zeilen.push_back(WeitereBefunde(rest));
    return zeilen;
}

} // namespace verbundo
