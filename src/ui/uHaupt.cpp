// The main window: its controls, their wiring, and the Qt side of the editor's seams.

#include "ui/uHaupt.h"

#include "ui/Ablage.h"
#include "ui/Anzeige.h"
#include "ui/Dialoge.h"
#include "ui/PufferLeinwand.h"
#include "ui/TextSpeicher.h"
#include "ui/Wiederherstellung.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDir>
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

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

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
    return TMalerLeinwand::Schrift(name, punkte);
}

QScrollBar* Bildlaufleiste(const char* name, Qt::Orientation o, QWidget* parent, QRect r, int min,
                           int max, int pos) {
    auto* sb = new QScrollBar(o, parent);
    sb->setObjectName(QLatin1String(name));
    sb->setGeometry(r);
    sb->setRange(min, max);
    sb->setValue(pos);
    sb->setSingleStep(1);
    sb->setPageStep(1);
    sb->setFocusPolicy(Qt::StrongFocus);
    return sb;
}

QPushButton* Knopf(const char* name, const QString& text, QWidget* parent, QRect r) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(r);
    return b;
}

} // namespace

// The editor's questions as the window's modal dialogs.
class TForm1::TFensterFragen : public TFragen {
public:
    TFensterFragen(TForm1& form, TDialoge& dialoge) : Form(form), Dialoge(dialoge) {}
    void Information(const std::string& text) override { Dialoge.Information(&Form, Q(text)); }
    void Fehler(const std::string& text) override { Dialoge.Fehler(&Form, Q(text)); }
    std::string Eingabe(const std::string& titel, const std::string& frage,
                        const std::string& vorgabe) override {
        return Dialoge.Eingabe(&Form, Q(titel), Q(frage), Q(vorgabe)).toStdString();
    }
    std::string OeffnenWahl() override {
        return Dialoge.Oeffnen(&Form, QString::fromUtf8(Filter)).toStdString();
    }
    std::string SpeichernWahl(const std::string& vorschlag) override {
        return Dialoge.Speichern(&Form, Q(vorschlag), QString::fromUtf8(Filter), "nz")
            .toStdString();
    }
    std::string Textfeld(const std::string& titel, const std::string& frage,
                         const std::string& vorgabe) override {
        return Dialoge.Textfeld(&Form, Q(titel), Q(frage), Q(vorgabe)).toStdString();
    }
    int Auswahl(const std::string& titel, const std::string& frage,
                const std::vector<std::string>& optionen) override {
        QStringList liste;
        for (const std::string& o : optionen)
            liste << Q(o);
        return Dialoge.Auswahl(&Form, Q(titel), Q(frage), liste);
    }
    TAntwort Speicherfrage(const std::string& text) override {
        const int a = Dialoge.Frage(&Form, Q(text),
                                    {QStringLiteral("Speichern"), QStringLiteral("Verwerfen"),
                                     QStringLiteral("Abbrechen")});
        return a == 0 ? TAntwort::Speichern : a == 1 ? TAntwort::Verwerfen : TAntwort::Abbrechen;
    }
    int Frage(const std::string& text, const std::vector<std::string>& knoepfe) override {
        QStringList namen;
        for (const std::string& k : knoepfe)
            namen << Q(k);
        return Dialoge.Frage(&Form, Q(text), namen);
    }

private:
    // "Alle Dateien" must show files without a dot too, which "*.*" does not outside Windows.
#ifdef Q_OS_WIN
    static constexpr const char* Filter = "Netzmodelle (*.nz);;Alle Dateien (*.*)";
#else
    static constexpr const char* Filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
#endif
    TForm1& Form;
    TDialoge& Dialoge;
};

TDateiablage& TForm1::Dateiablage() {
    return *Ablage;
}

TForm1::TForm1(const TBilder& bilder, TDialoge& dialoge, TStarter& starter, QWidget* parent)
    : QWidget(parent), Bilder(bilder), Dialoge(dialoge), Starter(starter),
      Fragen(std::make_unique<TFensterFragen>(*this, dialoge)),
      Ablage(std::make_unique<TSichereAblage>()),
      EditorWert(std::make_unique<TEditor>(*Fragen, *Ablage)),
      Texte(std::make_unique<TTextSpeicher>()) {
    LadeWerkzeugbilder();
    Puffer = QImage(3000, 3000, QImage::Format_RGB32);
    Puffer.fill(Qt::white);

    BaueLayout();
    BaueMenue();
    BaueProtokoll();
    BaueAufgabe();
    SetzeScrollMaxima();
    Verbinde();
    BaueKomfort();
    BaueVerlauf();

    // Until the speed bar first moves, the timer runs slower than its label says.
    Timer1->start(500);
}

