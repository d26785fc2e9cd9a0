// The core for the page: one object that holds the editor with the page's answers to its
// questions, the view, the tick's and the recovery copy's decisions and the collected picture.
// The page calls it for every event and shows what it reports; no rule lives on the page.

#include "diag/Befunde.h"
#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "edit/Ansicht.h"
#include "edit/AufgabenEditor.h"
#include "edit/Ausschnitt.h"
#include "edit/Editor.h"
#include "edit/Sammelleinwand.h"
#include "edit/Sicherungsplan.h"
#include "edit/Zeichenstand.h"
#include "files/NetzDatei.h"
#include "files/Quelle.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <utility>

namespace verbundo {

namespace {

using emscripten::val;

val Liste(const std::vector<std::string>& zeilen) {
    val a = val::array();
    for (const std::string& z : zeilen)
        a.call<void>("push", z);
    return a;
}

std::string Name(const std::string& pfad) {
    return std::filesystem::path(pfad).filename().string();
}

// Reactions of the editor as bits: 1 redraw, 2 open the context menu.
int Bits(const TReaktion& r) {
    return (r.Neuzeichnen ? 1 : 0) | (r.Kontextmenue ? 2 : 0);
}

} // namespace

// The page's dialogs cannot wait inside a command: the page asks first (Eingabefrage,
// Speicherfragetext) and hands the answer in with the call; boxes without an answer are shown
// after the call returns. Files come as bytes and go out as downloads.
class TSeite : public TFragen, public TDateiablage {
public:
    explicit TSeite(val js)
        : Js(std::move(js)),
          Leinwand([this](const std::string& name, int punkte, const std::string& text) {
              return Js.call<int>("miss", name, punkte, text);
          }) {
        E.SetBeiAenderung([this] { Js.call<void>("verlauf"); });
    }

    // --- the seams ---------------------------------------------------------------------------
    void Information(const std::string& text) override { Js.call<void>("information", text); }
    void Fehler(const std::string& text) override { Js.call<void>("fehler", text); }
    std::string Eingabe(const std::string&, const std::string&,
                        const std::string& vorgabe) override {
        return Antwort ? *std::exchange(Antwort, std::nullopt) : vorgabe;
    }
    std::string OeffnenWahl() override { return {}; }
    std::string SpeichernWahl(const std::string& vorschlag) override { return vorschlag; }
    TAntwort Speicherfrage(const std::string&) override {
        return std::exchange(Speicherantwort, TAntwort::Abbrechen);
    }
    // Asked only before a file would be replaced: a download replaces nothing, the browser
    // names a second one itself.
    int Frage(const std::string&, const std::vector<std::string>&) override { return 0; }
    void Schreibe(const std::string& pfad, const std::string& inhalt) override {
        const auto* bytes = reinterpret_cast<const unsigned char*>(inhalt.data());
        Js.call<void>("herunterladen", Name(pfad),
                      val(emscripten::typed_memory_view(inhalt.size(), bytes)));
    }

    // --- the mouse, in view pixels -------------------------------------------------------------
    int Druecke(int taste, int x, int y) {
        return Bits(E.Druecke(TTaste(taste), Ansicht.PufferX(x), Ansicht.PufferY(y)));
    }
    int Bewege(int x, int y) { return Bits(E.Bewege(Ansicht.PufferX(x), Ansicht.PufferY(y))); }
    int Lasse(int taste, int x, int y) {
        return Bits(E.Lasse(TTaste(taste), Ansicht.PufferX(x), Ansicht.PufferY(y)));
    }
    int Abbrechen() { return Bits(E.Abbrechen()); }
    int Modus() const { return static_cast<int>(E.Modus()); }
    int Werkzeug() const { return static_cast<int>(E.Werkzeug()); }
    void SetWerkzeug(int w) { E.SetWerkzeug(TWerkzeug(w)); }

