// The editor's history: which parts each command may change, undo and redo, the unsaved mark,
// and the network's text for the recovery file.

#include "Editor.h"

#include "../files/NetzDatei.h"
#include "../files/Sicherung.h"
#include "../model/Fehler.h"

#include <filesystem>
#include <sstream>

namespace verbundo {

void TEditor::Beginne(unsigned umfang, const std::vector<std::shared_ptr<TKomponente>>& geraete,
                      const std::vector<std::shared_ptr<TSubnet>>& subnetze) {
    Verlauf.Beginne(TAufnahme(NetzWert, umfang, geraete, subnetze));
}

void TEditor::Beende() {
    bool neu = false;
    try {
        neu = Verlauf.Beende(NetzWert);
    } catch (...) {
        // The change is made and cannot be recorded: undoing older steps across it would mix
        // two networks.
        Verlauf.Aufgeben();
        Melde();
        throw;
    }
    if (neu)
        Melde();
}

std::vector<std::shared_ptr<TKomponente>> TEditor::MitNachbarn(TKomponente* k) const {
    std::vector<std::shared_ptr<TKomponente>> alle{NetzWert.Komponentenliste.ZeigerVon(k)};
    // From the cable list, not the ports: a cable read beyond a full device's ports is not
    // plugged there, yet it goes with the device.
    for (const auto& kabel : NetzWert.Kabelliste)
        if (kabel->GetA() == k || kabel->GetB() == k)
            alle.push_back(kabel->AndereSeiteZeiger(k));
    return alle;
}

void TEditor::BeginneBefehl(TMenuepunkt p) {
    TKomponente* k = AktKomponente();
    switch (p) {
    case TMenuepunkt::Loeschen: {
        unsigned umfang = 0;
        std::vector<std::shared_ptr<TKomponente>> geraete;
        if (k) {
            umfang |= UGeraete | UKabel | UTabellen;
            geraete = MitNachbarn(k);
        }
        if (TKabel* kabel = AktKabel()) {
            umfang |= UKabel | UTabellen;
            geraete.push_back(kabel->AZeiger());
            geraete.push_back(kabel->BZeiger());
        }
        if (AktSubnetz())
            umfang |= USubnetze;
        Beginne(umfang, geraete);
        break;
    }
    case TMenuepunkt::Routing:
        Beginne(UTabellen);
        break;
    default:
        // Fields of the selection only; sending a message changes nothing that undo reverts.
        Beginne(0, {KomponenteWahl.lock()}, {SubnetzWahl.lock()});
    }
}

bool TEditor::Rueckgaengig() {
    bool getan = false;
    if (KannRueckgaengig() && !Sicher([&] { getan = Verlauf.Rueckgaengig(NetzWert); }))
        Melde();
    if (!getan)
        return false;
    Veraendert();
    Melde();
    return true;
}

bool TEditor::Wiederholen() {
    bool getan = false;
    if (KannWiederholen() && !Sicher([&] { getan = Verlauf.Wiederholen(NetzWert); }))
        Melde();
    if (!getan)
        return false;
    Veraendert();
    Melde();
    return true;
}

std::string TEditor::Titel() const {
    const std::string name = std::filesystem::path(DateinameWert).filename().string();
    return name + (Ungespeichert() ? "*" : "") + " \u2013 Verbundo";
}

bool TEditor::DarfVerwerfen() {
    if (!Ungespeichert())
        return true;
    const std::string name = std::filesystem::path(DateinameWert).filename().string();
    switch (Fragen.Speicherfrage("Änderungen an \u201e" + name + "\u201c speichern?")) {
    case TAntwort::Speichern:
        return Speichern();
    case TAntwort::Verwerfen:
        return true;
    case TAntwort::Abbrechen:
        break;
    }
    return false;
}

std::string TEditor::Sicherungstext() const {
    return SicherungsText(NetzWert, HatDatei ? std::optional(DateinameWert) : std::nullopt);
}

void TEditor::Wiederherstellen(TSicherung sicherung) {
    Veraendert();
    NetzWert.Nachrichtenliste.Clear();
    NetzWert.Tausche(sicherung.Netz);
    LeereAuswahl();
    ModusWert = 0;
    HatDatei = sicherung.Datei.has_value();
    DateinameWert = sicherung.Datei.value_or("Unbenannt.nz");
    Verlauf.Neu(false);
    Melde();
}

bool TEditor::Wiederherstellen(const std::string& text) {
    return Sicher([&] { Wiederherstellen(LiesSicherung(text)); });
}

} // namespace verbundo