TForm1::~TForm1() {
    Timer1->stop();
}

void TForm1::Verbinde() {
    connect(ToolButton5, &QToolButton::clicked, this, [this] { ToolButton5Click(ToolButton5); });
    connect(ToolButton10, &QToolButton::clicked, this, [this] { ToolButton5Click(ToolButton10); });
    connect(ToolButton6, &QToolButton::clicked, this, &TForm1::ToolButton6Click);
    connect(Werkzeuge, &QButtonGroup::idClicked, this,
            [this](int id) { Editor().SetWerkzeug(static_cast<TWerkzeug>(id)); });
    connect(Button2, &QPushButton::clicked, this, &TForm1::Button2Click);
    connect(BBeenden, &QPushButton::clicked, this, &QWidget::close);
    connect(BIpConfig, &QPushButton::clicked, this, [this] { StarteKonsole(IpConfigBefehl()); });
    connect(BRoute, &QPushButton::clicked, this, [this] { StarteKonsole(RouteBefehl()); });
    connect(Tracert, &QPushButton::clicked, this,
            [this] { StarteKonsole(TracertBefehl(Edit1->text().toStdString())); });
    connect(SBZoom, &QScrollBar::valueChanged, this, &TForm1::SBZoomChange);
    connect(SBTime, &QScrollBar::valueChanged, this, &TForm1::SBTimeChange);
    // Scrolling only repaints the view; Puffer stays as it is.
    connect(SBHPosition, &QScrollBar::valueChanged, this, [this] { Anzeige->repaint(); });
    connect(SBVPosition, &QScrollBar::valueChanged, this, [this] { Anzeige->repaint(); });
    // A delivery notice opens its box inside the tick, and Qt does not fire a timer again while
    // its own timeout is still being handled: the tick runs from a queued call instead, so the
    // timer goes on redrawing while a notice is open (the tick itself then returns at once).
    connect(Timer1, &QTimer::timeout, this, [this] {
        if (TaktAngefordert)
            return;
        TaktAngefordert = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                TaktAngefordert = false;
                Timer1Timer();
            },
            Qt::QueuedConnection);
    });
}

void TForm1::BaueLayout() {
    setWindowTitle(QStringLiteral("Verbundo"));
    setFont(Schrift(8));
    move(125, 36);
    resize(828, 585);

    // Created first, so every other control lies above the view's edges.
    Anzeige = new TAnzeige(*this, this);
    Anzeige->setObjectName(QStringLiteral("Anzeige"));
    Anzeige->setGeometry(0, 48, 609, 521);

    BaueWerkzeugleiste();

    SBHPosition = Bildlaufleiste("SBHPosition", Qt::Horizontal, this, {0, 568, 617, 17}, 0, 0, 0);
    SBVPosition = Bildlaufleiste("SBVPosition", Qt::Vertical, this, {614, 32, 19, 537}, 0, 0, 0);

    GEinstellungen = new QGroupBox(QStringLiteral("Einstellungen"), this);
    GEinstellungen->setObjectName(QStringLiteral("GEinstellungen"));
    GEinstellungen->setGeometry(640, 56, 185, 113);
    GEinstellungen->setFont(Schrift(10));
    SBZoom =
        Bildlaufleiste("SBZoom", Qt::Horizontal, GEinstellungen, {24, 24, 145, 17}, 100, 600, 100);
    LZoom = new QLabel(QStringLiteral("Zoomfaktor 1x"), GEinstellungen);
    LZoom->setObjectName(QStringLiteral("LZoom"));
    LZoom->setGeometry(46, 45, 84, 16);
    SBTime =
        Bildlaufleiste("SBTime", Qt::Horizontal, GEinstellungen, {24, 72, 145, 17}, 50, 600, 200);
    LGeschw = new QLabel(QStringLiteral("Geschwindigkeit 1x"), GEinstellungen);
    LGeschw->setObjectName(QStringLiteral("LGeschw"));
    LGeschw->setGeometry(38, 93, 114, 16);

    BBeenden = Knopf("BBeenden", QStringLiteral("Beenden"), this, {664, 550, 137, 27});
    BBeenden->setFont(Schrift(10));

    RoutingTabelle = new QLabel(QStringLiteral("Routing Tabelle"), this);
    RoutingTabelle->setObjectName(QStringLiteral("RoutingTabelle"));
    RoutingTabelle->setGeometry(640, 176, 75, 13);
    RoutingTabelle->hide();
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setGeometry(640, 192, 185, 201);
    ListBox1->setFont(Schrift(8, "Arial"));
    // The style's text margins are wider than the extent's 5 pixels: eliding would cut off
    // the end of the widest line, the router's address.
    ListBox1->setTextElideMode(Qt::ElideNone);
    // Every line is one row high and as wide as the widest: the list need not measure each.
    ListBox1->setUniformItemSizes(true);
    ListBox1->hide();

    GroupBox1 = new QGroupBox(QStringLiteral("DOS-Befehle"), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    GroupBox1->setGeometry(640, 400, 185, 137);
    BIpConfig = Knopf("BIpConfig", QStringLiteral("IPConfig /all"), GroupBox1, {24, 16, 137, 25});
    BRoute = Knopf("BRoute", QStringLiteral("Route PRINT"), GroupBox1, {24, 48, 137, 25});
    Edit1 = new QLineEdit(QStringLiteral("0.0.0.0"), GroupBox1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(32, 80, 121, 21);
    Tracert = Knopf("Tracert", QStringLiteral("TraceRt"), GroupBox1, {24, 104, 137, 25});

    // The vertical bar reaches up into the tool bar's height; its arrow must stay visible.
    SBVPosition->raise();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));

    QList<QWidget*> reihe = {BBeenden, SBHPosition, SBZoom, SBTime, SBVPosition};
    for (QAbstractButton* b : ToolBar1->findChildren<QAbstractButton*>())
        reihe << b;
    reihe << ListBox1 << BIpConfig << BRoute << Edit1 << Tracert;
    for (qsizetype i = 1; i < reihe.size(); ++i)
        setTabOrder(reihe[i - 1], reihe[i]);
    BBeenden->setFocus();
}

