#include "Nachricht.h"

#include "../model/Kabel.h"
#include "../model/Komponente.h"

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

void TNachrichtenList::Takt() {
    if (Liste.empty() || Busy)
        return;
    BusyWaechter waechter(Busy);
    // The step works on its own copy of the list, so a delivery notice that runs a nested
    // event loop never sees a half-moved list, and anything added meanwhile survives. Order of
    // each message's turn: drop it if its device or cable was deleted, clear its arrival mark,
    // deliver, count the hop, then move, copy or drop.
    auto alt = std::move(Liste);
    Liste.clear();
    std::vector<std::unique_ptr<TNachricht>> neu;
    const std::size_t n = alt.size();
    for (std::size_t i = 0; i < n; ++i) {
        std::unique_ptr<TNachricht> m = std::move(alt[i]);
        const std::size_t nochOffen = n - i - 1;
        // What was deleted from the canvas is never reached again.
        if (m->KabelVerloren() || m->GetPosition()->IstEntfernt())
            continue;
        if (TKabel* herkunft = m->GetKabel())
            herkunft->SetAktiv(false);
        TKomponente* p = m->GetPosition();
        if (p == m->GetZiel()) {
            if (const auto* empfaenger = Als<TDrucker>(p)) {
                const unsigned geleert = Leerungen;
                empfaenger->Empfange(*m, Melder);
                // The list was emptied while the notice was open (a network discarded): the
                // rest of this step belongs to it and goes too.
                if (Leerungen != geleert)
                    return;
                continue;
            }
        }
        if (!m->NaechsterHop())
            continue;
        auto* sw = Als<TSwitch>(p);
        if (!sw || !sw->Hub) {
            TKabel* k = p->NaechstesKabel(*m->GetZiel());
            if (k && k != m->GetKabel()) {
                k->SetAktiv(true);
                m->SetKabel(k);
                m->SetPosition(k->AndereSeiteZeiger(p));
                neu.push_back(std::move(m));
            }
            continue;
        }
        const TKabel* angekommen = m->GetKabel();
        for (int port = 0; port < p->KabelCount(); ++port) {
            TKabel* k = p->GetKabel(port);
            if (!k || k == angekommen)
                continue;
            if (neu.size() + nochOffen >= MaxUnterwegs)
                break;
            k->SetAktiv(true);
            auto kopie =
                std::make_unique<TNachricht>(m->SenderZeiger(), m->ZielZeiger(), "Testnachricht");
            kopie->SetKabel(k);
            kopie->SetHops(m->GetHops());
            kopie->SetPosition(k->AndereSeiteZeiger(p));
            neu.push_back(std::move(kopie));
        }
    }
    for (auto& spaet : Liste)
        neu.push_back(std::move(spaet));
    Liste = std::move(neu);
}

} // namespace verbundo
