// The view onto Puffer: coordinates, zoom, scrolling, painting; the speed bar and the timer.

#include "ui/Anzeige.h"
#include "ui/uHaupt.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace verbundo {

namespace {

// v rounded to one significant digit, halves away from zero, without trailing zeros or
// exponent, with the user's decimal separator: 1.49 -> "1", 2.5 -> "3", 0.333 -> "0,3".
QString Faktor(double v) {
    if (!(v > 0.0))
        return QStringLiteral("0");
    int e = static_cast<int>(std::floor(std::log10(v)));
    long ziffer = std::lround(v / std::pow(10.0, e));
    if (ziffer >= 10) {
        ziffer = 1;
        ++e;
    }
    if (e >= 0)
        return QString::number(ziffer) + QString(e, QLatin1Char('0'));
    return QStringLiteral("0") + QLocale().decimalPoint() + QString(-e - 1, QLatin1Char('0')) +
           QString::number(ziffer);
}

// The labels grow with their text, as the layout's auto-sized labels did; they never shrink
// below their place in the layout.
void Beschrifte(QLabel* label, const QString& text, int breite) {
    label->setText(text);
    label->resize(std::max(breite, label->sizeHint().width()), label->height());
}

} // namespace

int TForm1::PufferX(int x) const {
    // The product in integers, the rest in floating point, the sum truncated toward zero.
    return static_cast<int>(SBHPosition->value() + (SBZoom->value() * x) / 100.0);
}

int TForm1::PufferY(int y) const {
    return static_cast<int>(SBVPosition->value() + (SBZoom->value() * y) / 100.0);
}

void TForm1::SetzeScrollMaxima() {
    // Far out, the view is wider than the surface; the bars then simply stand at 0.
    const int z = SBZoom->value();
    SBHPosition->setMaximum(std::max(0, Puffer.width() - Anzeige->width() * z / 100));
    SBVPosition->setMaximum(std::max(0, Puffer.height() - Anzeige->height() * z / 100));
}

void TForm1::AnzeigePaint(QPainter& painter) {
    const int z = SBZoom->value();
    const int sx = SBHPosition->value();
    const int sy = SBVPosition->value();
    const int vw = Anzeige->width();
    const int vh = Anzeige->height();
    const QRect quelle(sx, sy, vw * z / 100, vh * z / 100);
    const QRect teil = quelle & Puffer.rect();
    if (teil != quelle)
        painter.fillRect(Anzeige->rect(), palette().color(QPalette::Window));
    if (teil.isEmpty())
        return;

    const QPoint ziel((teil.x() - sx) * vw / quelle.width(),
                      (teil.y() - sy) * vh / quelle.height());
    if (z == 100) {
        painter.drawImage(ziel, Puffer, teil);
        return;
    }
    // A view of the visible part without copying it, reduced with averaging.
    const QImage ausschnitt(Puffer.constBits() + teil.y() * Puffer.bytesPerLine() +
                                teil.x() * (Puffer.depth() / 8),
                            teil.width(), teil.height(), Puffer.bytesPerLine(), Puffer.format());
    const QSize groesse(teil.width() * vw / quelle.width(), teil.height() * vh / quelle.height());
    painter.drawImage(ziel,
                      ausschnitt.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TForm1::SBZoomChange() {
    Beschrifte(LZoom, QStringLiteral("Zoomfaktor ") + Faktor(SBZoom->value() / 100.0) + "x", 84);
    SetzeScrollMaxima();
    Anzeige->repaint();
}

void TForm1::SBTimeChange() {
    // setInterval restarts a running timer's period.
    Timer1->setInterval(SBTime->value());
    Beschrifte(LGeschw, QStringLiteral("Geschwindigkeit ") + Faktor(200.0 / SBTime->value()) + "x",
               114);
}

void TForm1::SBHPositionChange() {
    Anzeige->repaint();
}

void TForm1::SBVPositionChange() {
    Anzeige->repaint();
}

void TForm1::Timer1Timer() {
    // A tick without messages changes nothing: the picture is redrawn only if a command left
    // it out of date.
    const bool unterwegs = Nachrichtenliste.Count() > 0;
    Nachrichtenliste.Takt();
    if (unterwegs || BildVeraltet)
        ZeichneNetz();
}

void TForm1::BBeendenClick() {
    close();
}

TWerkzeug TForm1::Werkzeug() const {
    return static_cast<TWerkzeug>(Werkzeuge->checkedId());
}

void TForm1::SetWerkzeug(TWerkzeug w) {
    Werkzeuge->button(static_cast<int>(w))->setChecked(true);
}

} // namespace verbundo