    // --- the menu ----------------------------------------------------------------------------
    bool Sichtbar(int p) const { return E.Sichtbar(TMenuepunkt(p)); }
    val Eingabefrage(int p) const {
        const auto f = E.Eingabefrage(TMenuepunkt(p));
        if (!f)
            return val::null();
        val o = val::object();
        o.set("titel", f->Titel);
        o.set("frage", f->Frage);
        o.set("vorgabe", f->Vorgabe);
        return o;
    }
    // antwort: the text the learner confirmed, or null when the dialog was cancelled.
    int Fuehre(int p, val antwort) {
        Antwort.reset();
        if (antwort.isString())
            Antwort = antwort.as<std::string>();
        const int r = Bits(E.Fuehre(TMenuepunkt(p)));
        Antwort.reset();
        return r;
    }

    // --- files -------------------------------------------------------------------------------
    std::string Speicherfragetext() const { return E.Speicherfragetext(); }
    bool Ungespeichert() const { return E.Ungespeichert(); }
    // antwort: the button chosen in the save question (0 Speichern, 1 Verwerfen, 2 Abbrechen).
    bool DarfVerwerfen(int antwort) {
        Speicherantwort = TAntwort(antwort);
        const bool darf = E.DarfVerwerfen();
        Speicherantwort = TAntwort::Abbrechen;
        return darf;
    }
    bool Speichern() { return E.Speichern(); }
    // A file over the limit is refused by its size, before the page reads it.
    std::string Groessenfehler(double bytes) const {
        return bytes > static_cast<double>(MaxDateigroesse) ? DateiZuGross(MaxDateigroesse).what()
                                                            : std::string();
    }
    // The bytes become a file of that name in the page's own folder for as long as they are
    // read, so errors name it as the desktop names the chosen file.
    bool Lade(const std::string& name, const std::string& bytes, bool hinzufuegen) {
        std::filesystem::create_directories("/dateien");
        std::filesystem::current_path("/dateien");
        const std::string pfad = name.empty() ? "Unbenannt.nz" : name;
        {
            std::ofstream datei(pfad, std::ios::binary);
            datei.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        }
        const bool geladen = E.Lade(pfad, hinzufuegen);
        std::error_code egal;
        std::filesystem::remove(pfad, egal);
        return geladen;
    }
    std::string Titel() const { return E.Titel(); }
    std::string Dateiname() const { return Name(E.Dateiname()); }
    bool Rueckgaengig() { return E.Rueckgaengig(); }
    bool Wiederholen() { return E.Wiederholen(); }
    bool KannRueckgaengig() const { return E.KannRueckgaengig(); }
    bool KannWiederholen() const { return E.KannWiederholen(); }

    // --- the recovery copy, kept by the page in the browser's storage ---------------------------
    // [0 nothing, 1 plan the write in ms, 2 remove the copy, ms]
    val SicherungGeaendert(double jetzt) {
        const auto e = Plan.Geaendert(E.Ungespeichert(), static_cast<long long>(jetzt));
        val a = val::array();
        a.call<void>("push", static_cast<int>(e.Tun));
        a.call<void>("push", static_cast<double>(e.In));
        return a;
    }
    // The text to keep, or empty when nothing is to be written.
    std::string SicherungFaellig(double jetzt) {
        return Plan.Faellig(E.Ungespeichert(), static_cast<long long>(jetzt)) ? E.Sicherungstext()
                                                                              : std::string();
    }
    bool Wiederherstellen(const std::string& text) { return E.Wiederherstellen(text); }

