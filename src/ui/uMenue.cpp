// The view's context menu: its items show what the editor offers for the selection.

#include "ui/uHaupt.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace verbundo {

void TForm1::BaueMenue() {
    ComputerPopUp = new QMenu(this);
    ComputerPopUp->setObjectName(QStringLiteral("ComputerPopUp"));
    const struct {
        const char* name;
        const char* text;
    } punkte[MenuepunktAnzahl] = {{"MDelete", "Löschen"},
                                  {"MIp", "IP Adresse festlegen"},
                                  {"MIp2", "Zweite IP Adresse festlegen"},
                                  {"MNetzID", "Netz ID festlegen"},
                                  {"MSubNet", "Subnetmask festlegen"},
                                  {"MRouting", "Berechne Routingtabelle"},
                                  {"MHub", "Auf Hub umstellen"},
                                  {"MSwitch", "Auf Switch umstellen"},
                                  {"MSwitch6", "Auf 6 Anschlüsse umstellen"},
                                  {"MSwitch24", "Auf 24 Anschlüsse umstellen"},
                                  {"MMailstop", "Mailserver stoppen"},
                                  {"MMailstart", "Mailserver starten"},
                                  {"MSend", "Nachricht senden"}};
    for (int i = 0; i < MenuepunktAnzahl; ++i) {
        QAction* a = ComputerPopUp->addAction(QString::fromUtf8(punkte[i].text));
        a->setObjectName(QLatin1String(punkte[i].name));
        const auto p = static_cast<TMenuepunkt>(i);
        connect(a, &QAction::triggered, this, [this, p] { MenueClick(p); });
        Menuepunkte[i] = a;
    }
    ShowRouting = ComputerPopUp->addAction(QStringLiteral("Routingtabelle anzeigen"));
    ShowRouting->setObjectName(QStringLiteral("ShowRouting"));
    connect(ShowRouting, &QAction::triggered, this, &TForm1::ShowRoutingClick);
    RemoveRouting = ComputerPopUp->addAction(QStringLiteral("Routingtabelle ausblenden"));
    RemoveRouting->setObjectName(QStringLiteral("RemoveRouting"));
    connect(RemoveRouting, &QAction::triggered, this, &TForm1::RemoveRoutingClick);
}

void TForm1::ComputerPopUpPopup() {
    for (int i = 0; i < MenuepunktAnzahl; ++i)
        Menuepunkte[i]->setVisible(Editor().Sichtbar(static_cast<TMenuepunkt>(i)));
    ShowRouting->setVisible(true);
    RemoveRouting->setVisible(!RoutingTabelle->isHidden());
}

void TForm1::MenueClick(TMenuepunkt p) {
    Reagiere(Editor().Fuehre(p));
}

} // namespace verbundo
