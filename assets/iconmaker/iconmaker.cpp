// iconmaker: draws all of Verbundo's pictures with QPainter and writes them
// into the directory given as the first argument.
//
// Shapes use 1 px outlines on half-pixel coordinates so edges stay crisp at
// the tiny sizes the program shows them in.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPolygonF>
#include <QtMath>

#include <cmath>
#include <cstdio>
#include <functional>

namespace {

const QColor kInk(0x24, 0x28, 0x2e);
const QColor kCase(0xdc, 0xe1, 0xe7);
const QColor kBlueLight(0x6c, 0xbc, 0xff);
const QColor kBlueDark(0x1f, 0x66, 0xc9);
const QColor kGreen(0x2c, 0xc9, 0x4a);
const QColor kPaper(0xff, 0xff, 0xff);

QLinearGradient vgrad(qreal y0, qreal y1, const QColor& top, const QColor& bottom)
{
    QLinearGradient g(0, y0, 0, y1);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

void outlined(QPainter& p, const QBrush& fill)
{
    p.setPen(QPen(kInk, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(fill);
}

void rect(QPainter& p, const QRectF& r, const QBrush& fill, qreal radius = 0)
{
    outlined(p, fill);
    if (radius > 0)
        p.drawRoundedRect(r, radius, radius);
    else
        p.drawRect(r);
}

void poly(QPainter& p, const QPolygonF& shape, const QBrush& fill)
{
    outlined(p, fill);
    p.drawPolygon(shape);
}

// Flat fills on whole pixels, for detail that must not blur.
void dots(QPainter& p, const QColor& c, std::initializer_list<QRect> rs)
{
    for (const QRect& r : rs)
        p.fillRect(r, c);
}

// Arrow outline: the spine is stroked to a shaft, the head goes from the
// spine's end to tip. Returned as one path so it gets a single outline.
QPainterPath arrowPath(const QPainterPath& spine, QPointF tip, qreal width)
{
    const QPointF base = spine.currentPosition();
    QPointF d = tip - base;
    d /= std::hypot(d.x(), d.y());
    const QPointF n(-d.y(), d.x());
    const qreal half = width * 1.7;
    QPainterPath head;
    head.addPolygon(QPolygonF{base + n * half, tip, base - n * half, base + n * half});
    QPainterPathStroker s;
    s.setWidth(width);
    s.setCapStyle(Qt::FlatCap);
    s.setJoinStyle(Qt::RoundJoin);
    return s.createStroke(spine).united(head).simplified();
}

QPainterPath straightArrow(QPointF from, QPointF tip, qreal width, qreal headLen)
{
    QPointF d = tip - from;
    d /= std::hypot(d.x(), d.y());
    QPainterPath spine(from);
    spine.lineTo(tip - d * headLen);
    return arrowPath(spine, tip, width);
}

// ---- shared parts ---------------------------------------------------------

void computer(QPainter& p)
{
    rect(p, {1.5, 1.5, 29, 20}, kCase, 2);
    rect(p, {4.5, 4.5, 23, 14}, vgrad(4, 18, kBlueLight, kBlueDark));
    p.fillRect(QRectF(5, 5, 22, 2), QColor(255, 255, 255, 60)); // glare
    rect(p, {13.5, 21.5, 5, 3}, kCase);
    poly(p, {{{4.5, 24.5}, {27.5, 24.5}, {30.5, 29.5}, {1.5, 29.5}}}, kCase);
    for (int x = 5; x <= 25; x += 3)
        dots(p, QColor(0x7d, 0x86, 0x92), {QRect(x, 26, 2, 1), QRect(x - 1, 28, 2, 1)});
}

// A switch front of w x h pixels at (x, y) with a slanted lid above it.
void switchBox(QPainter& p, int x, int y, int w, int h, int lid, int ports)
{
    const qreal l = x + 0.5, t = y + 0.5, r = x + w - 0.5, b = y + h - 0.5;
    poly(p, {{{l + lid, t - lid}, {r - lid, t - lid}, {r, t}, {l, t}}}, QColor(0x8e, 0xc1, 0xf5));
    rect(p, QRectF(QPointF(l, t), QPointF(r, b)), vgrad(t, b, QColor(0x45, 0x93, 0xe6), QColor(0x22, 0x63, 0xb8)));
    const int first = x + (w - (ports * 4 - 1)) / 2;
    const int ledY = y + h / 2 - 3;
    for (int i = 0; i < ports; ++i) {
        const int px = first + i * 4;
        dots(p, QColor(0x7dff8c), {QRect(px, ledY, 3, 2)});
        dots(p, QColor(0x14, 0x18, 0x1e), {QRect(px, ledY + 3, 3, 3)});
    }
}

void printer(QPainter& p)
{
    rect(p, {8.5, 1.5, 15, 11}, kPaper);
    rect(p, {1.5, 9.5, 29, 16}, vgrad(9, 26, QColor(0xa9, 0xb6, 0xc6), QColor(0x6f, 0x7f, 0x94)), 2);
    rect(p, {1.5, 9.5, 29, 4}, QColor(0xc6, 0xd0, 0xdc), 1.5);
    dots(p, kGreen, {QRect(25, 15, 3, 2)});
    dots(p, kInk, {QRect(5, 19, 22, 1)}); // output slot
    rect(p, {7.5, 19.5, 17, 11}, kPaper);
    dots(p, QColor(0x6a, 0x74, 0x82), {QRect(10, 23, 12, 1), QRect(10, 25, 12, 1), QRect(10, 27, 8, 1)});
}

void router(QPainter& p)
{
    const QRectF top(1.5, 2.5, 29, 18), bottom(1.5, 11.5, 29, 18);
    QPainterPath side;
    side.moveTo(top.left(), top.center().y());
    side.arcTo(bottom, 180, 180);
    side.lineTo(top.right(), top.center().y());
    side.closeSubpath();
    outlined(p, QColor(0x1b, 0x57, 0xa6));
    p.drawPath(side);
    outlined(p, vgrad(2, 20, QColor(0x6a, 0xb8, 0xff), QColor(0x2f, 0x80, 0xe0)));
    p.drawEllipse(top);
    // Classic router mark: two arrows leave the centre, two point at it.
    const QPointF c = top.center();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPointF v : {QPointF(10.5, -5), QPointF(-10.5, 5)})
        p.drawPath(straightArrow(c + v * 0.12, c + v, 2.4, 4));
    for (const QPointF v : {QPointF(-10.5, -5), QPointF(10.5, 5)})
        p.drawPath(straightArrow(c + v * 1.05, c + v * 0.3, 2.4, 4));
}

void envelope(QPainter& p, const QRectF& r)
{
    rect(p, r, Qt::white);
    QPainterPath flap(r.topLeft());
    flap.lineTo(r.center().x(), r.center().y() + 1);
    flap.lineTo(r.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
}

void folderWithArrow(QPainter& p)
{
    poly(p, {{{2.5, 9.5}, {9.5, 9.5}, {11.5, 11.5}, {23.5, 11.5}, {23.5, 28.5}, {2.5, 28.5}}}, QColor(0xe0, 0xa4, 0x1c));
    poly(p, {{{7.5, 16.5}, {30.5, 16.5}, {25.5, 28.5}, {2.5, 28.5}}}, vgrad(16, 29, QColor(0xff, 0xd9, 0x5e), QColor(0xf7, 0xb7, 0x2a)));
    QPainterPath spine(QPointF(13, 20));
    spine.cubicTo(QPointF(13, 11), QPointF(17, 7), QPointF(23, 6));
    outlined(p, vgrad(2, 20, QColor(0x5e, 0xdc, 0x6e), QColor(0x1f, 0x9a, 0x3a)));
    p.drawPath(arrowPath(spine, QPointF(30, 5), 3.2));
}

void smallMonitor(QPainter& p, int x, int y)
{
    rect(p, QRectF(x + 0.5, y + 0.5, 10, 7), kCase, 1);
    p.fillRect(QRect(x + 2, y + 2, 7, 4), kBlueDark);
    rect(p, QRectF(x + 2.5, y + 8.5, 6, 1), kCase);
}

// ---- device icons: opaque, white background ------------------------------

void drawComputer(QPainter& p) { computer(p); }

void drawMailServer(QPainter& p)
{
    computer(p);
    envelope(p, {8.5, 6.5, 15, 10});
}

void drawSwitch(QPainter& p) { switchBox(p, 1, 12, 30, 14, 5, 6); }

void drawDocument(QPainter& p)
{
    poly(p, {{{3.5, 1.5}, {9.5, 1.5}, {12.5, 4.5}, {12.5, 14.5}, {3.5, 14.5}}}, QColor(0xff, 0xf2, 0xa6));
    poly(p, {{{9.5, 1.5}, {9.5, 4.5}, {12.5, 4.5}}}, QColor(0xe3, 0xc8, 0x5a));
    dots(p, QColor(0x6b, 0x5e, 0x38), {QRect(5, 6, 6, 1), QRect(5, 8, 6, 1), QRect(5, 10, 6, 1), QRect(5, 12, 4, 1)});
}

// ---- tool-bar images: transparent background -----------------------------

void drawBusSwitch(QPainter& p)
{
    switchBox(p, 5, 8, 22, 11, 3, 4);
    dots(p, kInk, {QRect(1, 23, 30, 2), QRect(15, 19, 2, 4)});
    for (int x : {3, 15, 27}) {
        dots(p, kInk, {QRect(x, 25, 2, 4)});
        dots(p, QColor(0xf2, 0x8c, 0x28), {QRect(x - 1, 28, 4, 3)});
    }
}

void drawCable(QPainter& p)
{
    rect(p, {1.5, 3.5, 17, 19}, vgrad(3, 23, QColor(0xfb, 0xfb, 0xf6), QColor(0xd9, 0xdb, 0xd2)), 2.5);
    poly(p, {{{5.5, 8.5}, {14.5, 8.5}, {14.5, 15.5}, {12.5, 15.5}, {12.5, 17.5}, {7.5, 17.5}, {7.5, 15.5}, {5.5, 15.5}}}, QColor(0x22, 0x22, 0x26));
    // Cable first so the plug sits on top of its end.
    QPainterPath cable(QPointF(27, 11));
    cable.cubicTo(QPointF(33, 11), QPointF(31, 22), QPointF(22, 24));
    cable.cubicTo(QPointF(15, 26), QPointF(16, 30), QPointF(21, 31));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kInk, 4.2, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(cable);
    p.setPen(QPen(QColor(0x2e, 0x8b, 0xf0), 2.4, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    p.drawPath(cable);
    rect(p, {18.5, 7.5, 7, 8}, QColor(0xc9, 0xe6, 0xf7));
    rect(p, {24.5, 8.5, 4, 6}, QColor(0x2e, 0x8b, 0xf0));
    dots(p, QColor(0xd9, 0xa4, 0x1e), {QRect(19, 9, 2, 1), QRect(19, 11, 2, 1), QRect(19, 13, 2, 1)});
}

void drawMove(QPainter& p)
{
    poly(p, {{{3.5, 1.5}, {3.5, 21.5}, {8.5, 16.5}, {12.5, 24.5}, {15.5, 23}, {11.5, 15.5}, {18.5, 15.5}}}, Qt::white);
    const QPointF c(24, 24);
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(QColor(0x1f, 0x66, 0xc9));
    for (int i = 0; i < 4; ++i) {
        const qreal a = i * M_PI / 2;
        const QPointF d(std::cos(a), std::sin(a));
        p.drawPath(straightArrow(c, c + d * 7.5, 2, 3));
    }
}

void drawSubnet(QPainter& p)
{
    p.setPen(QPen(kInk, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, 31, 31));
    p.setPen(QPen(QColor(0x1f, 0x9a, 0x3a), 2));
    p.drawPolyline(QPolygonF{{8, 8}, {24, 8}, {16, 22}, {8, 8}});
    smallMonitor(p, 3, 3);
    smallMonitor(p, 18, 3);
    smallMonitor(p, 10, 19);
}

void drawFloppy(QPainter& p)
{
    poly(p, {{{2.5, 2.5}, {26.5, 2.5}, {29.5, 5.5}, {29.5, 29.5}, {2.5, 29.5}}}, vgrad(2, 30, QColor(0x3f, 0x7f, 0xd6), QColor(0x1d, 0x4f, 0x9c)));
    rect(p, {8.5, 2.5, 15, 9}, QColor(0xcb, 0xd1, 0xd9));
    dots(p, QColor(0x3a, 0x42, 0x4e), {QRect(18, 4, 3, 6)});
    rect(p, {6.5, 16.5, 19, 13}, Qt::white);
    dots(p, QColor(0x8a, 0x93, 0xa0), {QRect(9, 20, 14, 1), QRect(9, 23, 14, 1), QRect(9, 26, 10, 1)});
}

void drawAdd(QPainter& p)
{
    folderWithArrow(p);
    poly(p, {{{20.5, 16.5}, {25.5, 16.5}, {25.5, 21.5}, {30.5, 21.5}, {30.5, 26.5}, {25.5, 26.5}, {25.5, 31.5},
              {20.5, 31.5}, {20.5, 26.5}, {15.5, 26.5}, {15.5, 21.5}, {20.5, 21.5}}},
         QColor(0xe5, 0x2b, 0x2b));
}

// A small network on a sheet: what the picture export and the printout carry.
void sheetWithNetwork(QPainter& p, const QRectF& r)
{
    rect(p, r, kPaper);
    const QPointF a(r.left() + 5, r.top() + 6), b(r.right() - 5, r.top() + 6),
        c(r.center().x(), r.bottom() - 5);
    p.setPen(QPen(kInk, 1));
    p.drawPolyline(QPolygonF{a, b, c, a});
    for (QPointF q : {a, b, c})
        dots(p, kBlueDark, {QRect(int(q.x()) - 2, int(q.y()) - 2, 4, 4)});
}

void drawExport(QPainter& p)
{
    sheetWithNetwork(p, {1.5, 1.5, 20, 26});
    p.setPen(QPen(kInk, 0.8));
    p.setBrush(kGreen);
    p.drawPath(straightArrow({14, 21}, {31, 21}, 3.5, 5));
}

void drawPrint(QPainter& p)
{
    sheetWithNetwork(p, {7.5, 0.5, 17, 15});
    rect(p, {1.5, 12.5, 29, 12}, vgrad(12, 25, QColor(0xa9, 0xb6, 0xc6), QColor(0x6f, 0x7f, 0x94)), 2);
    dots(p, kGreen, {QRect(25, 16, 3, 2)});
    rect(p, {6.5, 21.5, 19, 9}, kPaper);
    dots(p, QColor(0x6a, 0x74, 0x82), {QRect(9, 25, 14, 1), QRect(9, 27, 10, 1)});
}

// ---- application icon (48 x 48 units, same design as verbundo.svg) -------

void drawAppIcon(QPainter& p)
{
    p.setPen(QPen(QColor(0x17, 0x4e, 0x8c), 1.5));
    p.setBrush(vgrad(2, 46, QColor(0x3d, 0xa5, 0xf4), QColor(0x1b, 0x64, 0xb8)));
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 9, 9);
    p.setPen(QPen(Qt::white, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 19), QPointF(15, 32));
    p.drawLine(QPointF(24, 19), QPointF(24, 32));
    p.drawLine(QPointF(38, 19), QPointF(33, 32));
    for (qreal x : {4.0, 18.0, 32.0}) {
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(x, 7, 12, 9), 1.5, 1.5);
        p.drawRect(QRectF(x + 3.5, 16, 5, 2.5));
        p.setBrush(QColor(0x1f, 0x4f, 0x8f));
        p.drawRect(QRectF(x + 1.5, 8.5, 9, 6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 31, 32, 10), 2, 2);
    for (int i = 0; i < 5; ++i) {
        const qreal x = 12 + i * 5.25;
        p.setBrush(QColor(0x2c, 0xc9, 0x4a));
        p.drawEllipse(QRectF(x, 33, 2.5, 2.5));
        p.setBrush(QColor(0x1f, 0x4f, 0x8f));
        p.drawRect(QRectF(x, 36.5, 2.5, 2.5));
    }
}

// ---- output ---------------------------------------------------------------

// The message log: a sheet of lines, each with a green tick of the message's way.
void drawLog(QPainter& p)
{
    rect(p, {4.5, 1.5, 23, 29}, vgrad(1, 30, QColor(0xfb, 0xfb, 0xf6), QColor(0xe4, 0xe6, 0xdf)), 1.5);
    for (int y : {6, 11, 16, 21, 26}) {
        dots(p, kGreen, {QRect(8, y, 3, 2)});
        dots(p, kInk, {QRect(13, y, y == 26 ? 8 : 12, 2)});
    }
}

bool write(const QDir& dir, const QString& name, int size, bool transparent, const std::function<void(QPainter&)>& draw)
{
    QImage img(size, size, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    img.fill(transparent ? QColor(Qt::transparent) : QColor(Qt::white));
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        draw(p);
    }
    if (!transparent)
        img = img.convertToFormat(QImage::Format_RGB888); // 24-bit BMP
    const bool ok = img.save(dir.filePath(name), transparent ? "PNG" : "BMP");
    if (!ok)
        std::fprintf(stderr, "iconmaker: could not write %s\n", qPrintable(dir.filePath(name)));
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: iconmaker <output-directory>\n");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.mkpath(".")) {
        std::fprintf(stderr, "iconmaker: cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    ok &= write(dir, "computer.bmp", 32, false, drawComputer);
    ok &= write(dir, "mailserver.bmp", 32, false, drawMailServer);
    ok &= write(dir, "switch.bmp", 32, false, drawSwitch);
    ok &= write(dir, "drucker.bmp", 32, false, printer);
    ok &= write(dir, "router.bmp", 32, false, router);
    ok &= write(dir, "dokument.bmp", 16, false, drawDocument);
    ok &= write(dir, "tb0_computer.png", 32, true, drawComputer);
    ok &= write(dir, "tb1_switch.png", 32, true, drawBusSwitch);
    ok &= write(dir, "tb2_kabel.png", 32, true, drawCable);
    ok &= write(dir, "tb3_verschieben.png", 32, true, drawMove);
    ok &= write(dir, "tb4_router.png", 32, true, router);
    ok &= write(dir, "tb5_drucker.png", 32, true, printer);
    ok &= write(dir, "tb6_subnetz.png", 32, true, drawSubnet);
    ok &= write(dir, "tb7_oeffnen.png", 32, true, folderWithArrow);
    ok &= write(dir, "tb8_speichern.png", 32, true, drawFloppy);
    ok &= write(dir, "tb9_hinzufuegen.png", 32, true, drawAdd);
    ok &= write(dir, "tb10_exportieren.png", 32, true, drawExport);
    ok &= write(dir, "tb11_drucken.png", 32, true, drawPrint);
    ok &= write(dir, "tb12_protokoll.png", 32, true, drawLog);
    ok &= write(dir, "verbundo-48.png", 48, true, drawAppIcon);
    // The page's icons for home screens and installing (web/).
    for (const int size : {180, 192, 512})
        ok &= write(dir, QStringLiteral("verbundo-%1.png").arg(size), size, true, [size](QPainter& p) {
            p.scale(size / 48.0, size / 48.0);
            drawAppIcon(p);
        });
    return ok ? 0 : 1;
}
