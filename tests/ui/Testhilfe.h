#pragma once

// Shared by the window tests: a window built with scripted dialogs, a recording launcher and
// pictures made in memory, so no file and no real box is involved.

#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QImage>
#include <QMenu>
#include <QStringList>

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace verbundo::test {

// Answers every dialog from a script and records every box shown.
class TSkriptDialoge : public TDialoge {
public:
    struct Eingabefrage {
        QString caption, prompt, vorgabe;
    };

    std::vector<QString> Informationen; // texts of information boxes, in order
    std::vector<QString> Fehlermeldungen;
    std::vector<Eingabefrage> Eingabefragen;
    std::deque<QString> Eingaben; // answers; an empty deque means "cancel" (returns vorgabe)
    std::deque<QString> OeffnenAntworten; // paths; empty deque means cancel
    std::deque<QString> SpeichernAntworten;
    std::vector<QString> SpeichernVorschlaege;
    QString LetzterFilter;
    QString LetzteEndung;
    // The visible item texts of the context menu each time it opened.
    std::vector<QStringList> MenueAufrufe;
    // Item to trigger when the menu opens (by text); empty = close without a choice.
    std::deque<QString> MenueWahl;
    // Called while an information box is "open" (e.g. to fire timer events re-entrantly).
    std::function<void()> WaehrendInformation;

    void Information(QWidget*, const QString& text) override {
        Informationen.push_back(text);
        if (WaehrendInformation)
            WaehrendInformation();
    }
    void Fehler(QWidget*, const QString& text) override { Fehlermeldungen.push_back(text); }
    QString Eingabe(QWidget*, const QString& caption, const QString& prompt,
                    const QString& vorgabe) override {
        Eingabefragen.push_back({caption, prompt, vorgabe});
        if (Eingaben.empty())
            return vorgabe;
        QString a = Eingaben.front();
        Eingaben.pop_front();
        return a;
    }
    QString Oeffnen(QWidget*, const QString& filter) override {
        LetzterFilter = filter;
        if (OeffnenAntworten.empty())
            return {};
        QString a = OeffnenAntworten.front();
        OeffnenAntworten.pop_front();
        return a;
    }
    QString Speichern(QWidget*, const QString& vorschlag, const QString& filter,
                      const QString& endung) override {
        SpeichernVorschlaege.push_back(vorschlag);
        LetzterFilter = filter;
        LetzteEndung = endung;
        if (SpeichernAntworten.empty())
            return {};
        QString a = SpeichernAntworten.front();
        SpeichernAntworten.pop_front();
        return a;
    }
    void Menue(QMenu* menue, const QPoint&) override {
        QStringList sichtbar;
        for (QAction* a : menue->actions())
            if (a->isVisible() && !a->isSeparator())
                sichtbar << a->text();
        MenueAufrufe.push_back(sichtbar);
        if (MenueWahl.empty())
            return;
        const QString wahl = MenueWahl.front();
        MenueWahl.pop_front();
        for (QAction* a : menue->actions())
            if (a->isVisible() && a->text() == wahl)
                a->trigger();
    }
};

class TAufzeichnenderStarter : public TStarter {
public:
    struct Aufruf {
        QString programm;
        QStringList argumente;
    };
    std::vector<Aufruf> Aufrufe;
    bool Gelingt = true;
    bool Starte(const QString& programm, const QStringList& argumente) override {
        Aufrufe.push_back({programm, argumente});
        return Gelingt;
    }
};

// Plain coloured squares stand in for the icon files.
inline TBilder TestBilder() {
    TBilder b;
    const TBild alle[] = {TBild::Computer, TBild::Mailserver, TBild::Switch,
                          TBild::Drucker,  TBild::Router,     TBild::Dokument};
    int i = 0;
    for (TBild bild : alle) {
        const int seite = bild == TBild::Dokument ? 16 : 32;
        QImage img(seite, seite, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(i++ * 50, 200, 200));
        b.Setze(bild, img);
    }
    return b;
}

// A window as a test sees it: it owns its seams.
struct TFenster {
    TBilder Bilder = TestBilder();
    TSkriptDialoge Dialoge;
    TAufzeichnenderStarter Starter;
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(Bilder, Dialoge, Starter);
    TForm1* operator->() const { return Form.get(); }
};

} // namespace verbundo::test
