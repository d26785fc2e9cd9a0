// Pictures, printing, the growing window, wheel and keys, through the real widgets.

#include "Fenster.h"
#include "ui/Export.h"

#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWheelEvent>

namespace verbundo::test {
namespace {

QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << pfad.toStdString();
    return f.readAll();
}

int Seiten(const QByteArray& pdf) {
    return int(pdf.count("/Type /Page")) - int(pdf.count("/Type /Pages"));
}

TEST(Komfort, BilderUndAusdruckZeigenDasGezeichneteNetz) {
    TFenster F;
    QTemporaryDir ordner;
    F.E().Lade(VERBUNDO_SOURCE_DIR "/examples/2-zwei-netze.nz", false);
    const TNetz& netz = F.E().Netz();
    const QSize g = Bildgroesse(netz, F.Bilder);

    F.Dialoge.SpeichernAntworten = {ordner.filePath("netz.svg"), ordner.filePath("netz.jpg")};
    F.Teil<QToolButton>("BExport")->click();
    F.Teil<QToolButton>("BExport")->click();
    ASSERT_EQ(F.Dialoge.Fehlermeldungen.size(), 1u); // not a picture type
    const QByteArray svg = Lies(ordner.filePath("netz.svg"));
    EXPECT_TRUE(QSvgRenderer(svg).isValid());
    EXPECT_EQ(svg.count("<image"), netz.Komponentenliste.Count());
    for (const auto& s : netz.Subnetzliste)
        EXPECT_TRUE(svg.contains(">" + QByteArray::fromStdString(s->GetNetzIDText()) + "<"));

    // The PNG has twice the pixels of the drawn part, which moves with the network.
    QImage png = QImage::fromData(BildDaten(netz, F.Bilder, TBildformat::Png));
    EXPECT_EQ(png.size(), g * 2);
    EXPECT_LT(g.width(), 1000);
    TKomponente* k = netz.Komponentenliste.GetKomponente(0);
    k->SetPos(k->GetX(), 2500);
    EXPECT_GT(Bildgroesse(netz, F.Bilder).height(), 1500);
    EXPECT_EQ(Seiten(BildDaten(netz, F.Bilder, TBildformat::Pdf)), 1);

    F.Dialoge.DruckPdf = ordner.filePath("druck.pdf");
    // Window shortcuts reach only the active window.
    F->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(F.Form.get()));
    QTest::keyClick(F.Form.get(), Qt::Key_P, Qt::ControlModifier);
    EXPECT_EQ(Seiten(Lies(F.Dialoge.DruckPdf)), 1);
}

TEST(Komfort, DieAnsichtWaechstMitDemFenster) {
    TFenster F;
    const auto teile = F->findChildren<QWidget*>();
    std::vector<QRect> vorher;
    for (QWidget* w : teile)
        vorher.push_back(w->geometry());
    const auto grund = [&](const char* name) {
        return vorher[std::size_t(teile.indexOf(F.Teil(name)))];
    };
    auto* h = F.Teil<QScrollBar>("SBHPosition");
    auto* v = F.Teil<QScrollBar>("SBVPosition");
    F.Teil<QScrollBar>("SBZoom")->setValue(200);
    for (QSize s : {QSize(1228, 885), QSize(900, 600), QSize(700, 500)}) {
        F->resize(s);
        const QSize mehr = (s - QSize(828, 585)).expandedTo(QSize(0, 0));
        const QPoint rechts(mehr.width(), 0), unten(0, mehr.height());
        EXPECT_EQ(F.Anzeige()->geometry(), grund("Anzeige").adjusted(0, 0, rechts.x(), unten.y()));
        EXPECT_EQ(h->geometry(),
                  grund("SBHPosition").translated(unten).adjusted(0, 0, rechts.x(), 0));
        EXPECT_EQ(v->geometry(),
                  grund("SBVPosition").translated(rechts).adjusted(0, 0, 0, unten.y()));
        for (const char* spalte : {"GEinstellungen", "ListBox1", "GroupBox1"})
            EXPECT_EQ(F.Teil(spalte)->pos(), grund(spalte).topLeft() + rechts) << spalte;
        EXPECT_EQ(F.Teil("BBeenden")->pos(), grund("BBeenden").topLeft() + rechts + unten);
        EXPECT_EQ(h->maximum(), 3000 - F.Anzeige()->width() * 2);
        EXPECT_EQ(v->maximum(), 3000 - F.Anzeige()->height() * 2);
    }
    // Back at the layout's size, every control is where it was.
    F->resize(828, 585);
    for (qsizetype i = 0; i < teile.size(); ++i)
        EXPECT_EQ(teile[i]->geometry(), vorher[std::size_t(i)])
            << teile[i]->objectName().toStdString();
}

TEST(Komfort, RadUndTastenWirkenAufDieAnsicht) {
    TFenster F;
    auto* zoom = F.Teil<QScrollBar>("SBZoom");
    auto* h = F.Teil<QScrollBar>("SBHPosition");
    auto* v = F.Teil<QScrollBar>("SBVPosition");
    const auto rad = [&](int winkel, Qt::KeyboardModifiers mod) {
        QWheelEvent e(QPointF(300, 200), F.Anzeige()->mapToGlobal(QPointF(300, 200)), QPoint(),
                      QPoint(0, winkel), Qt::NoButton, mod, Qt::NoScrollPhase, false);
        QApplication::sendEvent(F.Anzeige(), &e);
    };
    rad(-120, Qt::NoModifier);
    EXPECT_GT(v->value(), 0);
    rad(-240, Qt::ShiftModifier);
    EXPECT_GT(h->value(), v->value());
    const QPoint punkt(F->PufferX(300), F->PufferY(200));
    rad(-120, Qt::ControlModifier);
    EXPECT_EQ(zoom->value(), 125);
    EXPECT_EQ(QPoint(F->PufferX(300), F->PufferY(200)), punkt);

    // Escape during a drag puts the device back; Delete removes it, but not from a text field.
    zoom->setValue(100);
    h->setValue(0);
    v->setValue(0);
    QTest::mouseClick(F.Anzeige(), Qt::LeftButton, {}, {100, 100});
    QTest::mousePress(F.Anzeige(), Qt::LeftButton, {}, {100, 100});
    QTest::mouseMove(F.Anzeige(), {300, 300});
    QTest::keyClick(F.Anzeige(), Qt::Key_Escape);
    QTest::mouseRelease(F.Anzeige(), Qt::LeftButton, {}, {300, 300});
    ASSERT_EQ(F.E().Netz().Komponentenliste.Count(), 1);
    EXPECT_EQ(F.E().Netz().Komponentenliste.GetKomponente(0)->GetX(), 100);
    QTest::keyClick(F.Teil("Edit1"), Qt::Key_Delete);
    EXPECT_EQ(F.E().Netz().Komponentenliste.Count(), 1);
    QTest::keyClick(F.Anzeige(), Qt::Key_Delete);
    EXPECT_EQ(F.E().Netz().Komponentenliste.Count(), 0);
}

} // namespace
} // namespace verbundo::test
