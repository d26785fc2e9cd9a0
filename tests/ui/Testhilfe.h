#pragma once

// Shared by the window tests: scripted dialogs, a recording launcher, pictures made in memory,
// and a fixture driving the real view at zoom 200 and scroll (100, 50).

#include "ui/Anzeige.h"
#include "ui/Bilder.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QApplication>
#include <QImage>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

namespace verbundo {
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPunkt& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
} // namespace verbundo

namespace verbundo::test {

inline QRgb Farbe(const QImage& bild, int x, int y) {
    return bild.pixel(x, y) & 0xffffffu;
}
inline constexpr QRgb Weiss = 0xffffffu, Schwarz = 0, Rot = 0xff0000u, Gruen = 0x008000u,
                      Blau = 0x0000ffu;

// Sets the default locale for one test and restores the previous one.
struct TGebietsschema {
    QLocale Alt;
    explicit TGebietsschema(const QLocale& neu) { QLocale::setDefault(neu); }
    ~TGebietsschema() { QLocale::setDefault(Alt); }
};

// Answers every dialog from a script (an empty queue means cancel) and records every box.
class TSkriptDialoge : public TDialoge {
public:
    struct Eingabefrage {
        QString caption, prompt, vorgabe;
    };
    std::vector<QString> Informationen, Fehlermeldungen, SpeichernVorschlaege;
    std::vector<Eingabefrage> Eingabefragen;
    std::deque<QString> Eingaben, OeffnenAntworten, SpeichernAntworten;
    QString LetzterFilter, LetzteEndung;
    std::vector<QStringList> MenueAufrufe;     // visible items each time the menu opened
    std::deque<QString> MenueWahl;             // item to trigger; empty = close without a choice
    std::function<void()> WaehrendInformation; // runs while an information box is "open"

    static QString Nimm(std::deque<QString>& q, const QString& sonst = {}) {
        if (q.empty())
            return sonst;
        QString a = q.front();
        q.pop_front();
        return a;
    }
    void Information(QWidget*, const QString& text) override {
        Informationen.push_back(text);
        if (WaehrendInformation)
            WaehrendInformation();
    }
    void Fehler(QWidget*, const QString& text) override { Fehlermeldungen.push_back(text); }
    QString Eingabe(QWidget*, const QString& c, const QString& p, const QString& v) override {
        Eingabefragen.push_back({c, p, v});
        return Nimm(Eingaben, v);
    }
    QString Oeffnen(QWidget*, const QString& filter) override {
        LetzterFilter = filter;
        return Nimm(OeffnenAntworten);
    }
    QString Speichern(QWidget*, const QString& vorschlag, const QString& filter,
                      const QString& endung) override {
        SpeichernVorschlaege.push_back(vorschlag);
        LetzterFilter = filter;
        LetzteEndung = endung;
        return Nimm(SpeichernAntworten);
    }
    void Menue(QMenu* menue, const QPoint&) override {
        QStringList sichtbar;
        for (QAction* a : menue->actions())
            if (a->isVisible() && !a->isSeparator())
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

struct TFenster {
    TBilder Bilder = TestBilder();
    TSkriptDialoge Dialoge;
    TAufzeichnenderStarter Starter;
    std::unique_ptr<TForm1> Form = std::make_unique<TForm1>(Bilder, Dialoge, Starter);
    TForm1* operator->() const { return Form.get(); }
};

// Mouse events on the view at zoom 200, scroll (100, 50); points in surface coordinates.
struct TMausFenster : ::testing::Test {
    TFenster F;

    void SetUp() override {
        F->Timer1->stop(); // ticks come from the tests only
        F->show();
        F->SBZoom->setValue(200);
        F->SBHPosition->setValue(100);
        F->SBVPosition->setValue(50);
    }
    // The view point whose surface point is p; p must be reachable at this zoom.
    QPoint Ansicht(TPunkt p) const {
        const int zoom = F->SBZoom->value();
        const QPoint v((p.x - F->SBHPosition->value()) * 100 / zoom,
                       (p.y - F->SBVPosition->value()) * 100 / zoom);
        EXPECT_EQ(F->PufferX(v.x()), p.x) << "x " << p.x << " not reachable";
        EXPECT_EQ(F->PufferY(v.y()), p.y) << "y " << p.y << " not reachable";
        return v;
    }
    void Druecke(TPunkt p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mousePress(F->Anzeige, b, {}, Ansicht(p));
    }
    void Lasse(TPunkt p, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseRelease(F->Anzeige, b, {}, Ansicht(p));
    }
    // A move with buttons held, sent directly so it also arrives outside the view (pointer grab).
    void ZieheAnsicht(QPoint v, Qt::MouseButtons gehalten = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseMove, QPointF(v), QPointF(F->Anzeige->mapToGlobal(v)),
                      Qt::NoButton, gehalten, Qt::NoModifier);
        QApplication::sendEvent(F->Anzeige, &e);
    }
    void Ziehe(TPunkt p, Qt::MouseButtons b = Qt::LeftButton) { ZieheAnsicht(Ansicht(p), b); }
    void Klick(TPunkt p, Qt::MouseButton b = Qt::LeftButton) {
        Druecke(p, b);
        Lasse(p, b);
    }
    void Geste(TPunkt von, TPunkt nach, Qt::MouseButton b = Qt::LeftButton) {
        Druecke(von, b);
        Ziehe(nach, b);
        Lasse(nach, b);
    }
    TKomponente* Platziere(TWerkzeug w, TPunkt p) {
        F->SetWerkzeug(w);
        Klick(p);
        return F->AktKomponente;
    }
    // The visible menu items after a right click at p.
    QStringList Menue(TPunkt p) {
        const std::size_t vorher = F.Dialoge.MenueAufrufe.size();
        Klick(p, Qt::RightButton);
        if (F.Dialoge.MenueAufrufe.size() != vorher + 1) {
            ADD_FAILURE() << "the menu did not open";
            return {};
        }
        return F.Dialoge.MenueAufrufe.back();
    }
    // Right click at p and choose an item.
    void Waehle(TPunkt p, const QString& eintrag) {
        F.Dialoge.MenueWahl.push_back(eintrag);
        EXPECT_TRUE(Menue(p).contains(eintrag)) << eintrag.toStdString() << " not offered";
    }
};

inline TPunkt Pos(const TKomponente* k) {
    return {k->GetX(), k->GetY()};
}

inline QString Grenztext() {
    return QString::fromUtf8("Die maximale Anzahl von Netzwerkanschlüssen ist erreicht.\r"
                             "Weitere Verbindungen sind nicht mehr möglich!");
}

} // namespace verbundo::test
