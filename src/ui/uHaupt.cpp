// The main window: its controls, their wiring, the delivery notices and the error box.

#include "ui/uHaupt.h"

#include "ui/Anzeige.h"
#include "ui/Dialoge.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QToolButton>

#include <optional>

// The tool-bar images live in a static library; nothing else would pull them in.
static void LadeWerkzeugbilder() {
    Q_INIT_RESOURCE(bilder);
}

namespace verbundo {

namespace {

// Delivery notices are the modal information box; the tick waits until it is closed.
class TFensterMelder : public TMelder {
public:
    explicit TFensterMelder(TForm1& form) : Form(form) {}
    void Melde(const TKomponente&, const std::string& text) override {
        Form.Dialoge().Information(&Form, QString::fromStdString(text));
    }

private:
    TForm1& Form;
};

// Only the tool bar follows the window's width; every other control keeps its place.
class TLeistenbreite : public QObject {
public:
    TLeistenbreite(QWidget* form, QWidget* leiste) : QObject(form), Form(form), Leiste(leiste) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (o == Form && e->type() == QEvent::Resize)
            Leiste->resize(Form->width(), Leiste->height());
        return false;
    }

private:
    QWidget* Form;
    QWidget* Leiste;
};

QFont Schrift(int punkte, const char* name = "MS Sans Serif") {
    return TPufferLeinwand::Schrift(name, punkte);
}

QScrollBar* Bildlaufleiste(Qt::Orientation o, QWidget* parent, QRect r, int min, int max, int pos) {
    auto* sb = new QScrollBar(o, parent);
    sb->setGeometry(r);
    sb->setRange(min, max);
    sb->setValue(pos);
    sb->setSingleStep(1);
    sb->setPageStep(1);
    sb->setFocusPolicy(Qt::StrongFocus);
    return sb;
}

QPushButton* Knopf(const QString& text, QWidget* parent, QRect r) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(r);
    return b;
}

} // namespace

TForm1::TForm1(const TBilder& bilder, TDialoge& dialoge, TStarter& starter, QWidget* parent)
    : QWidget(parent), Bilder(bilder), DialogeRef(dialoge), Starter(starter),
      Melder(std::make_unique<TFensterMelder>(*this)), Texte(std::make_unique<TTextSpeicher>()) {
    LadeWerkzeugbilder();
    Modus = 0;
    AktKomponente = nullptr;
    Startpunkt = {0, 0};
    Dateiname = QStringLiteral("Unbenannt.nz");
    Puffer = QImage(3000, 3000, QImage::Format_RGB32);
    Puffer.fill(Qt::white);
    Nachrichtenliste.SetMelder(Melder.get());

    BaueLayout();
    BaueMenue();
    SetzeScrollMaxima();

    auto befehl = [this](auto handler) {
        return [this, handler] { Ausfuehren([this, handler] { (this->*handler)(); }); };
    };
    connect(ToolButton5, &QToolButton::clicked, this,
            [this] { Ausfuehren([this] { ToolButton5Click(ToolButton5); }); });
    connect(ToolButton10, &QToolButton::clicked, this,
            [this] { Ausfuehren([this] { ToolButton5Click(ToolButton10); }); });
    connect(ToolButton6, &QToolButton::clicked, this, befehl(&TForm1::ToolButton6Click));
    connect(Button2, &QPushButton::clicked, this, befehl(&TForm1::Button2Click));
    connect(BBeenden, &QPushButton::clicked, this, befehl(&TForm1::BBeendenClick));
    connect(BIpConfig, &QPushButton::clicked, this, befehl(&TForm1::BIpConfigClick));
    connect(BRoute, &QPushButton::clicked, this, befehl(&TForm1::BRouteClick));
    connect(Tracert, &QPushButton::clicked, this, befehl(&TForm1::TracertClick));
    connect(SBZoom, &QScrollBar::valueChanged, this, befehl(&TForm1::SBZoomChange));
    connect(SBTime, &QScrollBar::valueChanged, this, befehl(&TForm1::SBTimeChange));
    connect(SBHPosition, &QScrollBar::valueChanged, this, befehl(&TForm1::SBHPositionChange));
    connect(SBVPosition, &QScrollBar::valueChanged, this, befehl(&TForm1::SBVPositionChange));
    connect(Timer1, &QTimer::timeout, this,
            [this] { Ausfuehren([this] { Timer1Timer(); }, false); });

    // Until the speed bar first moves, the timer runs slower than its label says.
    Timer1->start(500);
}

TForm1::~TForm1() {
    Timer1->stop();
    Nachrichtenliste.SetMelder(nullptr);
}

