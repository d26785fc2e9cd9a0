// The real boxes and dialogs: modal, with their own event loop in which the timer keeps
// firing and the picture stays live.

#include "Fenster.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

namespace verbundo::test {
namespace {

QString OhneKuerzel(QString text) {
    return text.remove(QLatin1Char('&'));
}

// How every box and dialog is set up, seen on dialogs that never run.
TEST(Dialoge, SoSindBoxenUndDateidialogeEingerichtet) {
    QMessageBox info, fehler;
    RichteBoxEin(info, false, "Die maximale Anzahl\rist erreicht.");
    RichteBoxEin(fehler, true, "'x' is not a valid integer value");
    EXPECT_EQ(info.windowTitle(), "Information");
    EXPECT_EQ(info.icon(), QMessageBox::Information);
    EXPECT_EQ(info.text(), "Die maximale Anzahl\nist erreicht."); // \r breaks the line
    EXPECT_EQ(info.standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(fehler.icon(), QMessageBox::Critical);
    EXPECT_EQ(fehler.standardButtons(), QMessageBox::Ok);

    QInputDialog eingabe;
    RichteEingabeEin(eingabe, "Nachricht senden", "an IP-Adresse:", "0.0.0.0");
    EXPECT_EQ(eingabe.windowTitle(), "Nachricht senden");
    EXPECT_EQ(eingabe.labelText(), "an IP-Adresse:");
    EXPECT_EQ(eingabe.textValue(), "0.0.0.0");

    QMessageBox frage;
    const auto knoepfe =
        RichteFrageEin(frage, "Speichern?", {"Speichern", "Verwerfen", "Abbrechen"});
    QStringList texte;
    for (QAbstractButton* b : knoepfe)
        texte << OhneKuerzel(b->text());
    EXPECT_EQ(texte, (QStringList{"Speichern", "Verwerfen", "Abbrechen"}));
    EXPECT_EQ(frage.escapeButton(), knoepfe.back());
    EXPECT_EQ(static_cast<QAbstractButton*>(frage.defaultButton()), knoepfe.front());

    const QString filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
    TQtDialoge dialoge;
    QFileDialog speichern, bild, oeffnen;
    dialoge.RichteSpeichernEin(speichern, "Schule.nz", filter, "nz");
    EXPECT_EQ(speichern.defaultSuffix(), "nz");
    EXPECT_EQ(QFileInfo(speichern.selectedFiles().value(0)).fileName(), "Schule.nz");
    EXPECT_EQ(speichern.nameFilters(), (QStringList{"Netzmodelle (*.nz)", "Alle Dateien (*)"}));
    // The editor asks before it replaces another file; the dialog must not ask a second time.
    EXPECT_TRUE(speichern.testOption(QFileDialog::DontConfirmOverwrite));
    // Without an ending given, the chosen type's.
    dialoge.RichteSpeichernEin(bild, "netz", "SVG-Bild (*.svg);;PNG-Bild (*.png)", "");
    EXPECT_EQ(bild.defaultSuffix(), "svg");

    // Types by name only: guessing from the contents would read special files too.
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("a"), text = ordner.filePath("b");
    for (const auto& [pfad, inhalt] : {std::pair{pdf, "%PDF-1.4\n"}, {text, "Hallo\n"}}) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(inhalt) > 0);
    }
    dialoge.RichteOeffnenEin(oeffnen, filter);
    EXPECT_EQ(oeffnen.fileMode(), QFileDialog::ExistingFile);
    EXPECT_EQ(oeffnen.nameFilters(), (QStringList{"Netzmodelle (*.nz)", "Alle Dateien (*)"}));
    EXPECT_EQ(oeffnen.iconProvider()->type(QFileInfo(pdf)),
              oeffnen.iconProvider()->type(QFileInfo(text)));
}

// The real dialogs with their own event loops, answered by typing as a learner would: the timer
// fires on while a box is open, and the open dialog proposes the file chosen last.
TEST(Dialoge, EchteDialogeNehmenGetippteAntworten) {
    TQtDialoge dialoge;
    int ticks = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++ticks; });
    takt.start(5);
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 20000));
        QTest::keyClick(box, Qt::Key_Return);
    });
    dialoge.Information(nullptr, "Die maximale Anzahl\rist erreicht.");

    const auto tippe = [](QWidget* feld, const QString& text, Qt::Key ende) {
        QTest::keyClick(feld, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(feld, text);
        QTest::keyClick(feld, ende);
    };
    // A cancelled input answers with the default.
    for (const auto& [ende, antwort] :
         {std::pair{Qt::Key_Return, "10.0.0.1"}, std::pair{Qt::Key_Escape, "0.0.0.0"}}) {
        WennOffen<QInputDialog>([&, ende = ende](QInputDialog* d) {
            tippe(d->findChild<QLineEdit*>(), "10.0.0.1", ende);
        });
        EXPECT_EQ(dialoge.Eingabe(nullptr, "Nachricht senden", "an IP-Adresse:", "0.0.0.0"),
                  antwort);
    }
    for (const auto& [taste, antwort] : {std::pair{Qt::Key_Return, 0}, {Qt::Key_Escape, 2}}) {
        WennOffen<QMessageBox>([taste = taste](QMessageBox* box) { QTest::keyClick(box, taste); });
        EXPECT_EQ(dialoge.Frage(nullptr, "?", {"Speichern", "Verwerfen", "Abbrechen"}), antwort);
    }

    // The dialog opens in the working folder: the name alone is typed, as a path typed there
    // changes the dialog's folder on the way.
    QTemporaryDir ordner;
    const QString datei = ordner.filePath("netz.nz");
    QFile(datei).open(QIODevice::WriteOnly);
    const struct TArbeitsordner {
        QString Alt = QDir::currentPath();
        explicit TArbeitsordner(const QString& neu) { QDir::setCurrent(neu); }
        ~TArbeitsordner() { QDir::setCurrent(Alt); }
    } arbeitsordner(ordner.path());
    const QString filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        auto* feld = d->findChild<QLineEdit*>("fileNameEdit");
        ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::focusWidget() == feld; }, 20000));
        tippe(feld, "netz.nz", Qt::Key_Return);
    });
    EXPECT_EQ(dialoge.Oeffnen(nullptr, filter), datei);
    QFileDialog wieder;
    dialoge.RichteOeffnenEin(wieder, filter);
    EXPECT_EQ(wieder.selectedFiles(), QStringList{datei});
}

