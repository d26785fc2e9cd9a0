#include "Protokoll.h"

#include <algorithm>

namespace verbundo {

namespace {

std::string Name(const TStelle& s) {
    const std::string ort = "(" + std::to_string(s.X) + ", " + std::to_string(s.Y) + ")";
    switch (s.Art) {
    case TArt::Drucker:
        return "Drucker " + IPToStr(s.IP) + " " + ort;
    case TArt::Computer:
        return "Computer " + IPToStr(s.IP) + " " + ort;
    case TArt::Switch:
        return (s.Hub ? "Hub " : "Switch ") + ort;
    case TArt::Router:
        return "Router " + IPToStr(s.IP) + " / " + IPToStr(s.IP2) + " " + ort;
    }
    return ort;
}

} // namespace

std::string ProtokollZeile(const TEreignis& e, const std::string& adresse) {
    const std::string n = "Nachricht " + std::to_string(e.Nachricht);
    const std::string weg = n + " verworfen bei " + Name(e.Von) + ": ";
    switch (e.Art) {
    case TEreignisArt::Gesendet:
        return n + " gesendet von " + Name(e.Von) + " an " + Name(e.Nach) + ".";
    case TEreignisArt::KeinZiel:
        return "Keine Station mit der Adresse " + adresse +
               " gefunden; die Nachricht wurde nicht gesendet.";
    case TEreignisArt::Kabel:
        return n + " geht von " + Name(e.Von) + " über das Kabel zu " + Name(e.Nach) + ".";
    case TEreignisArt::Kopie:
        return Name(e.Von) + " kopiert " + n + " auf das Kabel zu " + Name(e.Nach) + ".";
    case TEreignisArt::Zugestellt:
        return n + " zugestellt bei " + Name(e.Von) + ".";
    case TEreignisArt::KeineRoute:
        return weg + "Die Routingtabelle hat keine Route zu " + IPToStr(e.Nach.IP) +
               ". Routingtabelle neu berechnen?";
    case TEreignisArt::Zurueck:
        return weg + "Die Route zu " + IPToStr(e.Nach.IP) +
               " führt über das Kabel zurück, auf dem sie kam.";
    case TEreignisArt::NichtZiel:
        return weg + "Sie ist nicht für dieses Gerät bestimmt.";
    case TEreignisArt::KeinKabel:
        return weg + "Es gibt kein Kabel, auf dem sie weiter kann.";
    case TEreignisArt::NimmtNicht:
        return weg + "Sie ist für dieses Gerät bestimmt, aber nur Computer und Drucker nehmen "
                     "Nachrichten an.";
    case TEreignisArt::HopGrenze:
        return weg + "Sie ist schon über 8 Kabel gelaufen; mehr sind nicht erlaubt.";
    case TEreignisArt::Geloescht:
        return n + " verworfen: Ihr Gerät oder Kabel wurde gelöscht.";
    case TEreignisArt::Grenze:
        return Name(e.Von) + " kopiert " + n + " auf " + std::to_string(e.Anzahl) +
               " Kabel nicht: Es sind schon 100 000 Nachrichten unterwegs.";
    }
    return n;
}

void TProtokollSpeicher::Schreibe(const TEreignis& e, const std::string& adresse) {
    if (Ring.empty()) {
        Ring.resize(Grenze);
        Adressen.resize(Grenze);
    }
    const std::size_t i = Anzahl % Grenze;
    Ring[i] = e;
    if (e.Art == TEreignisArt::KeinZiel)
        Adressen[i] = adresse;
    ++Anzahl;
}

std::vector<std::string> TProtokollSpeicher::Zeilen(unsigned long long ab) const {
    const unsigned long long erste = std::max(ab, Anzahl < Grenze ? 0 : Anzahl - Grenze);
    std::vector<std::string> zeilen;
    for (unsigned long long i = erste; i < Anzahl; ++i) {
        const TEreignis& e = Ring[i % Grenze];
        zeilen.push_back("Takt " + std::to_string(e.Takt) + ": " +
                         ProtokollZeile(e, Adressen[i % Grenze]));
    }
    return zeilen;
}

} // namespace verbundo
