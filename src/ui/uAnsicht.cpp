// The view onto Puffer: drawing, coordinates, zoom, scrolling, painting, the mouse; the speed
// bar and the timer.

#include "ui/Anzeige.h"
#include "ui/Dialoge.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"
#include "ui/uHaupt.h"

#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace verbundo {

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

// The user's decimal separator, for the factors in the labels.
char Dezimal() {
    return QLocale().decimalPoint().at(0).toLatin1();
}

// The labels grow with their text, as the layout's auto-sized labels did; they never shrink
// below their place in the layout.
void Beschrifte(QLabel* label, const QString& text, int breite) {
    label->setText(text);
    label->resize(std::max(breite, label->sizeHint().width()), label->height());
}

TTaste Taste(Qt::MouseButton button) {
    if (button == Qt::LeftButton)
        return TTaste::Links;
    return button == Qt::RightButton ? TTaste::Rechts : TTaste::Mitte;
}

// On a screen of device pixel ratio 2 the surface has twice the pixels each way, so lines,
// labels and icons stay sharp; positions stay in surface pixels.
int Verhaeltnis(const QWidget* anzeige) {
    return anzeige->devicePixelRatio() > 1.25 ? 2 : 1;
}

} // namespace

void TForm1::ZeichneNetz() {
    const int v = Verhaeltnis(Anzeige);
    if (Puffer.devicePixelRatio() != v) {
        Puffer = QImage(3000 * v, 3000 * v, QImage::Format_RGB32);
        Puffer.setDevicePixelRatio(v);
    }
    {
        QPainter painter(&Puffer);
        TPufferLeinwand c(painter, Puffer, Bilder, *Texte);
        Editor().Zeichne(c);
    }
    Gezeichnet.Gezeichnet(Editor());
    Anzeige->repaint();
}

void TForm1::Reagiere(const TReaktion& r) {
    if (r.Neuzeichnen)
        ZeichneNetz();
    ZeigeWerkzeug();
}

void TForm1::AnzeigeMouseDown(Qt::MouseButton button, int x, int y) {
    Reagiere(Editor().Druecke(Taste(button), PufferX(x), PufferY(y)));
    // A press may pick a new check's device: the panel then asks for the next one.
    ZeigeAufgabe();
}

void TForm1::AnzeigeMouseMove(int x, int y) {
    Reagiere(Editor().Bewege(PufferX(x), PufferY(y)));
}

void TForm1::AnzeigeMouseUp(Qt::MouseButton button, int x, int y) {
    const TReaktion r = Editor().Lasse(Taste(button), PufferX(x), PufferY(y));
    Reagiere(r);
    // The menu opens only for a release over the view.
    if (r.Kontextmenue && Anzeige->rect().contains(x, y)) {
        ComputerPopUpPopup();
        Dialoge.Menue(ComputerPopUp, Anzeige->mapToGlobal(QPoint(x, y)));
    }
}

TAnsicht TForm1::Ansicht() const {
    return {SBZoom->value(), SBHPosition->value(), SBVPosition->value(), Anzeige->width(),
            Anzeige->height()};
}

int TForm1::PufferX(int x) const {
    return Ansicht().PufferX(x);
}

int TForm1::PufferY(int y) const {
    return Ansicht().PufferY(y);
}

void TForm1::SetzeScrollMaxima() {
    SBHPosition->setMaximum(Ansicht().MaxX());
    SBVPosition->setMaximum(Ansicht().MaxY());
}

void TForm1::AnzeigePaint(QPainter& painter) {
    const int z = SBZoom->value();
    const int sx = SBHPosition->value();
    const int sy = SBVPosition->value();
    const int vw = Anzeige->width();
    const int vh = Anzeige->height();
    const QRect quelle(sx, sy, vw * z / 100, vh * z / 100);
    // Puffer's pixels: v of them per surface pixel each way.
    const int v = static_cast<int>(Puffer.devicePixelRatio());
    const QRect teil = quelle & QRect(QPoint(0, 0), Puffer.size() / v);
    if (teil != quelle)
        painter.fillRect(Anzeige->rect(), palette().color(QPalette::Window));
    if (teil.isEmpty())
        return;

    const QPoint ziel((teil.x() - sx) * vw / quelle.width(),
                      (teil.y() - sy) * vh / quelle.height());
    const QRect pixel(teil.topLeft() * v, teil.size() * v);
    if (z == 100) {
        painter.drawImage(ziel, Puffer, pixel);
        return;
    }
    // A view of the visible part without copying it, reduced with averaging.
    const QImage ausschnitt(Puffer.constBits() + pixel.y() * Puffer.bytesPerLine() +
                                pixel.x() * (Puffer.depth() / 8),
                            pixel.width(), pixel.height(), Puffer.bytesPerLine(), Puffer.format());
    const QSize groesse(teil.width() * vw / quelle.width(), teil.height() * vh / quelle.height());
    QImage klein = ausschnitt.scaled(groesse * v, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    klein.setDevicePixelRatio(v);
    painter.drawImage(ziel, klein);
}

void TForm1::SBZoomChange() {
    Beschrifte(LZoom, Text(ZoomText(SBZoom->value(), Dezimal())), 84);
    SetzeScrollMaxima();
    Anzeige->repaint();
}

void TForm1::SBTimeChange() {
    // setInterval restarts a running timer's period.
    Timer1->setInterval(SBTime->value());
    Beschrifte(LGeschw, Text(GeschwindigkeitText(SBTime->value(), Dezimal())), 114);
}

void TForm1::Timer1Timer() {
    Editor().Takt();
    if (Gezeichnet.Veraltet(Editor()) || Puffer.devicePixelRatio() != Verhaeltnis(Anzeige))
        ZeichneNetz();
}

} // namespace verbundo
