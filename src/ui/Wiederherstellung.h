#pragma once

#include <QLockFile>
#include <QString>

#include <memory>
#include <string>

namespace verbundo {

class TDateiablage;

// The recovery files of one running program in a folder. Each program writes its own file,
// named by its process id and window, and holds a lock beside it while it runs; a file whose lock
// nobody holds was left by a program that ended without closing (a crash, a power loss) and may be
// taken over by exactly one program.
class TWiederherstellung {
public:
    explicit TWiederherstellung(const QString& ordner);
    // Nothing is removed here: only a clean exit (Entferne) removes the file.
    ~TWiederherstellung();

    // $XDG_STATE_HOME/verbundo, else ~/.local/state/verbundo.
    static QString StandardOrdner();

    // Writes this program's file atomically; raises the writer's error.
    void Schreibe(const std::string& text, TDateiablage& ablage);
    // Removes this program's file and the one taken over, if any.
    void Entferne();

    // The newest file left behind by a program that no longer runs, locked for this one; empty
    // when there is none. It is not read here: whoever reads it reads it as a network file.
    QString Verwaist();
    // The file offered is now this program's: it goes with the next write or Entferne.
    void Uebernimm();
    // Removes the file offered.
    void Verwirf();

private:
    QString Eigene() const;

    QString Ordner, Name;
    std::unique_ptr<QLockFile> EigenesSchloss;
    QString Angeboten, Uebernommen;
    std::unique_ptr<QLockFile> AngebotSchloss, UebernahmeSchloss;
};

} // namespace verbundo
