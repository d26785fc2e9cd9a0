#pragma once

#include <optional>

namespace verbundo {

// When unsaved work is copied for recovery: shortly after a change, yet not more often than
// every 30 seconds, so a learner dragging for minutes does not write all the time. Work that
// is saved needs no copy. Times are milliseconds of any clock that only goes forward.
class TSicherungsplan {
public:
    static constexpr long long Abstand = 30000;
    static constexpr long long Kurz = 1000;

    enum class TTun {
        Nichts,    // a write is planned already, or nothing is unsaved and nothing planned
        Planen,    // start the timer, In milliseconds from now
        Entfernen, // stop the timer and remove the copy: nothing is unsaved
    };
    struct TEntscheid {
        TTun Tun = TTun::Nichts;
        long long In = 0;
    };

    // After every change of the history: a new step, undo, redo, save, open, restore.
    TEntscheid Geaendert(bool ungespeichert, long long jetzt);
    // The planned time has come: whether the copy is to be written now.
    bool Faellig(bool ungespeichert, long long jetzt);

private:
    std::optional<long long> Zuletzt; // the last copy written
    bool Geplant = false;
};

// Asked at the start when unsaved work was left behind; the answers, in button order, are
// "Wiederherstellen", "Verwerfen" and "Später".
inline constexpr const char* Wiederherstellungsfrage =
    "Verbundo wurde beim letzten Mal nicht ordnungsgemäß beendet. "
    "Die ungespeicherte Arbeit wiederherstellen?";

} // namespace verbundo
