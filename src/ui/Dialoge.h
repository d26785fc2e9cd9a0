#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QMenu;
class QWidget;

namespace verbundo {

// Every box and dialog the window opens goes through this, so tests can answer them.
class TDialoge {
public:
    virtual ~TDialoge() = default;

    // Modal box "Information", information icon, one "OK"; a CR in the text breaks the line.
    virtual void Information(QWidget* owner, const QString& text) = 0;
    // Modal error box: stop icon, one "OK".
    virtual void Fehler(QWidget* owner, const QString& text) = 0;
    // Returns the edited text, or vorgabe unchanged when cancelled.
    virtual QString Eingabe(QWidget* owner, const QString& caption, const QString& prompt,
                            const QString& vorgabe) = 0;
    // Returns the chosen path, or an empty text when cancelled.
    virtual QString Oeffnen(QWidget* owner, const QString& filter) = 0;
    virtual QString Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                              const QString& endung) = 0;
    // Opens the context menu at a screen position and runs the chosen command.
    virtual void Menue(QMenu* menue, const QPoint& global) = 0;
    // The configuration test's information box. With findings, its details list them, and
    // choosing one calls gewaehlt with its number while the box stays open.
    virtual void Pruefergebnis(QWidget* owner, const QString& text, const QStringList& befunde,
                               const std::function<void(int)>& gewaehlt) {
        (void)befunde;
        (void)gewaehlt;
        Information(owner, text);
    }
};

// The real dialogs: QMessageBox, QInputDialog, QFileDialog, each with exec().
class TQtDialoge : public TDialoge {
public:
    void Information(QWidget* owner, const QString& text) override;
    void Fehler(QWidget* owner, const QString& text) override;
    QString Eingabe(QWidget* owner, const QString& caption, const QString& prompt,
                    const QString& vorgabe) override;
    QString Oeffnen(QWidget* owner, const QString& filter) override;
    QString Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                      const QString& endung) override;
    void Menue(QMenu* menue, const QPoint& global) override;
    void Pruefergebnis(QWidget* owner, const QString& text, const QStringList& befunde,
                       const std::function<void(int)>& gewaehlt) override;

private:
    QString LetzterOrdner;
    // The open dialog proposes the file last chosen in it.
    QString LetzteDatei;
};

// Starts a console process; tests record instead.
class TStarter {
public:
    virtual ~TStarter() = default;
    // Returns whether a process was started; nobody reports a failure to the learner.
    virtual bool Starte(const QString& programm, const QStringList& argumente) = 0;
};

} // namespace verbundo
