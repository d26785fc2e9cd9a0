// Keys, the wheel, the window's shortcuts, the help page, the two picture buttons, and the
// controls that follow a larger window.

#include "model/Fehler.h"
#include "ui/Anzeige.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace verbundo {

namespace {

// At the layout's size everything stands where the layout puts it. A larger window gives the
// view the extra room and takes the right-hand column along with the right edge; a smaller one
// moves nothing.
class TMitwachsen : public QObject {
public:
    TMitwachsen(QWidget* form, std::function<void()> danach)
        : QObject(form), Form(form), Grund(form->size()), Danach(std::move(danach)) {}

    void Anker(QWidget* w, bool rechts, bool unten, bool breiter, bool hoeher) {
        Teile.push_back({w, w->geometry(), rechts, unten, breiter, hoeher});
    }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (o != Form || e->type() != QEvent::Resize)
            return false;
        const int dx = std::max(0, Form->width() - Grund.width());
        const int dy = std::max(0, Form->height() - Grund.height());
        for (const TTeil& t : Teile)
            t.W->setGeometry(t.Grund.x() + (t.Rechts ? dx : 0), t.Grund.y() + (t.Unten ? dy : 0),
                             t.Grund.width() + (t.Breiter ? dx : 0),
                             t.Grund.height() + (t.Hoeher ? dy : 0));
        Danach();
        return false;
    }

private:
    struct TTeil {
        QWidget* W;
        QRect Grund;
        bool Rechts, Unten, Breiter, Hoeher;
    };
    QWidget* Form;
    QSize Grund;
    std::function<void()> Danach;
    std::vector<TTeil> Teile;
};

} // namespace

void TForm1::BaueKomfort() {
    const auto knopf = [this](const char* name, int links, int bild, const char* hinweis) {
        return Werkzeugknopf(name, links, QIcon(QStringLiteral(":/werkzeuge/tb%1.png").arg(bild)),
                             QString::fromUtf8(hinweis));
    };
    connect(knopf("BExport", 631, 10, "Bild exportieren"), &QToolButton::clicked, this,
            &TForm1::BildExportieren);
    connect(knopf("BDrucken", 670, 11, "Drucken"), &QToolButton::clicked, this, &TForm1::Drucken);

    // Window shortcuts; not in the middle of a gesture, and a text field keeps the keys it uses.
    const auto kurz = [this](QKeyCombination taste, std::function<void()> tun) {
        auto* s = new QShortcut(QKeySequence(taste), this);
        connect(s, &QShortcut::activated, this, [this, tun] {
            if (Editor().Modus() == TModus::Leerlauf)
                tun();
        });
    };
    kurz(Qt::CTRL | Qt::Key_O, [this] { ToolButton5Click(ToolButton5); });
    kurz(Qt::CTRL | Qt::Key_S, [this] { ToolButton6Click(); });
    kurz(Qt::CTRL | Qt::Key_E, [this] { BildExportieren(); });
    kurz(Qt::CTRL | Qt::Key_P, [this] { Drucken(); });
    kurz(QKeyCombination(Qt::Key_F1), [this] { HilfeZeigen(); });

    auto* wachsen = new TMitwachsen(this, [this] { SetzeScrollMaxima(); });
    wachsen->Anker(Anzeige, false, false, true, true);
    wachsen->Anker(SBHPosition, false, true, true, false);
    wachsen->Anker(SBVPosition, true, false, false, true);
    for (QWidget* w : {static_cast<QWidget*>(GEinstellungen), static_cast<QWidget*>(RoutingTabelle),
                       static_cast<QWidget*>(ListBox1), static_cast<QWidget*>(GroupBox1)})
        wachsen->Anker(w, true, false, false, false);
    // "Beenden" stays in the bottom right-hand corner.
    wachsen->Anker(BBeenden, true, true, false, false);
    installEventFilter(wachsen);
}

void TForm1::HilfeZeigen() {
    // Beside the icons: in the working folder, else where the program is installed.
    for (const QString& ordner : {QDir::currentPath(), QStringLiteral(VERBUNDO_DATADIR)}) {
        const QString pfad = QDir(ordner).filePath(QStringLiteral("hilfe.html"));
        if (QFileInfo(pfad).isFile()) {
            // Without a browser nothing at all would happen; the path lets the teacher open
            // the page by hand.
            if (!Starter.Oeffne(pfad))
                Dialoge.Information(
                    this, QStringLiteral("Die Hilfe konnte nicht geöffnet werden: ") +
                              QString::fromStdString(
                                  Sichtbar(QDir::toNativeSeparators(pfad).toStdString())));
            return;
        }
    }
    Dialoge.Information(this, QStringLiteral("Die Hilfeseite „hilfe.html“ ist nicht installiert."));
}

void TForm1::AnzeigeRad(int dx, int dy, bool zoomen, const QPoint& zeiger) {
    if (!zoomen) {
        const TAnsicht a = Ansicht().Gerollt(dx, dy);
        SBHPosition->setValue(a.SX);
        SBVPosition->setValue(a.SY);
        return;
    }
    const TAnsicht a = Ansicht().Gezoomt(RadZoom(SBZoom->value(), dy), zeiger.x(), zeiger.y());
    // The zoom bar sets its label and the maxima first; then the point goes back under the
    // pointer.
    SBZoom->setValue(a.Zoom);
    SBHPosition->setValue(a.SX);
    SBVPosition->setValue(a.SY);
}

bool TForm1::AnzeigeTaste(int taste) {
    if (taste == Qt::Key_Escape) {
        Reagiere(Editor().Abbrechen());
        ZeigeAufgabe(); // Esc also ends picking a new check's devices
        return true;
    }
    if (taste == Qt::Key_Delete) {
        if (Editor().Modus() == TModus::Leerlauf && Editor().Sichtbar(TMenuepunkt::Loeschen))
            MenueClick(TMenuepunkt::Loeschen);
        return true;
    }
    return false;
}

} // namespace verbundo
