#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace verbundo {

class TKabel;
class TKomponente;
class TMelder;

// A message shares the devices it names (a device deleted from the canvas stays alive for it)
// and refers to its last cable weakly: a deleted cable is never touched again.
class TNachricht {
public:
    using Geraet = std::shared_ptr<TKomponente>;

    TNachricht(Geraet sender, Geraet ziel, std::string text);

    TKomponente* GetSender() const { return Sender.get(); }
    TKomponente* GetZiel() const { return Ziel.get(); }
    TKomponente* GetPosition() const { return Position.get(); }
    void SetPosition(Geraet p) { Position = std::move(p); }
    const std::string& GetText() const { return Text; }

    // None also when the cable has been deleted since.
    TKabel* GetKabel() const;
    void SetKabel(TKabel* kabel);
    // True when the cable it last crossed has been deleted since.
    bool KabelVerloren() const { return HatKabel && !GetKabel(); }

    int GetHops() const { return Hops; }
    void SetHops(int n) { Hops = n; }
    // Counts one more cable; false once the limit is reached.
    bool NaechsterHop() { return ++Hops < 10; }

    const Geraet& SenderZeiger() const { return Sender; }
    const Geraet& ZielZeiger() const { return Ziel; }

private:
    Geraet Sender;
    Geraet Ziel;
    Geraet Position;
    std::string Text;
    int Hops = 1;
    std::weak_ptr<TKabel> Kabel;
    bool HatKabel = false;
};

class TNachrichtenList {
public:
    // Hub copies beyond this many messages in flight are not made.
    static constexpr std::size_t MaxUnterwegs = 100000;

    int Count() const { return static_cast<int>(Liste.size()); }
    TNachricht& GetNachricht(int index) const { return *Liste.at(static_cast<std::size_t>(index)); }
    void Add(std::unique_ptr<TNachricht> n) { Liste.push_back(std::move(n)); }
    // Destroys every message; called during a step (from a delivery notice), also those that
    // step still holds.
    void Clear() {
        Liste.clear();
        ++Leerungen;
    }
    bool IsBusy() const { return Busy; }

    // Deliveries are reported here; none means silent delivery.
    void SetMelder(TMelder* melder) { Melder = melder; }
    TMelder* GetMelder() const { return Melder; }

    // One simulation step: every message moves one cable, is delivered, copied or dropped.
    // Returns at once when called again while a delivery notice of this step is open.
    void Takt();

private:
    std::vector<std::unique_ptr<TNachricht>> Liste;
    bool Busy = false;
    TMelder* Melder = nullptr;
    unsigned Leerungen = 0;
};

} // namespace verbundo
