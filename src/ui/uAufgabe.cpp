// The task panel: a tool window beside the main window, so no control of the main window
// moves. It shows what the editor's task reports and turns its buttons into editor calls.

#include "ui/uHaupt.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace verbundo {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A clipboard with a tick, for the tool bar.
QIcon Klemmbrett() {
    QImage bild(32, 32, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x24, 0x28, 0x2e), 1.5));
    p.setBrush(QColor(0xf4, 0xe3, 0xb5));
    p.drawRoundedRect(QRectF(6.5, 4.5, 19, 25), 2, 2);
    p.setBrush(QColor(0x8a, 0x8f, 0x98));
    p.drawRoundedRect(QRectF(11.5, 2.5, 9, 5), 1.5, 1.5);
    p.setPen(QPen(QColor(0x1b, 0x8a, 0x3a), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath haken;
    haken.moveTo(10, 18);
    haken.lineTo(14.5, 23);
    haken.lineTo(22, 12);
    p.setBrush(Qt::NoBrush);
    p.drawPath(haken);
    return QIcon(QPixmap::fromImage(bild));
}

// A mark for a checklist line: met (tick), not met (cross), not checked yet (circle).
QIcon Marke(int erfuellt) {
    QImage bild(16, 16, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    if (erfuellt < 0) {
        p.setPen(QPen(QColor(0x8a, 0x8f, 0x98), 1.5));
        p.drawEllipse(QRectF(3, 3, 10, 10));
    } else if (erfuellt) {
        p.setPen(QPen(QColor(0x1b, 0x8a, 0x3a), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
    } else {
        p.setPen(QPen(QColor(0xc6, 0x28, 0x28), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(4, 4), QPointF(12, 12));
        p.drawLine(QPointF(12, 4), QPointF(4, 12));
    }
    return QIcon(QPixmap::fromImage(bild));
}

QPushButton* Taste(QWidget* eltern, const char* name, const QString& text) {
    auto* b = new QPushButton(text, eltern);
    b->setObjectName(QLatin1String(name));
    return b;
}

// Shows TAufgabenansicht; refreshed after its own buttons, every change of the history and
// every press on the canvas and Esc (rebuilt only when something differs).
class TAufgabenfenster : public QWidget {
public:
    // zeige: brings a surface point into view.
    TAufgabenfenster(TForm1* form, QToolButton* knopf, std::function<void(TPunkt)> zeige)
        : QWidget(form, Qt::Tool), Form(form), Knopf(knopf), ZeigeStelle(std::move(zeige)) {
        setObjectName(QStringLiteral("Aufgabenfenster"));
        setWindowTitle(QStringLiteral("Aufgabe"));
        resize(400, 585);
        Text = new QPlainTextEdit(this);
        Text->setObjectName(QStringLiteral("Aufgabentext"));
        Text->setReadOnly(true);
        Text->setMaximumHeight(120);
        Liste = new QListWidget(this);
        Liste->setObjectName(QStringLiteral("Pruefliste"));
        Liste->setWordWrap(true);
        Liste->setTextElideMode(Qt::ElideNone);
        Pruefen = Taste(this, "BAufgabePruefen", QStringLiteral("Aufgabe prüfen"));
        Punkte = new QLabel(this);
        Punkte->setObjectName(QStringLiteral("LPunkte"));
        Bearbeiten = Taste(this, "BAufgabeBearbeiten", QStringLiteral("Aufgabe bearbeiten"));
        Bearbeiten->setCheckable(true);

        Lehrer = new QWidget(this);
        auto* textKnopf = Taste(Lehrer, "BAufgabentext", QStringLiteral("Text …"));
        auto* neu = Taste(Lehrer, "BNeuerPruefpunkt", QStringLiteral("Prüfpunkt +"));
        auto* menue = new QMenu(neu);
        const char* const arten[PruefartAnzahl] = {
            "Konfiguration fehlerfrei", "Nachricht erreicht Ziel", "Adresse eines Geräts",
            "Geräte verbunden", "Mindestanzahl von Geräten"};
        for (int i = 0; i < PruefartAnzahl; ++i)
            menue->addAction(QString::fromUtf8(arten[i]), this, [this, i] {
                Aufgaben().Neu(static_cast<TPruefart>(i));
                Geaendert();
            });
        neu->setMenu(menue);
        auto* punkte = Taste(Lehrer, "BPunkte", QStringLiteral("Punkte …"));
        auto* entfernen = Taste(Lehrer, "BPruefpunktEntfernen", QStringLiteral("Entfernen"));
        auto* vorgabe = Taste(Lehrer, "BVorgabe", QStringLiteral("Gerät vorgeben"));
        vorgabe->setToolTip(QStringLiteral("Das gewählte Gerät wird vorgegeben (oder nicht mehr): "
                                           "Die Lernenden können es nicht löschen."));
        Hinweis = new QLabel(Lehrer);
        Hinweis->setObjectName(QStringLiteral("LHinweis"));
        Hinweis->setWordWrap(true);
        auto* abbrechen = Taste(Lehrer, "BWahlAbbrechen", QStringLiteral("Abbrechen"));
        auto* reihe1 = new QHBoxLayout;
        for (QPushButton* w : {textKnopf, neu, punkte, entfernen})
            reihe1->addWidget(w);
        auto* reihe2 = new QHBoxLayout;
        reihe2->addWidget(vorgabe);
        reihe2->addStretch();
        auto* reihe3 = new QHBoxLayout;
        reihe3->addWidget(Hinweis, 1);
        reihe3->addWidget(abbrechen);
        auto* lehrer = new QVBoxLayout(Lehrer);
        lehrer->setContentsMargins(0, 0, 0, 0);
        lehrer->addLayout(reihe1);
        lehrer->addLayout(reihe2);
        lehrer->addLayout(reihe3);
        Lehrer->hide();
        Abbrechen = abbrechen;

        auto* unten = new QHBoxLayout;
        unten->addWidget(Pruefen);
        unten->addWidget(Punkte, 1);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(6, 6, 6, 6);
        layout->addWidget(Text);
        layout->addWidget(Liste, 1);
        layout->addLayout(unten);
        layout->addWidget(Bearbeiten);
        layout->addWidget(Lehrer);

        connect(Pruefen, &QPushButton::clicked, this, [this] {
            Aufgaben().Pruefe();
            Geaendert();
        });
        connect(Bearbeiten, &QPushButton::toggled, Lehrer, &QWidget::setVisible);
        connect(textKnopf, &QPushButton::clicked, this, [this] {
            Aufgaben().FrageText();
            Geaendert();
        });
        connect(punkte, &QPushButton::clicked, this, [this] {
            if (Liste->currentRow() >= 0)
                Aufgaben().FragePunkte(static_cast<std::size_t>(Liste->currentRow()));
            Geaendert();
        });
        connect(entfernen, &QPushButton::clicked, this, [this] {
            if (Liste->currentRow() >= 0)
                Aufgaben().Entferne(static_cast<std::size_t>(Liste->currentRow()));
            Geaendert();
        });
        connect(vorgabe, &QPushButton::clicked, this, [this] {
            Aufgaben().SchalteVorgabe();
            Geaendert();
        });
        connect(abbrechen, &QPushButton::clicked, this, [this] {
            Aufgaben().BrichAb();
            Geaendert();
        });
        // A click on a check shows its devices on the canvas.
        connect(Liste, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            if (const auto punkt = Aufgaben().Zeige(static_cast<std::size_t>(Liste->row(item))))
                ZeigeStelle(*punkt);
        });
        Hole();
    }

    // Takes what the editor reports; a task that appears (a task file opened) opens the panel.
    void Hole() {
        const bool vorhanden = Aufgaben().Aufgabe() != nullptr;
        if (vorhanden && !HatteAufgabe && !isVisible())
            Knopf->setChecked(true);
        HatteAufgabe = vorhanden;
        if (!isVisible())
            return;
        Zeige(Aufgaben().Ansicht());
    }

protected:
    // Closed by its own title bar: the button comes up again.
    void hideEvent(QHideEvent* e) override {
        QWidget::hideEvent(e);
        Knopf->setChecked(false);
    }
    void showEvent(QShowEvent* e) override {
        QWidget::showEvent(e);
        Hole();
    }

private:
    TAufgabenEditor& Aufgaben() { return Form->Editor().Aufgaben(); }

    void Geaendert() {
        Hole();
        Form->ZeichneNetz();
    }

    void Zeige(const TAufgabenansicht& a) {
        std::string kennung = a.Text + '\0' + a.Punkte + '\0' + a.Hinweis;
        for (const TPruefzeile& z : a.Zeilen)
            kennung += '\0' + z.Text + char('1' + z.Erfuellt) + z.Grund;
        if (kennung == Gezeigt && a.Vorhanden == GezeigtVorhanden)
            return;
        Gezeigt = kennung;
        GezeigtVorhanden = a.Vorhanden;
        Text->setPlainText(a.Vorhanden ? Q(a.Text)
                                       : QStringLiteral("Dieses Netz hat keine Aufgabe. Mit "
                                                        "„Aufgabe bearbeiten“ entsteht eine."));
        const int zeile = Liste->currentRow();
        Liste->clear();
        for (const TPruefzeile& z : a.Zeilen) {
            QString t = Q(z.Text);
            if (!z.Grund.empty())
                t += QStringLiteral("\n\u2192 ") + Q(z.Grund);
            auto* item = new QListWidgetItem(Marke(z.Erfuellt), t, Liste);
            item->setToolTip(Q(z.Grund));
            if (z.Erfuellt == 0)
                item->setForeground(QColor(0xa0, 0x1c, 0x1c));
        }
        if (zeile >= 0 && zeile < Liste->count())
            Liste->setCurrentRow(zeile);
        Punkte->setText(Q(a.Punkte));
        Pruefen->setEnabled(a.Vorhanden);
        Hinweis->setText(Q(a.Hinweis));
        Abbrechen->setVisible(!a.Hinweis.empty());
        // Picking needs the canvas: the editing part stays open while it runs.
        if (!a.Hinweis.empty())
            Bearbeiten->setChecked(true);
    }

    TForm1* Form;
    QToolButton* Knopf;
    std::function<void(TPunkt)> ZeigeStelle;
    QPlainTextEdit* Text = nullptr;
    QListWidget* Liste = nullptr;
    QPushButton* Pruefen = nullptr;
    QLabel* Punkte = nullptr;
    QPushButton* Bearbeiten = nullptr;
    QWidget* Lehrer = nullptr;
    QLabel* Hinweis = nullptr;
    QPushButton* Abbrechen = nullptr;
    std::string Gezeigt;
    bool GezeigtVorhanden = false, HatteAufgabe = false;
};

} // namespace

void TForm1::ZeigeAufgabe() {
    if (Aufgabenfenster)
        static_cast<TAufgabenfenster*>(Aufgabenfenster)->Hole();
}

void TForm1::BaueAufgabe() {
    BAufgabe = Werkzeugknopf("BAufgabe", 748, Klemmbrett(), QStringLiteral("Aufgabe"));
    BAufgabe->setCheckable(true);
    auto* fenster =
        new TAufgabenfenster(this, BAufgabe, [this](TPunkt punkt) { ZeigeStelle(punkt); });
    Aufgabenfenster = fenster;
    connect(BAufgabe, &QToolButton::toggled, fenster, [this, fenster](bool an) {
        if (an && !fenster->isVisible()) {
            // Beside the main window, where it hides nothing of it; on a screen too narrow for
            // that, at the screen's edge rather than off it (measured shown, with its frame).
            fenster->move(frameGeometry().right() + 4, frameGeometry().top());
            fenster->show();
            if (const QScreen* schirm = screen()) {
                const QRect frei = schirm->availableGeometry();
                QRect r = fenster->frameGeometry();
                r.moveRight(std::min(r.right(), frei.right()));
                r.moveBottom(std::min(r.bottom(), frei.bottom()));
                r.moveLeft(std::max(r.left(), frei.left()));
                r.moveTop(std::max(r.top(), frei.top()));
                fenster->move(r.topLeft());
            }
        } else if (!an) {
            fenster->hide();
        }
    });
}

} // namespace verbundo
