// Never losing work: undo and redo, the caption with its unsaved mark, the question before
// unsaved changes go, and the recovery file.

#include "ui/Ablage.h"
#include "ui/Dialoge.h"
#include "ui/Wiederherstellung.h"
#include "ui/uHaupt.h"

#include "files/Sicherung.h"
#include "model/Fehler.h"

#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QSessionManager>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace verbundo {

namespace {

// A bent arrow pointing left (mirrored: right), drawn here rather than loaded.
QIcon Pfeil(bool rechts) {
    QImage bild(32, 32, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    if (rechts)
        p.setTransform(QTransform(-1, 0, 0, 1, 32, 0));
    QPainterPath bogen;
    bogen.moveTo(9, 13);
    bogen.cubicTo(20, 5, 30, 12, 27, 21);
    bogen.cubicTo(25, 27, 18, 28, 14, 26);
    p.setPen(QPen(QColor(0x1f, 0x66, 0xc9), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(bogen);
    p.setPen(QPen(QColor(0x24, 0x28, 0x2e), 1));
    p.setBrush(QColor(0x1f, 0x66, 0xc9));
    p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(13, 5), QPointF(14, 20)}));
    return QIcon(QPixmap::fromImage(bild));
}

long long Jetzt() {
    return QDateTime::currentMSecsSinceEpoch();
}

} // namespace

void TForm1::BaueVerlauf() {
    const auto knopf = [this](const char* name, int links, bool rechts, const QString& hinweis) {
        QToolButton* b = Werkzeugknopf(name, links, Pfeil(rechts), hinweis);
        b->setFocusPolicy(Qt::NoFocus);
        return b;
    };
    Rueckgaengig = knopf("ToolRueckgaengig", 553, false, QStringLiteral("Rückgängig"));
    Wiederholen = knopf("ToolWiederholen", 592, true, QStringLiteral("Wiederholen"));
    const auto zurueck = [this] {
        if (Editor().Rueckgaengig())
            ZeichneNetz();
    };
    const auto vor = [this] {
        if (Editor().Wiederholen())
            ZeichneNetz();
    };
    connect(Rueckgaengig, &QToolButton::clicked, this, zurueck);
    connect(Wiederholen, &QToolButton::clicked, this, vor);
    // Explicit keys: two shortcuts on one key would cancel each other out.
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this), &QShortcut::activated, this,
            zurueck);
    for (const QKeySequence& k :
         {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)})
        connect(new QShortcut(k, this), &QShortcut::activated, this, vor);

    Sicherungstimer = new QTimer(this);
    Sicherungstimer->setSingleShot(true);
    connect(Sicherungstimer, &QTimer::timeout, this, &TForm1::Sichere);
    Editor().SetBeiAenderung([this] { ZeigeVerlauf(); });
    ZeigeVerlauf();

#ifndef QT_NO_SESSIONMANAGER
    // The session ends: the question comes now, and the close that follows asks no more.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& m) {
        if (!m.allowsInteraction())
            return;
        if (Editor().DarfVerwerfen())
            Verworfen = true;
        else
            m.cancel();
        m.release();
    });
#endif
}

void TForm1::ZeigeVerlauf() {
    setWindowTitle(QString::fromStdString(Editor().Titel()));
    // Caught even during a gesture: the buttons then stay as they were.
    Rueckgaengig->setEnabled(Editor().KannRueckgaengig());
    Wiederholen->setEnabled(Editor().KannWiederholen());
    ZeigeAufgabe();
    if (!Sicherung)
        return;
    const auto e = Sicherungsplan.Geaendert(Editor().Ungespeichert(), Jetzt());
    if (e.Tun == TSicherungsplan::TTun::Entfernen) {
        Sicherungstimer->stop();
        Sicherung->Entferne();
    } else if (e.Tun == TSicherungsplan::TTun::Planen) {
        Sicherungstimer->start(static_cast<int>(e.In));
    }
}

void TForm1::Sichere() {
    if (!Sicherung || !Sicherungsplan.Faellig(Editor().Ungespeichert(), Jetzt()))
        return;
    try {
        Sicherung->Schreibe(Editor().Sicherungstext(), *Ablage);
    } catch (const std::exception&) {
        // A recovery file that cannot be written is not the learner's concern now; the next
        // change tries again.
    }
}

void TForm1::StarteWiederherstellung() {
    Sicherung = std::make_unique<TWiederherstellung>(TWiederherstellung::StandardOrdner());
    for (QString datei; !(datei = Sicherung->Verwaist()).isEmpty();) {
        const int a = Dialoge.Frage(this, QString::fromUtf8(Wiederherstellungsfrage),
                                    {QStringLiteral("Wiederherstellen"),
                                     QStringLiteral("Verwerfen"), QStringLiteral("Später")});
        if (a == 0) {
            std::string fehler;
            try {
                Editor().Wiederherstellen(OeffneSicherung(datei.toStdString()));
            } catch (const std::exception& e) {
                fehler = Fehlertext(e);
            } catch (...) {
                fehler = Fehlertext();
            }
            if (fehler.empty()) {
                Sicherung->Uebernimm();
                ZeichneNetz();
                break;
            }
            // Offered again at every start, a copy that cannot be read would stand in the way
            // for good: it is named, and may go.
            const int b = Dialoge.Frage(
                this,
                QStringLiteral("Die Wiederherstellungsdatei „%1“ kann nicht gelesen werden:\n%2")
                    .arg(QDir::toNativeSeparators(datei), QString::fromStdString(fehler)),
                {QStringLiteral("Verwerfen"), QStringLiteral("Behalten")});
            if (b != 0)
                break; // kept for the next start
            Sicherung->Verwirf();
            continue;
        }
        if (a != 1)
            break; // kept for the next start
        Sicherung->Verwirf();
    }
    ZeigeVerlauf();
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (!Verworfen && !Editor().DarfVerwerfen()) {
        e->ignore();
        return;
    }
    if (Sicherung)
        Sicherung->Entferne();
    e->accept();
}

} // namespace verbundo
