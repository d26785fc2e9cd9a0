#pragma once

#include "diag/Konsole.h"
#include "model/uTeile.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

class QAction;
class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPainter;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

namespace verbundo {

class TAnzeige;
class TBilder;
class TDialoge;
class TStarter;
class TTextSpeicher;

// The tools of the grouped tool buttons.
enum class TWerkzeug { Verschieben, Computer, Drucker, Switch, Router, Netzwerkkabel, Subnetz };

// The main window: owns the network, draws it on the 3000 x 3000 surface Puffer, shows a
// zoomed and scrolled part of it in the view Anzeige and drives the simulation from Timer1.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // bilder: the loaded pictures; dialoge and starter: the seams (tests pass scripted ones).
    TForm1(const TBilder& bilder, TDialoge& dialoge, TStarter& starter, QWidget* parent = nullptr);
    ~TForm1() override;

    // --- the model and the editing state ------------------------------------------------
    TNetz Netz;
    TKompList& Komponentenliste = Netz.Komponentenliste;
    TKabelList& Kabelliste = Netz.Kabelliste;
    TSubnetList& Subnetzliste = Netz.Subnetzliste;
    TNachrichtenList& Nachrichtenliste = Netz.Nachrichtenliste;
    QImage Puffer;
    QString Dateiname;

    int Modus = 0;
    TKomponente* AktKomponente = nullptr;
    TKabel* AktKabel = nullptr;
    TSubnet* AktSubnetz = nullptr;
    TPunkt Startpunkt;
    TPunkt Endpunkt;

    // --- controls, by their layout names ---------------------------------------------------
    QWidget* ToolBar1 = nullptr;
    QToolButton* ToolButton5 = nullptr;  // Öffnen
    QToolButton* ToolButton10 = nullptr; // add a file
    QToolButton* ToolButton6 = nullptr;  // Speichern
    QToolButton* ToolButton7 = nullptr;  // Verschieben
    QToolButton* ToolButton1 = nullptr;  // Computer
    QToolButton* ToolButton8 = nullptr;  // Drucker
    QToolButton* ToolButton2 = nullptr;  // Switch
    QToolButton* ToolButton9 = nullptr;  // Router
    QToolButton* ToolButton3 = nullptr;  // Netzwerkkabel
    QToolButton* ToolButton11 = nullptr; // Subnetz
    QButtonGroup* Werkzeuge = nullptr;
    QPushButton* Button2 = nullptr; // Konfiguration Testen
    TAnzeige* Anzeige = nullptr;
    QScrollBar* SBHPosition = nullptr;
    QScrollBar* SBVPosition = nullptr;
    QGroupBox* GEinstellungen = nullptr;
    QScrollBar* SBZoom = nullptr;
    QLabel* LZoom = nullptr;
    QScrollBar* SBTime = nullptr;
    QLabel* LGeschw = nullptr;
    QPushButton* BBeenden = nullptr;
    QLabel* RoutingTabelle = nullptr;
    QListWidget* ListBox1 = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QPushButton* BIpConfig = nullptr;
    QPushButton* BRoute = nullptr;
    QLineEdit* Edit1 = nullptr;
    QPushButton* Tracert = nullptr;
    QTimer* Timer1 = nullptr;

    QMenu* ComputerPopUp = nullptr;
    QAction* MDelete = nullptr;
    QAction* MIp = nullptr;
    QAction* MIp2 = nullptr;
    QAction* MNetzID = nullptr;
    QAction* MSubNet = nullptr;
    QAction* MRouting = nullptr;
    QAction* MHub = nullptr;
    QAction* MSwitch = nullptr;
    QAction* MSwitch6 = nullptr;
    QAction* MSwitch24 = nullptr;
    QAction* MMailstop = nullptr;
    QAction* MMailstart = nullptr;
    QAction* MSend = nullptr;
    QAction* ShowRouting = nullptr;
    QAction* RemoveRouting = nullptr;

    // --- view and drawing (uZeichnen.cpp, uAnsicht.cpp) ----------------------------------------
    // Redraws the whole network into Puffer, then repaints the view at once.
    void ZeichneNetz();
    int PufferX(int x) const;
    int PufferY(int y) const;
    // Copies the visible part of Puffer, scaled with averaging, into the view.
    void AnzeigePaint(QPainter& painter);
    void SBZoomChange();
    void SBTimeChange();
    void SBHPositionChange();
    void SBVPositionChange();
    void Timer1Timer();
    void BBeendenClick();
    TWerkzeug Werkzeug() const;
    void SetWerkzeug(TWerkzeug w);

    // --- files (uDatei.cpp) -----------------------------------------------------------------
    // sender is ToolButton5 (open, replacing the network) or ToolButton10 (add).
    void ToolButton5Click(QObject* sender);
    void ToolButton6Click();
    // Reads the file into a network of its own; only when that succeeded it replaces the
    // current network (hinzufuegen false) or is appended to it. Raises EFehler otherwise.
    void LadeDatei(const QString& pfad, bool hinzufuegen);

    // --- mouse editing (uMaus.cpp) ------------------------------------------------------------
    void AnzeigeMouseDown(Qt::MouseButton button, int x, int y);
    void AnzeigeMouseMove(int x, int y);
    void AnzeigeMouseUp(Qt::MouseButton button, int x, int y);

    // --- context menu (uMenue.cpp) -------------------------------------------------------------
    void ComputerPopUpPopup();
    void MDeleteClick();
    void MIpClick();
    void MIp2Click();
    void MNetzIDClick();
    void MSubNetClick();
    void MRoutingClick();
    void MHubClick();
    void MSwitchClick();
    void MSwitch6Click();
    void MSwitch24Click();
    void MMailstopClick();
    void MMailstartClick();
    void MSendClick();

    // --- diagnostics (uDiagnose.cpp) ------------------------------------------------------------
    void Button2Click();
    void ShowRoutingClick();
    void RemoveRoutingClick();
    void BIpConfigClick();
    void BRouteClick();
    void TracertClick();
    // The routing display's horizontal scrolling extent in pixels: its widest line plus 5.
    int HorizontalerUmfang = 0;

    // Runs a command; any error it raises ends it and is shown in the error box (out of
    // memory too, in German). aendert: the command may have changed what ZeichneNetz draws
    // without drawing it, so the next tick redraws.
    void Ausfuehren(const std::function<void()>& befehl, bool aendert = true);
    // Puffer may not show the network as it is; the timer redraws only then or while
    // messages move. ZeichneNetz clears it.
    bool BildVeraltet = true;

    TDialoge& Dialoge() const { return DialogeRef; }

private:
    void BaueLayout();
    void BaueWerkzeugleiste();
    void BaueMenue();
    void SetzeScrollMaxima();
    void StarteKonsole(const TKonsolenBefehl& befehl);

    const TBilder& Bilder;
    TDialoge& DialogeRef;
    TStarter& Starter;
    std::unique_ptr<TMelder> Melder;
    std::unique_ptr<TTextSpeicher> Texte;
};

} // namespace verbundo