// The notice's box runs its event loop inside the tick; the timer goes on redrawing.
TEST(Dialoge, EchteMeldungLaesstDasBildLebendig) {
    TEchtesFenster f(true);
    f->LadeDatei(VERBUNDO_TESTDATA "/kette.nz"); // computer 0 - switch - computer 1
    f.Teil<QScrollBar>("SBTime")->setValue(50);
    const TKomponente* ziel = f.E().Netz().Komponentenliste.GetKomponente(1);
    auto& netz = f.E().NetzZumAendern();
    netz.Nachrichtenliste.Add(std::make_unique<TNachricht>(netz.Komponentenliste.GetZeiger(0),
                                                           netz.Komponentenliste.ZeigerVon(ziel),
                                                           "Testnachricht"));
    const TKabel* letztes = netz.Kabelliste.GetKabel(1);
    const QPoint mitte((letztes->GetA()->GetX() + letztes->GetB()->GetX()) / 2,
                       (letztes->GetA()->GetY() + letztes->GetB()->GetY()) / 2);
    bool gemeldet = false, ohneSymbol = false;
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        gemeldet = box->text() == "Nachricht angekommen.";
        // The tick that opened the box took the mark off the last cable: the next redraw shows
        // it black, without the document icon in its middle.
        ohneSymbol = QTest::qWaitFor(
            [&] { return Farbe(f->PufferBild(), mitte.x(), mitte.y()) == 0; }, 2000);
        box->accept();
    });
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return gemeldet && f.E().Netz().Nachrichtenliste.Count() == 0; }, 5000));
    EXPECT_TRUE(ohneSymbol);
}

// A release while the limit message is open never reaches the view; the press still ends as
// a click with the cable tool.
TEST(Dialoge, GrenzmeldungBeimDrueckenBeendetDieGeste) {
    TEchtesFenster f;
    f->LadeDatei(VERBUNDO_TESTDATA "/kette.nz");
    f.E().SetWerkzeug(TWerkzeug::Netzwerkkabel);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Form.get()));
    const TKomponente* voll = f.E().Netz().Komponentenliste.GetKomponente(0);
    const QPoint p = f.Anzeige()->mapTo(f.Form.get(), QPoint(voll->GetX(), voll->GetY()));
    QString text;
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        text = box->text();
        QTest::mouseRelease(f->windowHandle(), Qt::LeftButton, {}, p);
        box->accept();
    });
    QTest::mousePress(f->windowHandle(), Qt::LeftButton, {}, p);
    EXPECT_TRUE(text.startsWith("Die maximale Anzahl von Netzwerkanschlüssen ist erreicht.\n"));
    EXPECT_EQ(f.E().AktKomponente(), nullptr);
}

} // namespace
} // namespace verbundo::test
