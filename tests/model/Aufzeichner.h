#pragma once

// A canvas that draws nothing and writes down every drawing call as one line of text, so tests
// can compare the calls, their order and their coordinates. Text widths are 5 pixels per
// character unless a test sets its own measure.

#include "model/Leinwand.h"

#include <functional>
#include <string>
#include <vector>

namespace verbundo::test {

class TAufzeichner : public TLeinwand {
public:
    std::vector<std::string> Aufrufe;
    std::function<int(const std::string&)> Breite = [](const std::string& t) {
        return static_cast<int>(t.size()) * 5;
    };

    void SetStiftFarbe(TFarbe f) override {
        Schreib("StiftFarbe " + Zahl(f.r) + " " + Zahl(f.g) + " " + Zahl(f.b));
    }
    void SetStiftBreite(int b) override { Schreib("StiftBreite " + Zahl(b)); }
    void SetStiftStil(TStrich s) override {
        Schreib(s == TStrich::Gepunktet ? "Stift gepunktet" : "Stift durchgezogen");
    }
    void SetPinselFarbe(TFarbe f) override {
        Schreib("PinselFarbe " + Zahl(f.r) + " " + Zahl(f.g) + " " + Zahl(f.b));
    }
    void SetPinselStil(TPinsel s) override {
        Schreib(s == TPinsel::Leer ? "Pinsel leer" : "Pinsel voll");
    }
    void SetSchrift(const std::string& name, int punkte) override {
        Schreib("Schrift " + name + " " + Zahl(punkte));
    }
    void FuelleRechteck(int l, int o, int r, int u) override {
        Schreib("Fuelle " + Zahl(l) + " " + Zahl(o) + " " + Zahl(r) + " " + Zahl(u));
    }
    void Rechteck(int l, int o, int r, int u) override {
        Schreib("Rechteck " + Zahl(l) + " " + Zahl(o) + " " + Zahl(r) + " " + Zahl(u));
    }
    void Linie(int x1, int y1, int x2, int y2) override {
        Schreib("Linie " + Zahl(x1) + " " + Zahl(y1) + " " + Zahl(x2) + " " + Zahl(y2));
    }
    void TextAus(int x, int y, const std::string& text) override {
        Schreib("Text " + Zahl(x) + " " + Zahl(y) + " " + text);
    }
    // A question, not a drawing call: not written down.
    int TextBreite(const std::string& text) override { return Breite(text); }
    void KopiereBild(TBild bild, int x, int y, int breite, int hoehe) override {
        Schreib("Bild " + Name(bild) + " " + Zahl(x) + " " + Zahl(y) + " " + Zahl(breite) + " " +
                Zahl(hoehe));
    }

    static std::string Name(TBild b) {
        const char* namen[] = {"Computer", "Mailserver", "Switch", "Drucker", "Router", "Dokument"};
        return namen[static_cast<int>(b)];
    }

private:
    static std::string Zahl(int n) { return std::to_string(n); }
    void Schreib(std::string zeile) { Aufrufe.push_back(std::move(zeile)); }
};

} // namespace verbundo::test