    // --- the tick and the picture --------------------------------------------------------------
    void Takt() { E.Takt(); }
    // Collects the picture when it changed since it was last drawn, or always; returns whether
    // it did.
    bool Zeichne(bool immer) {
        if (!immer && !Stand.Veraltet(E))
            return false;
        Leinwand.Beginne();
        E.Zeichne(Leinwand);
        Stand.Gezeichnet(E);
        return true;
    }
    // The picture an export shows: what is drawn plus its margin, without selection; returns
    // the cut [left, top, right, bottom].
    val Bild() {
        Leinwand.Beginne();
        const TRect r = Bildausschnitt(E.Netz(), Leinwand);
        Leinwand.Beginne();
        TBildzustand z;
        z.Flaeche = r;
        ZeichneBild(Leinwand, E.Netz(), z);
        val a = val::array();
        for (int v : {r.Left, r.Top, r.Right, r.Bottom})
            a.call<void>("push", v);
        return a;
    }
    // A view into the core's memory: valid until the next call.
    val Befehle() const {
        const auto& b = Leinwand.Befehle();
        return val(emscripten::typed_memory_view(b.size(), b.data()));
    }
    // The texts from number ab on; a new generation starts again at 0.
    val Texte(unsigned ab) const {
        const auto& t = Leinwand.Texte();
        return Liste(ab < t.size() ? std::vector<std::string>(t.begin() + ab, t.end())
                                   : std::vector<std::string>{});
    }
    unsigned Generation() const { return Leinwand.Generation(); }

    // --- the view ------------------------------------------------------------------------------
    val AnsichtWerte() const {
        val o = val::object();
        o.set("zoom", Ansicht.Zoom);
        o.set("sx", Ansicht.SX);
        o.set("sy", Ansicht.SY);
        o.set("maxX", Ansicht.MaxX());
        o.set("maxY", Ansicht.MaxY());
        return o;
    }
    void SetzeAnsicht(int zoom, int sx, int sy, int breite, int hoehe) {
        Ansicht = TAnsicht{std::clamp(zoom, 100, 600), sx, sy, breite, hoehe}.Begrenzt();
    }
    void Rolle(int dx, int dy) { Ansicht = Ansicht.Gerollt(dx, dy); }
    // Zoomed to zoom about the view point (x, y).
    void ZoomeUm(int zoom, int x, int y) { Ansicht = Ansicht.Gezoomt(zoom, x, y); }
    // Ctrl+wheel by winkel (120 a notch, forward is closer) at the view point (x, y).
    void Rad(int winkel, int x, int y) {
        if (const int rasten = Rastung.Rasten(winkel))
            Ansicht = Ansicht.Gezoomt(RadZoom(Ansicht.Zoom, rasten), x, y);
    }

    // --- diagnostics ---------------------------------------------------------------------------
    val Pruefe() {
        const TErklaerung& e = E.Pruefe();
        val o = val::object();
        o.set("bericht", Pruefbericht(e.Anzahl));
        o.set("zeilen", Liste(Befundzeilen(e)));
        return o;
    }
    // Selects and marks the finding and brings it into view; false when it cannot be shown.
    bool ZeigeBefund(int nr) {
        const auto punkt = E.ZeigeBefund(static_cast<std::size_t>(nr));
        if (punkt)
            Ansicht = Ansicht.Mit(*punkt);
        return punkt.has_value();
    }
    val Routing() const { return Liste(RoutingAnzeige(E.Netz(), E.AktKomponente())); }

    // The log's lines written since the last call, as far as it keeps them.
    val Protokoll() {
        const auto zeilen = E.Protokoll().Zeilen(Gelesen);
        Gelesen = E.Protokoll().Geschrieben();
        return Liste(zeilen);
    }

    // --- the task ------------------------------------------------------------------------------
    // What the task panel shows: {vorhanden, text, zeilen: [{text, erfuellt, grund}], punkte}.
    val Aufgabe() const {
        const TAufgabenansicht a = E.Aufgaben().Ansicht();
        val zeilen = val::array();
        for (const TPruefzeile& z : a.Zeilen) {
            val zeile = val::object();
            zeile.set("text", z.Text);
            zeile.set("erfuellt", z.Erfuellt);
            zeile.set("grund", z.Grund);
            zeilen.call<void>("push", zeile);
        }
        val o = val::object();
        o.set("vorhanden", a.Vorhanden);
        o.set("text", a.Text);
        o.set("zeilen", zeilen);
        o.set("punkte", a.Punkte);
        return o;
    }
    void PruefeAufgabe() { E.Aufgaben().Pruefe(); }
    // Selects and marks the check's devices and brings the first into the frei view pixels from
    // the left that a panel floating over the view leaves uncovered; false when it has none.
    bool ZeigePruefpunkt(int nr, int frei) {
        if (nr < 0)
            return false;
        const auto punkt = E.Aufgaben().Zeige(static_cast<std::size_t>(nr));
        if (punkt) {
            TAnsicht offen = Ansicht;
            offen.Breite = std::clamp(frei, 1, Ansicht.Breite);
            offen = offen.Mit(*punkt);
            offen.Breite = Ansicht.Breite;
            Ansicht = offen.Begrenzt();
        }
        return punkt.has_value();
    }

private:
    val Js;
    TEditor E{*this, *this};
    TSammelleinwand Leinwand;
    TAnsicht Ansicht;
    TRastung Rastung;
    TZeichenstand Stand;
    TSicherungsplan Plan;
    std::optional<std::string> Antwort;
    TAntwort Speicherantwort = TAntwort::Abbrechen;
    unsigned long long Gelesen = 0;
};

} // namespace verbundo

