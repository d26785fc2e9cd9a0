// The diagnostics beside the canvas: configuration test, routing display, console buttons.
// None of them changes the network.

#include "diag/Befunde.h"
#include "diag/Konsole.h"
#include "diag/Pruefung.h"
#include "diag/RoutingAnzeige.h"
#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace verbundo {

namespace {

constexpr int Zeilenhoehe = 14;

} // namespace

void TForm1::Button2Click() {
    const TErklaerung& e = Editor().Pruefe();
    QStringList befunde;
    for (const std::string& z : Befundzeilen(e))
        befunde << QString::fromStdString(z);
    Dialoge.Pruefergebnis(this, QString::fromStdString(Pruefbericht(e.Anzahl)), befunde,
                          [this](int nr) { ZeigeBefund(nr); });
}

// Selects the finding's object, brings it into view and marks the finding on the canvas.
void TForm1::ZeigeBefund(int nr) {
    if (const auto punkt = Editor().ZeigeBefund(static_cast<std::size_t>(nr)))
        ZeigeStelle(*punkt);
}

void TForm1::ZeigeStelle(TPunkt punkt) {
    const TAnsicht a = Ansicht().Mit(punkt);
    SBHPosition->setValue(a.SX);
    SBVPosition->setValue(a.SY);
    ZeichneNetz();
}

void TForm1::ShowRoutingClick() {
    ListBox1->clear();
    ListBox1->show();
    RoutingTabelle->show();

    // The lines come sorted as the list box keeps them; it must not sort them again.
    const QFontMetrics fm(ListBox1->font());
    QStringList zeilen;
    int breitest = 0;
    for (const std::string& z : RoutingAnzeige(Editor().Netz(), Editor().AktKomponente())) {
        zeilen << QString::fromStdString(z);
        breitest = std::max(breitest, fm.horizontalAdvance(zeilen.back()));
    }
    // Every row as wide as the extent (the list takes the first row's size for all): the view's
    // contents, and so its scroll bar, span it.
    ListBox1->addItems(zeilen);
    if (!zeilen.isEmpty())
        ListBox1->item(0)->setSizeHint(QSize(breitest + 5, Zeilenhoehe));
}

void TForm1::RemoveRoutingClick() {
    RoutingTabelle->hide();
    ListBox1->clear();
    ListBox1->hide();
}

// Nothing is reported back: a console that does not start is the learner's to notice.
void TForm1::StarteKonsole(const TKonsolenBefehl& befehl) {
#ifdef Q_OS_WIN
    const QByteArray parameter = QString::fromStdString(befehl.WindowsParameter).toLocal8Bit();
    ShellExecuteA(reinterpret_cast<HWND>(winId()), "open", "cmd.exe", parameter.constData(),
                  nullptr, 1);
#else
    for (const TKonsolenProgramm& p : befehl.Kandidaten) {
        QStringList argumente;
        for (const std::string& a : p.Argumente)
            argumente << QString::fromStdString(a);
        if (Starter.Starte(QString::fromStdString(p.Programm), argumente))
            return;
    }
#endif
}

} // namespace verbundo
