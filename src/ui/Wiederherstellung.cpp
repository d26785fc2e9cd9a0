#include "ui/Wiederherstellung.h"

#include "edit/Fragen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace verbundo {

namespace {

const QString Muster = QStringLiteral("sicherung-*.nz");

QString Schloss(const QString& datei) {
    return datei + QStringLiteral(".lock");
}

std::unique_ptr<QLockFile> Sperre(const QString& datei) {
    auto schloss = std::make_unique<QLockFile>(Schloss(datei));
    // Only a dead owner makes a lock stale, never its age: a program may run for days.
    schloss->setStaleLockTime(0);
    if (!schloss->tryLock(0))
        return nullptr;
    return schloss;
}

} // namespace

TWiederherstellung::TWiederherstellung(const QString& ordner) : Ordner(ordner) {
    // Windows of one process (the tests make several) each keep their own file.
    static int zaehler = 0;
    Name = QStringLiteral("/sicherung-%1-%2.nz")
               .arg(QCoreApplication::applicationPid())
               .arg(++zaehler);
}

TWiederherstellung::~TWiederherstellung() = default;

QString TWiederherstellung::StandardOrdner() {
    // Qt 6.4 has no location for state; the XDG rule is simple enough to follow here.
    QString basis = qEnvironmentVariable("XDG_STATE_HOME");
    if (basis.isEmpty() || QDir::isRelativePath(basis))
        basis = QDir::homePath() + QStringLiteral("/.local/state");
    return basis + QStringLiteral("/verbundo");
}

QString TWiederherstellung::Eigene() const {
    return Ordner + Name;
}

void TWiederherstellung::Schreibe(const std::string& text, TDateiablage& ablage) {
    if (!EigenesSchloss) {
        QDir().mkpath(Ordner);
        EigenesSchloss = Sperre(Eigene());
        if (!EigenesSchloss)
            return; // a stranger holds our name: better no recovery than a taken one
    }
    ablage.Schreibe(Eigene().toStdString(), text);
    // Once ours is written, the file taken over is no longer needed.
    if (!Uebernommen.isEmpty()) {
        QFile::remove(std::exchange(Uebernommen, {}));
        UebernahmeSchloss.reset();
    }
}

void TWiederherstellung::Entferne() {
    if (EigenesSchloss) {
        QFile::remove(Eigene());
        EigenesSchloss.reset();
    }
    if (!Uebernommen.isEmpty()) {
        QFile::remove(std::exchange(Uebernommen, {}));
        UebernahmeSchloss.reset();
    }
}

QString TWiederherstellung::Verwaist() {
    AngebotSchloss.reset();
    Angeboten.clear();
    const QFileInfoList dateien = QDir(Ordner).entryInfoList({Muster}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : dateien) {
        const QString datei = info.absoluteFilePath();
        if (datei == QFileInfo(Eigene()).absoluteFilePath() || datei == Uebernommen)
            continue;
        auto schloss = Sperre(datei);
        if (!schloss)
            continue; // its program still runs
        AngebotSchloss = std::move(schloss);
        Angeboten = datei;
        return datei;
    }
    return {};
}

void TWiederherstellung::Uebernimm() {
    if (!Uebernommen.isEmpty())
        QFile::remove(Uebernommen);
    Uebernommen = std::exchange(Angeboten, {});
    UebernahmeSchloss = std::move(AngebotSchloss);
}

void TWiederherstellung::Verwirf() {
    if (!Angeboten.isEmpty())
        QFile::remove(std::exchange(Angeboten, {}));
    AngebotSchloss.reset();
}

} // namespace verbundo
