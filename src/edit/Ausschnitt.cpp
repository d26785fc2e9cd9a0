#include "Ausschnitt.h"

#include "../model/Leinwand.h"
#include "Bild.h"

#include <algorithm>

namespace verbundo {

namespace {

// Draws nothing; keeps the box of every mark, as far as it lies on the surface. The ground fill
// is the picture's frame, not a mark. Texts are taken twice their point size high, more than
// any face needs.
class TMessLeinwand : public TLeinwand {
public:
    explicit TMessLeinwand(TLeinwand& mass) : Mass(mass) {}

    void SetStiftFarbe(TFarbe) override {}
    void SetStiftBreite(int breite) override { Breite = std::max(1, breite); }
    void SetStiftStil(TStrich) override {}
    void SetPinselFarbe(TFarbe) override {}
    void SetPinselStil(TPinsel) override {}
    void SetSchrift(const std::string& name, int punkte) override {
        Mass.SetSchrift(name, punkte);
        Texthoehe = 2 * punkte;
    }
    void FuelleRechteck(int, int, int, int) override {}
    void Rechteck(int l, int o, int r, int u) override {
        Nimm(std::min(l, r), std::min(o, u), std::max(l, r), std::max(o, u));
    }
    void Linie(int x1, int y1, int x2, int y2) override {
        // A wide line grows below or to the right of its pixels.
        Nimm(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + Breite,
             std::max(y1, y2) + Breite);
    }
    void TextAus(int x, int y, const std::string& text) override {
        Nimm(x, y, x + Mass.TextBreite(text), y + Texthoehe);
    }
    int TextBreite(const std::string& text) override { return Mass.TextBreite(text); }
    void KopiereBild(TBild, int x, int y, int breite, int hoehe) override {
        Nimm(x, y, x + breite, y + hoehe);
    }

    TRect Box{0, 0, 0, 0};

private:
    void Nimm(int l, int o, int r, int u) {
        l = std::max(l, Flaeche.Left);
        o = std::max(o, Flaeche.Top);
        r = std::min(r, Flaeche.Right);
        u = std::min(u, Flaeche.Bottom);
        if (l >= r || o >= u)
            return;
        if (Leer)
            Box = {l, o, r, u};
        else
            Box = {std::min(Box.Left, l), std::min(Box.Top, o), std::max(Box.Right, r),
                   std::max(Box.Bottom, u)};
        Leer = false;
    }

    TLeinwand& Mass;
    const TRect Flaeche = TBildzustand{}.Flaeche;
    int Breite = 1;
    int Texthoehe = 16;
    bool Leer = true;
};

} // namespace

TRect Ausdehnung(const TNetz& netz, TLeinwand& mass) {
    TMessLeinwand m(mass);
    ZeichneBild(m, netz, TBildzustand{});
    return m.Box;
}

TRect Bildausschnitt(const TNetz& netz, TLeinwand& mass, int rand) {
    const TRect r = Ausdehnung(netz, mass);
    return {r.Left - rand, r.Top - rand, r.Right + rand, r.Bottom + rand};
}

} // namespace verbundo