EMSCRIPTEN_BINDINGS(verbundo) {
    using namespace verbundo;
    emscripten::class_<TSeite>("Seite")
        .constructor<emscripten::val>()
        .function("druecke", &TSeite::Druecke)
        .function("bewege", &TSeite::Bewege)
        .function("lasse", &TSeite::Lasse)
        .function("abbrechen", &TSeite::Abbrechen)
        .function("modus", &TSeite::Modus)
        .function("werkzeug", &TSeite::Werkzeug)
        .function("setWerkzeug", &TSeite::SetWerkzeug)
        .function("sichtbar", &TSeite::Sichtbar)
        .function("eingabefrage", &TSeite::Eingabefrage)
        .function("fuehre", &TSeite::Fuehre)
        .function("speicherfragetext", &TSeite::Speicherfragetext)
        .function("ungespeichert", &TSeite::Ungespeichert)
        .function("darfVerwerfen", &TSeite::DarfVerwerfen)
        .function("speichern", &TSeite::Speichern)
        .function("groessenfehler", &TSeite::Groessenfehler)
        .function("lade", &TSeite::Lade)
        .function("titel", &TSeite::Titel)
        .function("dateiname", &TSeite::Dateiname)
        .function("rueckgaengig", &TSeite::Rueckgaengig)
        .function("wiederholen", &TSeite::Wiederholen)
        .function("kannRueckgaengig", &TSeite::KannRueckgaengig)
        .function("kannWiederholen", &TSeite::KannWiederholen)
        .function("sicherungGeaendert", &TSeite::SicherungGeaendert)
        .function("sicherungFaellig", &TSeite::SicherungFaellig)
        .function("wiederherstellen", &TSeite::Wiederherstellen)
        .function("takt", &TSeite::Takt)
        .function("zeichne", &TSeite::Zeichne)
        .function("bild", &TSeite::Bild)
        .function("befehle", &TSeite::Befehle)
        .function("texte", &TSeite::Texte)
        .function("generation", &TSeite::Generation)
        .function("ansicht", &TSeite::AnsichtWerte)
        .function("setzeAnsicht", &TSeite::SetzeAnsicht)
        .function("rolle", &TSeite::Rolle)
        .function("zoomeUm", &TSeite::ZoomeUm)
        .function("rad", &TSeite::Rad)
        .function("pruefe", &TSeite::Pruefe)
        .function("zeigeBefund", &TSeite::ZeigeBefund)
        .function("routing", &TSeite::Routing)
        .function("aufgabe", &TSeite::Aufgabe)
        .function("pruefeAufgabe", &TSeite::PruefeAufgabe)
        .function("zeigePruefpunkt", &TSeite::ZeigePruefpunkt)
        .function("protokoll", &TSeite::Protokoll);
    emscripten::function(
        "zoomText", +[](int z, std::string d) { return ZoomText(z, d.at(0)); });
    emscripten::function(
        "geschwindigkeitText",
        +[](int i, std::string d) { return GeschwindigkeitText(i, d.at(0)); });
    emscripten::function(
        "wiederherstellungsfrage", +[] { return std::string(Wiederherstellungsfrage); });
}
