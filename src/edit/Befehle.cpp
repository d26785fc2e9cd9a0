// The context menu's commands, the file commands and the tick, as the editor runs them.

#include "Editor.h"

#include "../files/NetzDatei.h"

#include <filesystem>

namespace verbundo {

namespace {

TSwitch* PlainSwitch(TKomponente* k) {
    return k && k->Art() == TArt::Switch ? Als<TSwitch>(k) : nullptr;
}

} // namespace

bool TEditor::Sichtbar(TMenuepunkt p) const {
    TKomponente* k = AktKomponente();
    const TArt art = k ? k->Art() : TArt::Drucker;
    const TSwitch* plain = PlainSwitch(k);
    const auto* computer = Als<TComputer>(k);
    switch (p) {
    case TMenuepunkt::Loeschen:
        return k || AktKabel() || AktSubnetz();
    case TMenuepunkt::Ip:
        return k && (IstDrucker(art) || art == TArt::Router);
    case TMenuepunkt::Ip2:
        return k && art == TArt::Router;
    case TMenuepunkt::NetzID:
    case TMenuepunkt::Subnetmask:
        return AktSubnetz() != nullptr;
    case TMenuepunkt::Routing:
        return k && IstSwitch(art);
    case TMenuepunkt::Hub:
        return plain && !plain->Hub;
    case TMenuepunkt::Switch:
        return plain && plain->Hub;
    case TMenuepunkt::Switch6:
        return plain && plain->GetMaxPorts() == 24;
    case TMenuepunkt::Switch24:
        return plain && plain->GetMaxPorts() == 6;
    case TMenuepunkt::Mailstop:
        return computer && computer->IsMailserver();
    case TMenuepunkt::Mailstart:
        return computer && !computer->IsMailserver();
    case TMenuepunkt::Senden:
        return computer != nullptr;
    }
    return false;
}

TReaktion TEditor::Fuehre(TMenuepunkt p) {
    TReaktion reaktion;
    Veraendert();
    Schritt([&] { BeginneBefehl(p); },
            [&] {
                TSwitch* plain = PlainSwitch(AktKomponente());
                auto* computer = Als<TComputer>(AktKomponente());
                switch (p) {
                case TMenuepunkt::Loeschen:
                    reaktion = Loeschen();
                    break;
                case TMenuepunkt::Ip:
                case TMenuepunkt::Ip2:
                case TMenuepunkt::NetzID:
                case TMenuepunkt::Subnetmask:
                    FrageAdresse(p);
                    // Only a text that converted (or had the wrong number of fields) gets here.
                    reaktion.Neuzeichnen = true;
                    break;
                case TMenuepunkt::Routing:
                    BerechneRouting();
                    break;
                case TMenuepunkt::Hub:
                case TMenuepunkt::Switch:
                    if (plain)
                        plain->Hub = p == TMenuepunkt::Hub;
                    break;
                case TMenuepunkt::Switch6:
                    AufSechsPorts();
                    break;
                case TMenuepunkt::Switch24:
                    if (plain)
                        plain->SetMaxPorts(24);
                    break;
                case TMenuepunkt::Mailstop:
                case TMenuepunkt::Mailstart:
                    if (computer)
                        computer->SetMailserver(p == TMenuepunkt::Mailstart);
                    break;
                case TMenuepunkt::Senden:
                    SendeNachricht();
                    break;
                }
            });
    return reaktion;
}

TReaktion TEditor::Loeschen() {
    if (AufgabenWert.Schuetzt(AktKomponente()))
        return {};
    bool tabellenAlt = false;
    if (TKomponente* k = AktKomponente()) {
        // Its cables go with it, a selected one among them included.
        NetzWert.EntferneKomponente(k);
        tabellenAlt = true;
    }
    if (TKabel* kabel = AktKabel()) {
        NetzWert.EntferneKabel(kabel);
        tabellenAlt = true;
    }
    if (TSubnet* s = AktSubnetz())
        NetzWert.EntferneSubnetz(s);
    LeereAuswahl();
    if (tabellenAlt)
        BerechneRouting();
    return {true, false};
}

std::optional<TEingabefrage> TEditor::Eingabefrage(TMenuepunkt p) const {
    TKomponente* k = AktKomponente();
    TSubnet* s = AktSubnetz();
    auto* router = Als<TRouter>(k);
    switch (p) {
    case TMenuepunkt::Ip:
        if (k && (IstDrucker(k->Art()) || router))
            return TEingabefrage{"Eingabe der IP-Adresse", "IP-Adresse:", k->GetIPText()};
        break;
    case TMenuepunkt::Ip2:
        if (router)
            return TEingabefrage{"Eingabe der zweiten IP-Adresse",
                                 "IP-Adresse:", router->GetIP2Text()};
        break;
    case TMenuepunkt::NetzID:
        if (s)
            return TEingabefrage{"Eingabe der Netz ID", "Netz ID:", s->GetNetzIDText()};
        break;
    case TMenuepunkt::Subnetmask:
        if (s)
            return TEingabefrage{"Eingabe der Subnetmask", "Subnetmask:", s->GetMaskText()};
        break;
    case TMenuepunkt::Senden:
        if (Als<TComputer>(k))
            return TEingabefrage{"Nachricht senden", "an IP-Adresse:", "0.0.0.0"};
        break;
    default:
        break;
    }
    return std::nullopt;
}

void TEditor::FrageAdresse(TMenuepunkt p) {
    // Held for the dialog's time: the timer keeps running meanwhile.
    const auto halt = KomponenteWahl.lock();
    const auto subnetz = SubnetzWahl.lock();
    TKomponente* k = AktKomponente();
    TSubnet* s = AktSubnetz();
    const auto frage = Eingabefrage(p);
    if (!frage)
        return;
    const std::string text = Fragen.Eingabe(frage->Titel, frage->Frage, frage->Vorgabe);
    if (p == TMenuepunkt::Ip)
        k->SetIPText(text);
    else if (p == TMenuepunkt::Ip2)
        Als<TRouter>(k)->SetIP2Text(text);
    else if (p == TMenuepunkt::NetzID)
        s->SetNetzIDText(text);
    else
        s->SetMaskText(text);
}

void TEditor::AufSechsPorts() {
    TSwitch* s = PlainSwitch(AktKomponente());
    if (!s)
        return;
    const int n = s->KabelCount();
    if (n > 6)
        Fragen.Information("Es sind zu vielen Anschlüsse vorhanden\rBitte löschen sie " +
                           std::to_string(n - 6) + " Verbindungen");
    else
        s->SetMaxPorts(6);
}

void TEditor::SendeNachricht() {
    const auto sender = KomponenteWahl.lock();
    const auto frage = Eingabefrage(TMenuepunkt::Senden);
    if (!frage)
        return;
    const std::string text = Fragen.Eingabe(frage->Titel, frage->Frage, frage->Vorgabe);
    const auto& liste = NetzWert.Komponentenliste;
    if (TKomponente* ziel = liste.FindeIP(text))
        NetzWert.Nachrichtenliste.Add(
            std::make_unique<TNachricht>(sender, liste.ZeigerVon(ziel), "Testnachricht"));
    else
        NetzWert.Nachrichtenliste.KeinZiel(text);
}

void TEditor::Oeffnen(bool hinzufuegen) {
    if (!hinzufuegen && !DarfVerwerfen())
        return;
    std::string pfad;
    if (Sicher([&] { pfad = Fragen.OeffnenWahl(); }) && !pfad.empty())
        Lade(pfad, hinzufuegen);
}

bool TEditor::Lade(const std::string& pfad, bool hinzufuegen) {
    Veraendert();
    const auto lade = [&] {
        // A load that fails, out of memory included, leaves the network as it was.
        try {
            LadeInNetz(pfad, NetzWert, hinzufuegen);
        } catch (const ELesefehler& e) {
            throw EFehler(Lesefehlertext(pfad, e));
        }
        // An added file is part of the current one now; saving must not go to it.
        if (!hinzufuegen) {
            LeereAuswahl();
            ModusWert = TModus::Leerlauf;
            SetzeDatei(pfad);
            Verlauf.Neu(true);
        }
        WerkzeugWert = TWerkzeug::Verschieben;
    };
    // Adding is one step; opening starts a new history.
    const bool geladen = hinzufuegen ? Schritt(
                                           [&] {
                                               const auto& alle = NetzWert.Komponentenliste.Alle();
                                               Beginne(UGeraete | UKabel | USubnetze | UTabellen,
                                                       {alle.begin(), alle.end()});
                                           },
                                           lade)
                                     : Sicher(lade);
    if (geladen)
        Melde();
    return geladen;
}

void TEditor::SetzeDatei(const std::string& pfad) {
    DateinameWert = pfad;
    HatDatei = true;
}

bool TEditor::IstAktuelleDatei(const std::string& pfad) const {
    std::error_code fehler;
    return HatDatei &&
           (pfad == DateinameWert || std::filesystem::equivalent(pfad, DateinameWert, fehler));
}

bool TEditor::DarfErsetzen(const std::string& pfad) {
    std::error_code fehler;
    // A name that is taken in any way, a link to nowhere included.
    const bool vorhanden = std::filesystem::symlink_status(pfad, fehler).type() !=
                           std::filesystem::file_type::not_found;
    if (!vorhanden || IstAktuelleDatei(pfad))
        return true;
    const std::string name = std::filesystem::path(pfad).filename().string();
    return Fragen.Frage("\u201e" + name + "\u201c ist schon vorhanden. Ersetzen?",
                        {"Ersetzen", "Abbrechen"}) == 0;
}

bool TEditor::Speichern() {
    bool geschrieben = false;
    Sicher([&] {
        const std::string pfad = Fragen.SpeichernWahl(DateinameWert);
        if (pfad.empty() || !DarfErsetzen(pfad))
            return;
        // Formatted before the file is touched: a value the format cannot hold leaves it alone.
        Ablage.Schreibe(pfad, NetzdateiText(NetzWert));
        // From now on the work is that file: the caption, the next save and the question
        // before the work goes all name it.
        SetzeDatei(pfad);
        geschrieben = true;
    });
    if (geschrieben) {
        Verlauf.Gespeichert();
        Melde();
    }
    return geschrieben;
}

void TEditor::Takt() {
    Sicher([&] { NetzWert.Nachrichtenliste.Takt(); });
}

} // namespace verbundo
