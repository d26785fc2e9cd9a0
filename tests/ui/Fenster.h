#pragma once

// Shared by the window tests: scripted dialogs, a recording launcher, pictures made in memory,
// and a window whose controls are found by their layout names.

#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
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

class TAufzeichnenderStarter : public TStarter {
public:
    std::vector<QStringList> Aufrufe; // program first
    bool Starte(const QString& programm, const QStringList& argumente) override {
        Aufrufe.push_back(QStringList{programm} + argumente);
        return true;
    }
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

// The window, shown, its timer stopped: ticks come from the tests.
struct TFenster {
    TBilder Bilder = TestBilder();
    TSkriptDialoge Dialoge;
    TAufzeichnenderStarter Starter;
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(Bilder, Dialoge, Starter);

    explicit TFenster(bool zeitgeber = false) {
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

} // namespace verbundo::test
