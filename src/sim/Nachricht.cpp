#include "Nachricht.h"

#include "../model/Kabel.h"
#include "../model/Komponente.h"
#include "Protokoll.h"

namespace verbundo {

TNachricht::TNachricht(Geraet sender, Geraet ziel, std::string text)
    : Sender(std::move(sender)), Ziel(std::move(ziel)), Position(Sender), Text(std::move(text)) {}

TKabel* TNachricht::GetKabel() const {
    TKabel* k = Kabel.lock().get();
    return k && !k->IstEntfernt() ? k : nullptr;
}

void TNachricht::SetKabel(TKabel* kabel) {
    HatKabel = kabel != nullptr;
    Kabel = kabel ? kabel->weak_from_this() : std::weak_ptr<TKabel>();
}

namespace {

struct BusyWaechter {
    bool& busy;
    explicit BusyWaechter(bool& b) : busy(b) { busy = true; }
    ~BusyWaechter() { busy = false; }
};

} // namespace

void TNachrichtenList::Add(std::unique_ptr<TNachricht> n) {
    n->SetNummer(++Gesendet);
    if (Protokoll)
        Logge(TEreignisArt::Gesendet, *n, n->GetSender(), n->GetZiel());
    Liste.push_back(std::move(n));
}

void TNachrichtenList::KeinZiel(const std::string& adresse) {
    if (!Protokoll)
        return;
    TEreignis e;
    e.Takt = TaktNummer;
    e.Art = TEreignisArt::KeinZiel;
    Protokoll->Schreibe(e, adresse);
}

void TNachrichtenList::Logge(TEreignisArt art, const TNachricht& m, const TKomponente* von,
                             const TKomponente* nach, long long anzahl) {
    TEreignis e;
    e.Takt = TaktNummer;
    e.Nachricht = m.GetNummer();
    e.Art = art;
    e.Von = StelleVon(von);
    e.Nach = StelleVon(nach);
    e.Anzahl = anzahl;
    static const std::string keine;
    Protokoll->Schreibe(e, keine);
}

void TNachrichtenList::Takt() {
    if (Liste.empty() || Busy)
        return;
    BusyWaechter waechter(Busy);
    ++TaktNummer;
    // The step works on its own copy of the list, so a delivery notice that runs a nested
    // event loop never sees a half-moved list, and anything added meanwhile survives. Order of
    // each message's turn: drop it if its device or cable was deleted, clear its arrival mark,
    // deliver, count the hop, then move, copy or drop.
    auto alt = std::move(Liste);
    Liste.clear();
    std::vector<std::unique_ptr<TNachricht>> neu;
    const std::size_t n = alt.size();
    // Every message's turn logs at least one event: while more messages are still to come
    // than the log keeps, what this one does would be pushed out before anyone reads it.
    const std::size_t behalten = Protokoll ? Protokoll->Behaelt() : 0;
    for (std::size_t i = 0; i < n; ++i) {
        std::unique_ptr<TNachricht> m = std::move(alt[i]);
        const std::size_t nochOffen = n - i - 1;
        const bool logge = nochOffen < behalten;
        // What was deleted from the canvas is never reached again.
        if (m->KabelVerloren() || m->GetPosition()->IstEntfernt()) {
            if (logge)
                Logge(TEreignisArt::Geloescht, *m, m->GetPosition(), nullptr);
            continue;
        }
        if (TKabel* herkunft = m->GetKabel())
            herkunft->SetAktiv(false);
        TKomponente* p = m->GetPosition();
        if (p == m->GetZiel()) {
            if (const auto* empfaenger = Als<TDrucker>(p)) {
                if (logge)
                    Logge(TEreignisArt::Zugestellt, *m, p, nullptr);
                const unsigned geleert = Leerungen;
                empfaenger->Empfange(*m, Melder);
                // The list was emptied while the notice was open (a network discarded): the
                // rest of this step belongs to it and goes too.
                if (Leerungen != geleert)
                    return;
                continue;
            }
        }
        if (!m->NaechsterHop()) {
            if (logge)
                Logge(TEreignisArt::HopGrenze, *m, p, nullptr);
            continue;
        }
        auto* sw = Als<TSwitch>(p);
        if (!sw || !sw->Hub) {
            TKabel* k = p->NaechstesKabel(*m->GetZiel());
            if (k && k != m->GetKabel()) {
                k->SetAktiv(true);
                m->SetKabel(k);
                m->SetPosition(k->AndereSeiteZeiger(p));
                if (logge)
                    Logge(TEreignisArt::Kabel, *m, p, m->GetPosition());
                neu.push_back(std::move(m));
            } else if (logge) {
                const TEreignisArt grund =
                    p == m->GetZiel() ? TEreignisArt::NimmtNicht
                    : sw              ? (k ? TEreignisArt::Zurueck : TEreignisArt::KeineRoute)
                    : k               ? TEreignisArt::NichtZiel
                                      : TEreignisArt::KeinKabel;
                Logge(grund, *m, p, m->GetZiel());
            }
            continue;
        }
        const TKabel* angekommen = m->GetKabel();
        long long gemacht = 0, nicht = 0;
        for (int port = 0; port < p->KabelCount(); ++port) {
            TKabel* k = p->GetKabel(port);
            if (!k || k == angekommen)
                continue;
            if (neu.size() + nochOffen >= MaxUnterwegs) {
                ++nicht;
                continue;
            }
            k->SetAktiv(true);
            auto kopie =
                std::make_unique<TNachricht>(m->SenderZeiger(), m->ZielZeiger(), "Testnachricht");
            kopie->SetKabel(k);
            kopie->SetHops(m->GetHops());
            kopie->SetNummer(m->GetNummer());
            kopie->SetPosition(k->AndereSeiteZeiger(p));
            if (logge)
                Logge(TEreignisArt::Kopie, *kopie, p, kopie->GetPosition());
            neu.push_back(std::move(kopie));
            ++gemacht;
        }
        if (logge && nicht > 0)
            Logge(TEreignisArt::Grenze, *m, p, nullptr, nicht);
        else if (logge && gemacht == 0)
            Logge(TEreignisArt::KeinKabel, *m, p, nullptr);
    }
    for (auto& spaet : Liste)
        neu.push_back(std::move(spaet));
    Liste = std::move(neu);
}

} // namespace verbundo
