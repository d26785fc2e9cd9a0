#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

#include <functional>

class QAbstractButton;
class QFileDialog;
class QInputDialog;
class QMenu;
class QMessageBox;
class QPrinter;
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
    // Without an ending, the ending of the chosen file type is added to a bare name.
    virtual QString Speichern(QWidget* owner, const QString& vorschlag, const QString& filter,
                              const QString& endung) = 0;
    // Opens the context menu at a screen position and runs the chosen command.
    virtual void Menue(QMenu* menue, const QPoint& global) = 0;
    // The print dialog for drucker; returns whether the learner chose to print. Where no one
    // can be asked, nothing is printed.
    virtual bool Drucken(QWidget*, QPrinter&) { return false; }
    // A question box with these buttons; returns the index of the one chosen. Closing the box
    // chooses the last.
    virtual int Frage(QWidget* owner, const QString& text, const QStringList& knoepfe) = 0;
    // The configuration test's information box. With findings, its details list them, and
    // choosing one calls gewaehlt with its number while the box stays open.
    virtual void Pruefergebnis(QWidget* owner, const QString& text, const QStringList& befunde,
                               const std::function<void(int)>& gewaehlt) {
        (void)befunde;
        (void)gewaehlt;
        Information(owner, text);
    }
    // Like Eingabe, with a field for several lines.
    virtual QString Textfeld(QWidget* owner, const QString& caption, const QString& prompt,
                             const QString& vorgabe) {
        return Eingabe(owner, caption, prompt, vorgabe);
    }
    // One of the options: its index, or -1 when cancelled (or where no one can be asked).
    virtual int Auswahl(QWidget*, const QString&, const QString&, const QStringList&) { return -1; }
};

// How each real dialog is set up before it runs, apart from running it: tests check the set-up
// on dialogs that never run.
void RichteBoxEin(QMessageBox& box, bool fehler, const QString& text);
void RichteEingabeEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                      const QString& vorgabe);
// A text of several lines; a choice from the options, none editable.
void RichteTextfeldEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                       const QString& vorgabe);
void RichteAuswahlEin(QInputDialog& dialog, const QString& caption, const QString& prompt,
                      const QStringList& optionen);
// Returns the buttons in the order given.
QList<QAbstractButton*> RichteFrageEin(QMessageBox& box, const QString& text,
                                       const QStringList& knoepfe);

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
    bool Drucken(QWidget* owner, QPrinter& drucker) override;
    int Frage(QWidget* owner, const QString& text, const QStringList& knoepfe) override;
    void Pruefergebnis(QWidget* owner, const QString& text, const QStringList& befunde,
                       const std::function<void(int)>& gewaehlt) override;
    QString Textfeld(QWidget* owner, const QString& caption, const QString& prompt,
                     const QString& vorgabe) override;
    int Auswahl(QWidget* owner, const QString& caption, const QString& prompt,
                const QStringList& optionen) override;

    // The file dialogs as they open: the open dialog proposes the file last chosen in it, both
    // start in the folder last chosen. Each takes the dialog's icon provider along.
    void RichteOeffnenEin(QFileDialog& dialog, const QString& filter) const;
    void RichteSpeichernEin(QFileDialog& dialog, const QString& vorschlag, const QString& filter,
                            const QString& endung) const;

private:
    QString LetzterOrdner;
    // The open dialog proposes the file last chosen in it.
    QString LetzteDatei;
};

// Starts a console process or the browser; tests record instead.
class TStarter {
public:
    virtual ~TStarter() = default;
    // Returns whether a process was started; nobody reports a failure to the learner.
    virtual bool Starte(const QString& programm, const QStringList& argumente) = 0;
    // Opens the local file in the desktop's program for its type (the help page in the
    // browser); returns whether that program could be asked to.
    virtual bool Oeffne(const QString& pfad) = 0;
};

} // namespace verbundo
