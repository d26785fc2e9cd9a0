#pragma once

#include "diag/Konsole.h"
#include "edit/Ansicht.h"
#include "edit/Editor.h"
#include "edit/Sicherungsplan.h"
#include "edit/Zeichenstand.h"

#include <QImage>
#include <QString>
#include <QWidget>

#include <memory>
#include <optional>

class QAction;
class QCloseEvent;
class QButtonGroup;
class QGroupBox;
class QIcon;
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
class TSichereAblage;
class TWiederherstellung;
class TStarter;
class TTextSpeicher;

// The main window: the controls of the layout around the editor. It turns Qt events into
// editor calls, answers the editor's questions with Qt dialogs, draws the editor's picture on
// the 3000 x 3000 surface Puffer, shows a zoomed and scrolled part of it in the view Anzeige
// and drives the simulation from Timer1. Controls carry their layout names as object names.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // bilder: the loaded pictures; dialoge and starter: the seams (tests pass scripted ones).
    TForm1(const TBilder& bilder, TDialoge& dialoge, TStarter& starter, QWidget* parent = nullptr);
    ~TForm1() override;

    TEditor& Editor() { return *EditorWert; }
    const QImage& PufferBild() const { return Puffer; }

    // Opens a file in place of the network, as "Öffnen" does after its dialog.
    void LadeDatei(const QString& pfad);
    // Keeps unsaved work in a recovery file in the user's state folder and offers what a
    // program that ended without closing left there.
    void StarteWiederherstellung();

    // --- the view's events (TAnzeige), in view pixels ------------------------------------------
    void AnzeigePaint(QPainter& painter);
    void AnzeigeMouseDown(Qt::MouseButton button, int x, int y);
    void AnzeigeMouseMove(int x, int y);
    void AnzeigeMouseUp(Qt::MouseButton button, int x, int y);
    // View to surface coordinates.
    int PufferX(int x) const;
    int PufferY(int y) const;

    // Redraws the whole picture into Puffer, then repaints the view at once.
    void ZeichneNetz();

    // --- comfort: picture export, printing, wheel and keys, growing (uExport.cpp, uTasten.cpp)
    void BildExportieren();
    void Drucken();
    // The wheel over the view: scrolled by (dx, dy) view pixels, or zoomed by dy notches about
    // the view point zeiger.
    void AnzeigeRad(int dx, int dy, bool zoomen, const QPoint& zeiger);
    // Delete and Escape on the focused view; returns whether the key was taken.
    bool AnzeigeTaste(int taste);

private:
    class TFensterFragen;

    // Undo and redo, caption, unsaved-changes question, recovery file (uVerlauf.cpp).
    void closeEvent(QCloseEvent* e) override;
    void BaueVerlauf();
    void ZeigeVerlauf();
    void Sichere();

    void BaueLayout();
    void BaueWerkzeugleiste();
    // A tool-bar button at x links with a 32-pixel image and its hint (none: empty).
    QToolButton* Werkzeugknopf(const char* name, int links, const QIcon& bild,
                               const QString& hinweis);
    void BaueMenue();
    void BaueKomfort();
    void HilfeZeigen();
    TDateiablage& Dateiablage();
    void Verbinde();
    TAnsicht Ansicht() const;
    void SetzeScrollMaxima();
    void Reagiere(const TReaktion& r);
    void ZeigeWerkzeug();

    void ToolButton5Click(QObject* sender);
    void ToolButton6Click();
    void SBZoomChange();
    void SBTimeChange();
    void Timer1Timer();
    void ComputerPopUpPopup();
    void MenueClick(TMenuepunkt p);
    void Button2Click();
    void ShowRoutingClick();
    void RemoveRoutingClick();
    void StarteKonsole(const TKonsolenBefehl& befehl);
    void ZeigeBefund(int nr);
    void BaueProtokoll();
    // The task panel, a tool window beside the main window (uAufgabe.cpp).
    void BaueAufgabe();
    // The task panel shows the task as it stands now.
    void ZeigeAufgabe();
    // Brings a surface point into view unless it is well inside it already.
    void ZeigeStelle(TPunkt punkt);

    const TBilder& Bilder;
    TDialoge& Dialoge;
    TStarter& Starter;
    std::unique_ptr<TFensterFragen> Fragen;
    std::unique_ptr<TSichereAblage> Ablage;
    std::unique_ptr<TEditor> EditorWert;
    std::unique_ptr<TTextSpeicher> Texte;
    QImage Puffer;

    QWidget* ToolBar1 = nullptr;
    QToolButton* ToolButton5 = nullptr;  // Öffnen
    QToolButton* ToolButton10 = nullptr; // add a file
    QToolButton* ToolButton6 = nullptr;  // Speichern
    QButtonGroup* Werkzeuge = nullptr;   // the seven tools
    QPushButton* Button2 = nullptr;      // Konfiguration Testen
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
    QAction* Menuepunkte[MenuepunktAnzahl] = {};
    QAction* ShowRouting = nullptr;
    QAction* RemoveRouting = nullptr;
    QToolButton* BProtokoll = nullptr; // shows and hides the message log
    QWidget* Protokollfenster = nullptr;
    QToolButton* BAufgabe = nullptr; // shows and hides the task panel
    QWidget* Aufgabenfenster = nullptr;
    // A tick is queued and has not started yet.
    bool TaktAngefordert = false;
    TZeichenstand Gezeichnet; // what Puffer shows
    QToolButton* Rueckgaengig = nullptr;
    QToolButton* Wiederholen = nullptr;
    std::unique_ptr<TWiederherstellung> Sicherung;
    QTimer* Sicherungstimer = nullptr;
    TSicherungsplan Sicherungsplan;
    bool Verworfen = false; // the session's end has already asked
};

} // namespace verbundo