void TForm1::BaueLayout() {
    setWindowTitle(QStringLiteral("Verbundo"));
    setFont(Schrift(8));
    move(125, 36);
    resize(828, 585);

    // Created first, so every other control lies above the view's edges.
    Anzeige = new TAnzeige(*this, this);
    Anzeige->setGeometry(0, 48, 609, 521);

    BaueWerkzeugleiste();

    SBHPosition = Bildlaufleiste(Qt::Horizontal, this, {0, 568, 617, 17}, 0, 0, 0);
    SBVPosition = Bildlaufleiste(Qt::Vertical, this, {614, 32, 19, 537}, 0, 0, 0);

    GEinstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
    GEinstellungen->setGeometry(640, 56, 185, 113);
    GEinstellungen->setFont(Schrift(10));
    SBZoom = Bildlaufleiste(Qt::Horizontal, GEinstellungen, {24, 24, 145, 17}, 100, 600, 100);
    LZoom = new QLabel(QStringLiteral("Zoomfaktor 1x"), GEinstellungen);
    LZoom->setGeometry(46, 45, 84, 16);
    SBTime = Bildlaufleiste(Qt::Horizontal, GEinstellungen, {24, 72, 145, 17}, 50, 600, 200);
    LGeschw = new QLabel(QStringLiteral("Geschwindigkeit 1x"), GEinstellungen);
    LGeschw->setGeometry(38, 93, 114, 16);

    BBeenden = Knopf(QStringLiteral("Beenden"), this, {664, 550, 137, 27});
    BBeenden->setFont(Schrift(10));

    RoutingTabelle = new QLabel(QStringLiteral("Routing Tabelle"), this);
    RoutingTabelle->setGeometry(640, 176, 75, 13);
    RoutingTabelle->hide();
    ListBox1 = new QListWidget(this);
    ListBox1->setGeometry(640, 192, 185, 201);
    ListBox1->setFont(Schrift(8, "Arial"));
    ListBox1->hide();

    GroupBox1 = new QGroupBox(QStringLiteral("DOS-Befehle"), this);
    GroupBox1->setGeometry(640, 400, 185, 137);
    BIpConfig = Knopf(QStringLiteral("IPConfig /all"), GroupBox1, {24, 16, 137, 25});
    BRoute = Knopf(QStringLiteral("Route PRINT"), GroupBox1, {24, 48, 137, 25});
    Edit1 = new QLineEdit(QStringLiteral("0.0.0.0"), GroupBox1);
    Edit1->setGeometry(32, 80, 121, 21);
    Tracert = Knopf(QStringLiteral("TraceRt"), GroupBox1, {24, 104, 137, 25});

    // The vertical bar reaches up into the tool bar's height; its arrow must stay visible.
    SBVPosition->raise();

    Timer1 = new QTimer(this);

    QWidget* reihe[] = {
        BBeenden,     SBHPosition, SBZoom,      SBTime,      SBVPosition, ToolButton5, ToolButton10,
        ToolButton6,  ToolButton7, ToolButton1, ToolButton8, ToolButton2, ToolButton9, ToolButton3,
        ToolButton11, Button2,     ListBox1,    BIpConfig,   BRoute,      Edit1,       Tracert};
    for (std::size_t i = 1; i < std::size(reihe); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    BBeenden->setFocus();
}

void TForm1::BaueWerkzeugleiste() {
    ToolBar1 = new QWidget(this);
    ToolBar1->setGeometry(0, 0, width(), 49);
    ToolBar1->setAutoFillBackground(true);
    installEventFilter(new TLeistenbreite(this, ToolBar1));

    auto knopf = [this](int links, int bild, const char* hinweis) {
        auto* b = new QToolButton(ToolBar1);
        b->setGeometry(links, 2, 39, 38);
        b->setIcon(QIcon(QStringLiteral(":/werkzeuge/tb%1.png").arg(bild)));
        b->setIconSize(QSize(32, 32));
        b->setAutoRaise(true);
        // The hints as tooltips: learners find the tools without a manual.
        if (hinweis) {
            b->setToolTip(QString::fromUtf8(hinweis));
            b->setAccessibleName(QString::fromUtf8(hinweis));
        }
        return b;
    };
    ToolButton5 = knopf(0, 7, "Öffnen");
    ToolButton10 = knopf(39, 9, nullptr);
    ToolButton6 = knopf(78, 8, "Speichern");
    ToolButton7 = knopf(125, 3, "Verschieben");
    ToolButton1 = knopf(164, 0, "Computer");
    ToolButton8 = knopf(203, 5, "Drucker");
    ToolButton2 = knopf(242, 1, "Switch");
    ToolButton9 = knopf(281, 4, "Router");
    ToolButton3 = knopf(320, 2, "Netzwerkkabel");
    ToolButton11 = knopf(359, 6, "Subnetz");

    Werkzeuge = new QButtonGroup(this);
    Werkzeuge->setExclusive(true);
    const std::pair<QToolButton*, TWerkzeug> werkzeuge[] = {
        {ToolButton7, TWerkzeug::Verschieben}, {ToolButton1, TWerkzeug::Computer},
        {ToolButton8, TWerkzeug::Drucker},     {ToolButton2, TWerkzeug::Switch},
        {ToolButton9, TWerkzeug::Router},      {ToolButton3, TWerkzeug::Netzwerkkabel},
        {ToolButton11, TWerkzeug::Subnetz}};
    for (auto [knopf, werkzeug] : werkzeuge) {
        knopf->setCheckable(true);
        Werkzeuge->addButton(knopf, static_cast<int>(werkzeug));
    }
    ToolButton1->setChecked(true);

    Button2 = Knopf(QStringLiteral("Konfiguration Testen"), ToolBar1, {406, 2, 139, 38});
    Button2->setFont(Schrift(10));
}

void TForm1::Ausfuehren(const std::function<void()>& befehl, bool aendert) {
    std::optional<std::string> fehler;
    try {
        befehl();
    } catch (const std::exception& e) {
        fehler = Fehlertext(e);
    } catch (...) {
        fehler = Fehlertext();
    }
    // Set before the box: the ticks while it is open show the change.
    if (aendert)
        BildVeraltet = true;
    if (fehler)
        Dialoge().Fehler(this, QString::fromStdString(*fehler));
}

} // namespace verbundo
