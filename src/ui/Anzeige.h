#pragma once

#include "edit/Ansicht.h"

#include <QWidget>

namespace verbundo {

class TForm1;

// The view: an opaque widget that shows the visible part of the form's surface and hands every
// mouse event, with or without a button held, to the form in view coordinates.
class TAnzeige : public QWidget {
    Q_OBJECT
public:
    TAnzeige(TForm1& form, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TForm1& Form;
    TRastung Rastung;
};

} // namespace verbundo
