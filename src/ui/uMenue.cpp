// The view's context menu and its commands; each acts on the selection the last press made.

#include "ui/Dialoge.h"
#include "ui/uHaupt.h"

#include <QAction>
#include <QLabel>
#include <QMenu>

namespace verbundo {

namespace {

TSwitch* PlainSwitch(TKomponente* k) {
    auto* s = dynamic_cast<TSwitch*>(k);
    return s && !dynamic_cast<TRouter*>(s) ? s : nullptr;
}

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

void TForm1::BaueMenue() {
    ComputerPopUp = new QMenu(this);
    auto eintrag = [this](const char* text, void (TForm1::*handler)()) {
        QAction* a = ComputerPopUp->addAction(QString::fromUtf8(text));
        connect(a, &QAction::triggered, this,
                [this, handler] { Ausfuehren([this, handler] { (this->*handler)(); }); });
        return a;
    };
    MDelete = eintrag("Löschen", &TForm1::MDeleteClick);
    MIp = eintrag("IP Adresse festlegen", &TForm1::MIpClick);
    MIp2 = eintrag("Zweite IP Adresse festlegen", &TForm1::MIp2Click);
    MNetzID = eintrag("Netz ID festlegen", &TForm1::MNetzIDClick);
    MSubNet = eintrag("Subnetmask festlegen", &TForm1::MSubNetClick);
    MRouting = eintrag("Berechne Routingtabelle", &TForm1::MRoutingClick);
    MHub = eintrag("Auf Hub umstellen", &TForm1::MHubClick);
    MSwitch = eintrag("Auf Switch umstellen", &TForm1::MSwitchClick);
    MSwitch6 = eintrag("Auf 6 Anschlüsse umstellen", &TForm1::MSwitch6Click);
    MSwitch24 = eintrag("Auf 24 Anschlüsse umstellen", &TForm1::MSwitch24Click);
    MMailstop = eintrag("Mailserver stoppen", &TForm1::MMailstopClick);
    MMailstart = eintrag("Mailserver starten", &TForm1::MMailstartClick);
    MSend = eintrag("Nachricht senden", &TForm1::MSendClick);
    ShowRouting = eintrag("Routingtabelle anzeigen", &TForm1::ShowRoutingClick);
    RemoveRouting = eintrag("Routingtabelle ausblenden", &TForm1::RemoveRoutingClick);
}

void TForm1::ComputerPopUpPopup() {
    TKomponente* k = AktKomponente;
    const bool drucker = dynamic_cast<TDrucker*>(k);
    const bool router = dynamic_cast<TRouter*>(k);
    auto* computer = dynamic_cast<TComputer*>(k);
    TSwitch* plain = PlainSwitch(k);

    MDelete->setVisible(k || AktKabel || AktSubnetz);
    MIp->setVisible(drucker || router);
    MIp2->setVisible(router);
    MNetzID->setVisible(AktSubnetz);
    MSubNet->setVisible(AktSubnetz);
    MRouting->setVisible(dynamic_cast<TSwitch*>(k));
    MHub->setVisible(plain && !plain->Hub);
    MSwitch->setVisible(plain && plain->Hub);
    MSwitch6->setVisible(plain && plain->GetMaxPorts() == 24);
    MSwitch24->setVisible(plain && plain->GetMaxPorts() == 6);
    MMailstop->setVisible(computer && computer->IsMailserver());
    MMailstart->setVisible(computer && !computer->IsMailserver());
    MSend->setVisible(computer);
    ShowRouting->setVisible(true);
    RemoveRouting->setVisible(!RoutingTabelle->isHidden());
}

void TForm1::MDeleteClick() {
    bool tabellenAlt = false;
    if (TKomponente* k = AktKomponente) {
        // Its cables go with it; a selected one among them must not be reached afterwards.
        if (AktKabel && (AktKabel->GetA() == k || AktKabel->GetB() == k))
            AktKabel = nullptr;
        Netz.EntferneKomponente(k);
        AktKomponente = nullptr;
        tabellenAlt = true;
    }
    if (AktKabel) {
        Netz.EntferneKabel(AktKabel);
        AktKabel = nullptr;
        tabellenAlt = true;
    }
    if (AktSubnetz) {
        Netz.EntferneSubnetz(AktSubnetz);
        AktSubnetz = nullptr;
    }
    if (tabellenAlt)
        MRoutingClick();
    ZeichneNetz();
}

void TForm1::MIpClick() {
    TKomponente* k = AktKomponente;
    if (!dynamic_cast<TDrucker*>(k) && !dynamic_cast<TRouter*>(k))
        return;
    const QString text =
        Dialoge().Eingabe(this, "Eingabe der IP-Adresse", "IP-Adresse:", Text(k->GetIPText()));
    k->SetIPText(text.toStdString());
    ZeichneNetz();
}

void TForm1::MIp2Click() {
    auto* r = dynamic_cast<TRouter*>(AktKomponente);
    if (!r)
        return;
    const QString text = Dialoge().Eingabe(this, "Eingabe der zweiten IP-Adresse",
                                           "IP-Adresse:", Text(r->GetIP2Text()));
    r->SetIP2Text(text.toStdString());
    ZeichneNetz();
}

void TForm1::MNetzIDClick() {
    TSubnet* s = AktSubnetz;
    if (!s)
        return;
    const QString text =
        Dialoge().Eingabe(this, "Eingabe der Netz ID", "Netz ID:", Text(s->GetNetzIDText()));
    s->SetNetzIDText(text.toStdString());
    ZeichneNetz();
}

void TForm1::MSubNetClick() {
    TSubnet* s = AktSubnetz;
    if (!s)
        return;
    const QString text =
        Dialoge().Eingabe(this, "Eingabe der Subnetmask", "Subnetmask:", Text(s->GetMaskText()));
    s->SetMaskText(text.toStdString());
    ZeichneNetz();
}

void TForm1::MRoutingClick() {
    Netz.BerechneRouting();
}

void TForm1::MHubClick() {
    if (TSwitch* s = PlainSwitch(AktKomponente))
        s->Hub = true;
}

void TForm1::MSwitchClick() {
    if (TSwitch* s = PlainSwitch(AktKomponente))
        s->Hub = false;
}

void TForm1::MSwitch6Click() {
    TSwitch* s = PlainSwitch(AktKomponente);
    if (!s)
        return;
    const int n = s->KabelCount();
    if (n > 6)
        Dialoge().Information(this, QString::fromUtf8("Es sind zu vielen Anschlüsse vorhanden") +
                                        '\r' + QString::fromUtf8("Bitte löschen sie ") +
                                        QString::number(n - 6) + " Verbindungen");
    else
        s->SetMaxPorts(6);
}

void TForm1::MSwitch24Click() {
    if (TSwitch* s = PlainSwitch(AktKomponente))
        s->SetMaxPorts(24);
}

void TForm1::MMailstopClick() {
    if (auto* c = dynamic_cast<TComputer*>(AktKomponente))
        c->SetMailserver(false);
}

void TForm1::MMailstartClick() {
    if (auto* c = dynamic_cast<TComputer*>(AktKomponente))
        c->SetMailserver(true);
}

void TForm1::MSendClick() {
    auto* sender = dynamic_cast<TComputer*>(AktKomponente);
    if (!sender)
        return;
    const QString text = Dialoge().Eingabe(this, "Nachricht senden", "an IP-Adresse:", "0.0.0.0");
    TKomponente* ziel = Komponentenliste.FindeIP(text.toStdString());
    if (!ziel)
        return;
    auto z = [this](TKomponente* k) {
        return Komponentenliste.GetZeiger(Komponentenliste.IndexVon(k));
    };
    Nachrichtenliste.Add(std::make_unique<TNachricht>(z(sender), z(ziel), "Testnachricht"));
}

} // namespace verbundo
