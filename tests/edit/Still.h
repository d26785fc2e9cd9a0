#pragma once

// An editor whose questions are all answered as a closed box would answer them, and which
// writes down the error boxes it shows.

#include "edit/Editor.h"

#include <functional>
#include <string>
#include <vector>

namespace verbundo::test {

struct TStill : TFragen, TDateiablage {
    std::vector<std::string> Fehlermeldungen;
    // What the next input dialogs do; none: cancelled.
    std::function<std::string()> Eingabe_;
    TEditor E{*this, *this};

    void Information(const std::string&) override {}
    void Fehler(const std::string& text) override { Fehlermeldungen.push_back(text); }
    std::string Eingabe(const std::string&, const std::string&, const std::string& v) override {
        return Eingabe_ ? Eingabe_() : v;
    }
    std::string OeffnenWahl() override { return {}; }
    std::string SpeichernWahl(const std::string&) override { return {}; }
    TAntwort Speicherfrage(const std::string&) override { return TAntwort::Abbrechen; }
    int Frage(const std::string&, const std::vector<std::string>& knoepfe) override {
        return static_cast<int>(knoepfe.size()) - 1;
    }
    void Schreibe(const std::string&, const std::string&) override {}

    // A left click with the tool.
    void Klick(TWerkzeug werkzeug, int x, int y) {
        E.SetWerkzeug(werkzeug);
        E.Druecke(TTaste::Links, x, y);
        E.Lasse(TTaste::Links, x, y);
    }
};

} // namespace verbundo::test
