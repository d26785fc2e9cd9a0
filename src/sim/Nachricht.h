#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace verbundo {

class TKabel;
class TKomponente;
class TMelder;
class TProtokoll;
enum class TEreignisArt;

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

    // The number the log knows it by; hub copies keep it.
    long long GetNummer() const { return Nummer; }
    void SetNummer(long long n) { Nummer = n; }

    const Geraet& SenderZeiger() const { return Sender; }
    const Geraet& ZielZeiger() const { return Ziel; }

private:
    Geraet Sender;
    Geraet Ziel;
    Geraet Position;
    std::string Text;
    int Hops = 1;
    long long Nummer = 0;
    std::weak_ptr<TKabel> Kabel;
    bool HatKabel = false;
};

class TNachrichtenList {
public:
    // Hub copies beyond this many messages in flight are not made.
    static constexpr std::size_t MaxUnterwegs = 100000;

    int Count() const { return static_cast<int>(Liste.size()); }
    TNachricht& GetNachricht(int index) const { return *Liste.at(static_cast<std::size_t>(index)); }
    // Sends a message: numbers it and logs it.
    void Add(std::unique_ptr<TNachricht> n);
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
    // Every event of every message is logged here; none means no log.
    void SetProtokoll(TProtokoll* protokoll) { Protokoll = protokoll; }
    // Logs a message that could not be sent, as nothing carries the address typed.
    void KeinZiel(const std::string& adresse);
    // Ticks that had messages to move, so far.
    long long GetTaktNummer() const { return TaktNummer; }

    // One simulation step: every message moves one cable, is delivered, copied or dropped.
    // Returns at once when called again while a delivery notice of this step is open.
    void Takt();

private:
    void Logge(TEreignisArt art, const TNachricht& m, const TKomponente* von,
               const TKomponente* nach, long long anzahl = 0);

    std::vector<std::unique_ptr<TNachricht>> Liste;
    TProtokoll* Protokoll = nullptr;
    long long TaktNummer = 0;
    long long Gesendet = 0;
    bool Busy = false;
    TMelder* Melder = nullptr;
    unsigned Leerungen = 0;
};

} // namespace verbundo