void TForm1::BaueWerkzeugleiste() {
    ToolBar1 = new QWidget(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setGeometry(0, 0, width(), 49);
    ToolBar1->setAutoFillBackground(true);
    installEventFilter(new TLeistenbreite(this, ToolBar1));

    auto knopf = [this](const char* name, int links, int bild, const char* hinweis) {
        return Werkzeugknopf(name, links, QIcon(QStringLiteral(":/werkzeuge/tb%1.png").arg(bild)),
                             hinweis ? QString::fromUtf8(hinweis) : QString());
    };
    ToolButton5 = knopf("ToolButton5", 0, 7, "Öffnen");
    ToolButton10 = knopf("ToolButton10", 39, 9, nullptr);
    ToolButton6 = knopf("ToolButton6", 78, 8, "Speichern");

    Werkzeuge = new QButtonGroup(this);
    Werkzeuge->setExclusive(true);
    const struct {
        const char* name;
        int links, bild;
        const char* hinweis;
        TWerkzeug werkzeug;
    } werkzeuge[] = {{"ToolButton7", 125, 3, "Verschieben", TWerkzeug::Verschieben},
                     {"ToolButton1", 164, 0, "Computer", TWerkzeug::Computer},
                     {"ToolButton8", 203, 5, "Drucker", TWerkzeug::Drucker},
                     {"ToolButton2", 242, 1, "Switch", TWerkzeug::Switch},
                     {"ToolButton9", 281, 4, "Router", TWerkzeug::Router},
                     {"ToolButton3", 320, 2, "Netzwerkkabel", TWerkzeug::Netzwerkkabel},
                     {"ToolButton11", 359, 6, "Subnetz", TWerkzeug::Subnetz}};
    for (const auto& w : werkzeuge) {
        QToolButton* b = knopf(w.name, w.links, w.bild, w.hinweis);
        b->setCheckable(true);
        Werkzeuge->addButton(b, static_cast<int>(w.werkzeug));
    }
    ZeigeWerkzeug();

    Button2 = Knopf("Button2", QStringLiteral("Konfiguration Testen"), ToolBar1, {406, 2, 139, 38});
    Button2->setFont(Schrift(10));
}

QToolButton* TForm1::Werkzeugknopf(const char* name, int links, const QIcon& bild,
                                   const QString& hinweis) {
    auto* b = new QToolButton(ToolBar1);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(links, 2, 39, 38);
    b->setIcon(bild);
    b->setIconSize(QSize(32, 32));
    b->setAutoRaise(true);
    // The hints as tooltips: learners find the tools without a manual.
    if (!hinweis.isEmpty()) {
        b->setToolTip(hinweis);
        b->setAccessibleName(hinweis);
    }
    return b;
}

void TForm1::ZeigeWerkzeug() {
    Werkzeuge->button(static_cast<int>(Editor().Werkzeug()))->setChecked(true);
}

} // namespace verbundo
