#include "ui/Anzeige.h"

#include "ui/uHaupt.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace verbundo {

namespace {

QPoint Punkt(const QMouseEvent* event) {
    // Floor, not round: a pointer anywhere on a pixel names that pixel.
    const QPointF p = event->position();
    return {static_cast<int>(std::floor(p.x())), static_cast<int>(std::floor(p.y()))};
}

} // namespace

TAnzeige::TAnzeige(TForm1& form, QWidget* parent) : QWidget(parent), Form(form) {
    // Every pixel is painted, so nothing needs erasing first: no flicker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // Right-button release opens the form's own menu; Qt's context-menu event must not.
    setContextMenuPolicy(Qt::PreventContextMenu);
    // Keys typed while drawing go to the drawing, not to "Beenden" (space would quit).
    setFocusPolicy(Qt::ClickFocus);
}

void TAnzeige::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Form.AnzeigePaint(painter);
}

void TAnzeige::mousePressEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    const Qt::MouseButton button = event->button();
    Form.AnzeigeMouseDown(button, p.x(), p.y());
}

void TAnzeige::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    Form.AnzeigeMouseMove(p.x(), p.y());
}

void TAnzeige::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    const Qt::MouseButton button = event->button();
    Form.AnzeigeMouseUp(button, p.x(), p.y());
}

void TAnzeige::wheelEvent(QWheelEvent* event) {
    const QPoint winkel = event->angleDelta();
    const QPoint p = event->position().toPoint();
    if (event->modifiers() & Qt::ControlModifier) {
        const int rasten = Rastung.Rasten(winkel.y() != 0 ? winkel.y() : winkel.x());
        if (rasten != 0)
            Form.AnzeigeRad(0, rasten, true, p);
        event->accept();
        return;
    }
    // A touchpad gives pixels; a wheel notch (120) scrolls its lines of 20 pixels.
    QPoint d = event->pixelDelta();
    if (d.isNull())
        d = winkel * QApplication::wheelScrollLines() / 6;
    // Shift turns the wheel sideways, unless the system has done so already.
    if ((event->modifiers() & Qt::ShiftModifier) && d.x() == 0)
        d = QPoint(d.y(), 0);
    Form.AnzeigeRad(d.x(), d.y(), false, p);
    event->accept();
}

void TAnzeige::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier && Form.AnzeigeTaste(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

} // namespace verbundo
