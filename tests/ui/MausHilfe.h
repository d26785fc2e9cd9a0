#pragma once

// Drives the real view with mouse events at zoom 200 and scroll (100, 50), so every test also
// crosses the view-to-surface conversion. Points are given in surface coordinates.

#include "Testhilfe.h"
#include "ui/Anzeige.h"

#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <ostream>

namespace verbundo {
// Readable failure messages.
inline void PrintTo(const TRect& r, std::ostream* os) {
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}
inline void PrintTo(const TPunkt& p, std::ostream* os) {
    *os << "(" << p.x << ", " << p.y << ")";
}
} // namespace verbundo

namespace verbundo::test {

struct TMausFenster : ::testing::Test {
    TFenster F;

    void SetUp() override {
        F->Timer1->stop(); // ticks come from the tests only
        F->show();
        F->SBZoom->setValue(200);
        F->SBHPosition->setValue(100);
        F->SBVPosition->setValue(50);
        ASSERT_EQ(F->PufferX(0), 100);
        ASSERT_EQ(F->PufferY(0), 50);
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
    // A move with the buttons still held; sent directly, so it also reaches the view at points
    // outside it, as the pointer grab does for a real mouse.
    void ZieheAnsicht(QPoint v, Qt::MouseButtons gehalten = Qt::LeftButton) {
        QMouseEvent e(QEvent::MouseMove, QPointF(v), QPointF(F->Anzeige->mapToGlobal(v)),
                      Qt::NoButton, gehalten, Qt::NoModifier);
        QApplication::sendEvent(F->Anzeige, &e);
    }
    void Ziehe(TPunkt p, Qt::MouseButtons gehalten = Qt::LeftButton) {
        ZieheAnsicht(Ansicht(p), gehalten);
    }
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
        const QStringList sichtbar = Menue(p);
        EXPECT_TRUE(sichtbar.contains(eintrag)) << eintrag.toStdString() << " not offered";
    }
};

inline QString Grenztext() {
    return QString::fromUtf8("Die maximale Anzahl von Netzwerkanschlüssen ist erreicht.\r"
                             "Weitere Verbindungen sind nicht mehr möglich!");
}

} // namespace verbundo::test
