// The real boxes and dialogs: modal, with their own event loop in which the timer keeps
// firing and the picture stays live.

#include "Fenster.h"

#include <QAbstractButton>
#include <QAbstractFileIconProvider>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTemporaryDir>

namespace verbundo::test {
namespace {

TEST(Dialoge, BoxenEingabeUndDateidialoge) {
    TQtDialoge dialoge;
    int ticks = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++ticks; });
    takt.start(5);
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Information");
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->text(), "Die maximale Anzahl\nist erreicht.");   // \r breaks the line
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000)); // the timer fires on
        box->button(QMessageBox::Ok)->click();
    });
    dialoge.Information(nullptr, "Die maximale Anzahl\rist erreicht.");
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    dialoge.Fehler(nullptr, "'x' is not a valid integer value");
    // A cancelled input answers with the default.
    WennOffen<QInputDialog>([](QInputDialog* d) {
        EXPECT_EQ(d->textValue(), "0.0.0.0");
        d->setTextValue("10.0.0.1");
        d->reject();
    });
    EXPECT_EQ(dialoge.Eingabe(nullptr, "IP Adresse", "an IP-Adresse:", "0.0.0.0"), "0.0.0.0");

    const QString filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->defaultSuffix(), "nz");
        EXPECT_EQ(QFileInfo(d->selectedFiles().value(0)).fileName(), "Schule.nz");
        EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
        d->reject();
    });
    EXPECT_EQ(dialoge.Speichern(nullptr, "Schule.nz", filter, "nz"), "");
    // Types by name only: guessing from the contents would read special files too. The open
    // dialog then proposes the file last chosen in it.
    QTemporaryDir ordner;
    const QString pdf = ordner.filePath("a"), text = ordner.filePath("b");
    for (const auto& [pfad, inhalt] : {std::pair{pdf, "%PDF-1.4\n"}, {text, "Hallo\n"}}) {
        QFile f(pfad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(inhalt) > 0);
    }
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->nameFilters(), (QStringList{"Netzmodelle (*.nz)", "Alle Dateien (*)"}));
        EXPECT_EQ(d->iconProvider()->type(QFileInfo(pdf)),
                  d->iconProvider()->type(QFileInfo(text)));
        d->selectFile(pdf);
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoge.Oeffnen(nullptr, filter), pdf);
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->selectedFiles(), QStringList{pdf});
        d->reject();
    });
    EXPECT_EQ(dialoge.Oeffnen(nullptr, filter), "");
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
