#include "ui/Anzeige.h"

#include "ui/uHaupt.h"

#include <QMouseEvent>
#include <QPainter>

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
}

void TAnzeige::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Form.AnzeigePaint(painter);
}

void TAnzeige::mousePressEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    const Qt::MouseButton button = event->button();
    Form.Ausfuehren([&] { Form.AnzeigeMouseDown(button, p.x(), p.y()); });
}

void TAnzeige::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    // A move redraws itself when it changes something; most change nothing.
    Form.Ausfuehren([&] { Form.AnzeigeMouseMove(p.x(), p.y()); }, false);
}

void TAnzeige::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = Punkt(event);
    const Qt::MouseButton button = event->button();
    Form.Ausfuehren([&] { Form.AnzeigeMouseUp(button, p.x(), p.y()); });
}

} // namespace verbundo
