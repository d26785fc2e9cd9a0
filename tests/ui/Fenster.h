#pragma once

// Shared by the window tests: scripted dialogs, a recording launcher, pictures made in memory,
// and a window whose controls are found by their layout names.

#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QAction>
#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QMenu>
#include <QPointer>
#include <QPrinter>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace verbundo::test {

inline QRgb Farbe(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) & 0xffffffu;
}

// Answers every dialog from a script (an empty queue means cancel) and records every box.
class TSkriptDialoge : public TDialoge {
public:
    std::vector<QString> Informationen, Fehlermeldungen, SpeichernVorschlaege;
    std::deque<QString> Eingaben, OeffnenAntworten, SpeichernAntworten;
    std::vector<QStringList> MenueAufrufe; // visible items each time the menu opened
    std::deque<QString> MenueWahl;         // item to trigger; empty = close without a choice
    std::vector<QString> Fragen;
    std::deque<int> FrageAntworten; // index of the button; empty = the last (closed)

    static QString Nimm(std::deque<QString>& q, const QString& sonst = {}) {
        if (q.empty())
            return sonst;
        QString a = q.front();
        q.pop_front();
        return a;
    }
    void Information(QWidget*, const QString& text) override { Informationen.push_back(text); }
    void Fehler(QWidget*, const QString& text) override { Fehlermeldungen.push_back(text); }
    QString Eingabe(QWidget*, const QString&, const QString&, const QString& v) override {
        return Nimm(Eingaben, v);
    }
    QString Oeffnen(QWidget*, const QString&) override { return Nimm(OeffnenAntworten); }
    QString Speichern(QWidget*, const QString& vorschlag, const QString&, const QString&) override {
        SpeichernVorschlaege.push_back(vorschlag);
        return Nimm(SpeichernAntworten);
    }
    QString DruckPdf; // the print dialog, when set, prints into this PDF file
    bool Drucken(QWidget*, QPrinter& drucker) override {
        drucker.setOutputFileName(DruckPdf);
        return !DruckPdf.isEmpty();
    }
    int Frage(QWidget*, const QString& text, const QStringList& knoepfe) override {
        Fragen.push_back(text + " | " + knoepfe.join(QLatin1Char('/')));
        const int a = FrageAntworten.empty() ? int(knoepfe.size()) - 1 : FrageAntworten.front();
        if (!FrageAntworten.empty())
            FrageAntworten.pop_front();
        return a;
    }
    void Menue(QMenu* menue, const QPoint&) override {
        QStringList sichtbar;
        for (QAction* a : menue->actions())
            if (a->isVisible())
                sichtbar << a->text();
        MenueAufrufe.push_back(sichtbar);
        const QString wahl = Nimm(MenueWahl);
        for (QAction* a : menue->actions())
            if (!wahl.isEmpty() && a->isVisible() && a->text() == wahl)
                a->trigger();
    }
};

// Starts nothing: the one real start is tested on its own.
class TStillerStarter : public TStarter {
public:
    bool Starte(const QString&, const QStringList&) override { return false; }
    bool Oeffne(const QString&) override { return false; }
};

// Plain coloured squares stand in for the icon files.
inline TBilder TestBilder() {
    TBilder b;
    int i = 0;
    for (TBild bild : {TBild::Computer, TBild::Mailserver, TBild::Switch, TBild::Drucker,
                       TBild::Router, TBild::Dokument}) {
        const int seite = bild == TBild::Dokument ? 16 : 32;
        QImage img(seite, seite, QImage::Format_RGB32);
        img.fill(QColor::fromHsv(i++ * 50, 200, 200));
        b.Setze(bild, img);
    }
    return b;
}

// The window, shown, its timer stopped unless asked for: ticks come from the tests. With
// TQtDialoge the boxes are the real ones, with their nested event loops; WennOffen closes them.
template <class D> struct TFensterMit {
    TBilder Bilder = TestBilder();
    D Dialoge;
    TStillerStarter Starter;
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(Bilder, Dialoge, Starter);

    explicit TFensterMit(bool zeitgeber = false) {
        if (!zeitgeber)
            Teil<QTimer>("Timer1")->stop();
        Form->show();
    }
    TForm1* operator->() const { return Form.get(); }
    TEditor& E() const { return Form->Editor(); }
    template <class T = QWidget> T* Teil(const char* name) const {
        T* t = Form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
    QWidget* Anzeige() const { return Teil("Anzeige"); }
};
using TFenster = TFensterMit<TSkriptDialoge>;
using TEchtesFenster = TFensterMit<TQtDialoge>;

// Hands the modal widget of type T to handle, which closes it. Another modal widget, none
// within twenty seconds, or one still open two seconds after handle returned is a failure,
// and the widget is closed here: a wrong expectation fails fast and by name, never hangs.
template <class T> void WennOffen(std::function<void(T*)> handle) {
    // Owned by the application: a test that ends before the timer is deleted leaks nothing.
    auto* warte = new QTimer(qApp);
    struct TStand {
        QDeadlineTimer Frist{20000};
        bool Uebergeben = false;
        QPointer<QWidget> Offen;
    };
    auto stand = std::make_shared<TStand>();
    const auto ende = [warte] {
        warte->stop();
        warte->deleteLater();
    };
    QObject::connect(warte, &QTimer::timeout, [=] {
        if (!stand->Uebergeben) {
            QWidget* offen = QApplication::activeModalWidget();
            if (!offen) {
                if (stand->Frist.hasExpired()) {
                    ADD_FAILURE() << "no dialog opened";
                    ende();
                }
                return;
            }
            stand->Uebergeben = true;
            stand->Offen = offen;
            warte->stop(); // handle may wait in an event loop of its own
            if (T* erwartet = qobject_cast<T*>(offen))
                handle(erwartet);
            else
                ADD_FAILURE() << "unexpected dialog " << offen->metaObject()->className();
            stand->Frist.setRemainingTime(2000);
            warte->start();
        } else if (!stand->Offen || !stand->Offen->isVisible()) {
            ende();
        } else if (stand->Frist.hasExpired()) {
            ADD_FAILURE() << "the dialog " << stand->Offen->metaObject()->className()
                          << " was not closed";
            if (auto* dialog = qobject_cast<QDialog*>(stand->Offen.data()))
                dialog->reject();
            else
                stand->Offen->close();
            ende();
        }
    });
    warte->start(10);
}

// Sets an environment variable (none: unsets it) for its lifetime, however the test ends.
class TUmgebung {
public:
    TUmgebung(const char* name, const QByteArray& wert)
        : Name(name), Hatte(qEnvironmentVariableIsSet(name)), Alt(qgetenv(name)) {
        qputenv(name, wert);
    }
    ~TUmgebung() {
        if (Hatte)
            qputenv(Name, Alt);
        else
            qunsetenv(Name);
    }
    TUmgebung(const TUmgebung&) = delete;
    TUmgebung& operator=(const TUmgebung&) = delete;

private:
    const char* Name;
    bool Hatte;
    QByteArray Alt;
};

} // namespace verbundo::test
