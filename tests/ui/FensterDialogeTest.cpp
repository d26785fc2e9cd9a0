// The real boxes and dialogs: modal, with their own event loop in which timers keep firing.

#include "ui/Dialoge.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace verbundo::test {
namespace {

// Hands the modal widget of type T to handle, which closes it. Another modal widget, or none
// within ten seconds, is a failure and is closed, so a wrong dialog cannot hang the run.
template <class T> void WennOffen(std::function<void(T*)> handle) {
    auto* uhr = new QElapsedTimer;
    uhr->start();
    auto* warte = new QTimer;
    QObject::connect(warte, &QTimer::timeout, [=] {
        if (QWidget* offen = QApplication::activeModalWidget()) {
            warte->stop();
            if (T* erwartet = qobject_cast<T*>(offen)) {
                handle(erwartet);
            } else {
                ADD_FAILURE() << "unexpected dialog " << offen->metaObject()->className();
                offen->close();
            }
        } else if (uhr->elapsed() > 10000) {
            warte->stop();
            ADD_FAILURE() << "no dialog opened";
        }
        if (!warte->isActive()) {
            warte->deleteLater();
            delete uhr;
        }
    });
    warte->start(10);
}

TEST(FensterDialoge, BoxenEingabeUndDateidialoge) {
    TQtDialoge dialoge;
    int ticks = 0;
    QTimer takt;
    QObject::connect(&takt, &QTimer::timeout, [&] { ++ticks; });
    takt.start(5);
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->windowTitle(), "Information");
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        EXPECT_EQ(box->text(), "Die maximale Anzahl\nist erreicht."); // \r breaks the line
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 5000)); // the timer fires on
        box->button(QMessageBox::Ok)->click();
    });
    dialoge.Information(nullptr, "Die maximale Anzahl\rist erreicht.");
    EXPECT_GE(ticks, 3);
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        EXPECT_EQ(box->icon(), QMessageBox::Critical);
        EXPECT_EQ(box->text(), "'x' is not a valid integer value");
        box->button(QMessageBox::Ok)->click();
    });
    dialoge.Fehler(nullptr, "'x' is not a valid integer value");

    WennOffen<QInputDialog>([](QInputDialog* d) {
        EXPECT_EQ(d->windowTitle(), "IP Adresse");
        EXPECT_EQ(d->labelText(), "an IP-Adresse:");
        EXPECT_EQ(d->textValue(), "0.0.0.0");
        d->setTextValue("10.0.0.1");
        static_cast<QDialog*>(d)->accept();
    });
    EXPECT_EQ(dialoge.Eingabe(nullptr, "IP Adresse", "an IP-Adresse:", "0.0.0.0"), "10.0.0.1");
    WennOffen<QInputDialog>([](QInputDialog* d) {
        d->setTextValue("10.0.0.1");
        d->reject();
    });
    EXPECT_EQ(dialoge.Eingabe(nullptr, "IP Adresse", "an IP-Adresse:", "0.0.0.0"), "0.0.0.0");

    const QString filter = "Netzmodelle (*.nz);;Alle Dateien (*)";
    const QStringList filterliste = {"Netzmodelle (*.nz)", "Alle Dateien (*)"};
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(d->nameFilters(), filterliste);
        EXPECT_EQ(d->selectedNameFilter(), "Netzmodelle (*.nz)");
        EXPECT_EQ(d->defaultSuffix(), "nz");
        EXPECT_EQ(QFileInfo(d->selectedFiles().value(0)).fileName(), "Schule.nz");
        EXPECT_TRUE(d->testOption(QFileDialog::DontConfirmOverwrite));
        d->reject();
    });
    EXPECT_EQ(dialoge.Speichern(nullptr, "Schule.nz", filter, "nz"), "");
    WennOffen<QFileDialog>([&](QFileDialog* d) {
        EXPECT_EQ(d->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(d->nameFilters(), filterliste);
        d->reject();
    });
    EXPECT_EQ(dialoge.Oeffnen(nullptr, filter), "");
}

} // namespace
} // namespace verbundo::test
