// The window's side of the explained test and the message log: the real box chooses a finding,
// the log window fills while a message travels.

#include "Fenster.h"

#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QToolButton>

namespace verbundo::test {
namespace {

TEST(Befunde, GewaehlterBefundWirdGezeigtUndMarkiertBisZurNaechstenAenderung) {
    TEchtesFenster f;
    f->LadeDatei(VERBUNDO_SOURCE_DIR "/examples/3-zwei-netze-fehler.nz");
    auto* h = f.Teil<QScrollBar>("SBHPosition");
    h->setValue(h->maximum());
    const QRgb orange = qRgb(255, 140, 0) & 0xffffffu;
    // The fourth finding: the two computers at (375, 330) and (455, 330) share an address.
    const TKomponente* erster = f.E().Netz().Komponentenliste.GetKomponente(6);
    bool gesehen = false;
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            if (box->buttonRole(b) == QMessageBox::ActionRole)
                b->click();
        auto* details = box->findChild<QTextEdit*>();
        const QTextCursor zeile(details->document()->findBlockByNumber(3));
        QTest::mouseClick(details->viewport(), Qt::LeftButton, {},
                          details->cursorRect(zeile).center() + QPoint(20, 0));
        EXPECT_EQ(f.E().AktKomponente(), erster);
        EXPECT_LT(h->value(), 375);
        EXPECT_EQ(Farbe(f->PufferBild(), 350, 330), orange);
        EXPECT_EQ(Farbe(f->PufferBild(), 430, 330), orange);
        gesehen = true;
        box->button(QMessageBox::Ok)->click();
    });
    QTest::mouseClick(f.Teil<QPushButton>("Button2"), Qt::LeftButton);
    ASSERT_TRUE(gesehen);
    QTest::mouseClick(f.Anzeige(), Qt::LeftButton, {}, QPoint(600, 500));
    EXPECT_NE(Farbe(f->PufferBild(), 350, 330), orange);
}

TEST(Protokoll, FensterFuelltSichWaehrendDieNachrichtReist) {
    TFenster f;
    f->LadeDatei(VERBUNDO_TESTDATA "/kette.nz");
    auto* knopf = f.Teil<QToolButton>("BProtokoll");
    knopf->click();
    QWidget* fenster = f.Teil("Protokollfenster");
    ASSERT_TRUE(fenster->isVisible());
    auto* text = f.Teil<QPlainTextEdit>("Protokoll");
    f.E().Waehle(f.E().Netz().Komponentenliste.GetKomponente(0));
    f.Dialoge.Eingaben = {"192.168.0.2"};
    f.E().Fuehre(TMenuepunkt::Senden);
    // Each tick adds its line soon after; the window fetches the log on a timer of its own.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !text->toPlainText().isEmpty(); }, 20000));
    for (int i = 0; i < 3; ++i) {
        const int vorher = text->blockCount();
        f.E().Takt();
        EXPECT_TRUE(QTest::qWaitFor([&] { return text->blockCount() > vorher; }, 20000)) << i;
    }
    EXPECT_TRUE(text->toPlainText().endsWith("zugestellt bei Computer 192.168.0.2 (300, 100)."))
        << text->toPlainText().toStdString();
    knopf->click();
    EXPECT_FALSE(fenster->isVisible());
}

} // namespace
} // namespace verbundo::test
