// The task panel beside the window: opened by a task file, showing what the core says, and a
// teacher's new check picked on the canvas; the real choice and text dialogs.

#include "Fenster.h"

#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>

namespace verbundo::test {
namespace {

TEST(Aufgabe, PanelPruefenLoeschschutzUndNeuerPruefpunkt) {
    TFenster f;
    f->LadeDatei(VERBUNDO_SOURCE_DIR "/examples/6-aufgabe-buero-falsch.nz");
    QWidget* panel = f.Teil("Aufgabenfenster");
    QTRY_VERIFY(panel->isVisible());
    // A window of its own: the main window's controls stay where they are.
    EXPECT_EQ(f->size(), QSize(828, 585));
    EXPECT_EQ(f.Teil("Button2")->geometry(), QRect(406, 2, 139, 38));
    // Beside it, or at the screen's edge where there is no room: never out of reach.
    EXPECT_TRUE(panel->screen()->availableGeometry().contains(panel->frameGeometry()));

    auto* liste = f.Teil<QListWidget>("Pruefliste");
    QTest::mouseClick(f.Teil<QPushButton>("BAufgabePruefen"), Qt::LeftButton);
    EXPECT_EQ(f.Teil<QLabel>("LPunkte")->text(), "5 von 10 Punkten");
    const TAufgabenansicht v = f.E().Aufgaben().Ansicht();
    EXPECT_EQ(f.Teil<QPlainTextEdit>("Aufgabentext")->toPlainText(),
              QString::fromStdString(v.Text));
    ASSERT_EQ(liste->count(), 8);
    for (int i = 0; i < liste->count(); ++i) {
        const TPruefzeile& z = v.Zeilen[static_cast<std::size_t>(i)];
        EXPECT_EQ(liste->item(i)->text(),
                  QString::fromStdString(z.Text + (z.Grund.empty() ? "" : "\n\u2192 " + z.Grund)));
    }

    // "Löschen" on a given device (the printer) is refused with a box.
    f.Dialoge.MenueWahl = {"Löschen"};
    QTest::mouseClick(f.Anzeige(), Qt::RightButton, {}, QPoint(450, 200));
    EXPECT_EQ(f.E().Netz().Komponentenliste.Count(), 4);
    ASSERT_FALSE(f.Dialoge.Informationen.empty());
    EXPECT_TRUE(f.Dialoge.Informationen.back().contains("vorgegeben"));

    // The teacher adds a check: its kind from the button's menu, its devices clicked.
    QTest::mouseClick(f.Teil<QPushButton>("BAufgabeBearbeiten"), Qt::LeftButton);
    auto* neu = f.Teil<QPushButton>("BNeuerPruefpunkt");
    ASSERT_TRUE(neu->isVisible());
    neu->menu()->actions().at(3)->trigger(); // "Geräte verbunden"
    auto* hinweis = f.Teil<QLabel>("LHinweis");
    QTRY_VERIFY(!hinweis->text().isEmpty());
    const QString erster = hinweis->text();
    f.Dialoge.Eingaben = {"2"};
    QTest::mouseClick(f.Anzeige(), Qt::LeftButton, {}, QPoint(150, 100));
    EXPECT_NE(hinweis->text(), erster); // the panel asks for the second device at once
    QTest::mouseClick(f.Anzeige(), Qt::LeftButton, {}, QPoint(300, 200));
    QTRY_COMPARE(liste->count(), 9);
    EXPECT_EQ(f.E().Netz().Komponentenliste.Count(), 4); // the clicks placed nothing
    EXPECT_EQ(f.Teil<QLabel>("LPunkte")->text(), "12 Punkte möglich");
    QTest::mouseClick(f.Teil<QToolButton>("ToolRueckgaengig"), Qt::LeftButton);
    QTRY_COMPARE(liste->count(), 8);
}

// The choice and the text of several lines: set up as they open, and a choice made in the real
// dialog gives the option's number.
TEST(Aufgabe, AuswahlUndTextfeldDialoge) {
    QInputDialog text, wahl;
    RichteTextfeldEin(text, "Aufgabentext", "Text:", "Zeile 1\nZeile 2");
    EXPECT_TRUE(text.testOption(QInputDialog::UsePlainTextEditForTextInput));
    EXPECT_EQ(text.textValue(), "Zeile 1\nZeile 2");
    RichteAuswahlEin(wahl, "Neuer Prüfpunkt", "Welche Geräte?", {"Computer", "Router"});
    EXPECT_EQ(wahl.comboBoxItems(), QStringList({"Computer", "Router"}));
    EXPECT_FALSE(wahl.isComboBoxEditable());

    TQtDialoge dialoge;
    WennOffen<QInputDialog>([](QInputDialog* d) {
        d->setTextValue("Router");
        d->accept();
    });
    EXPECT_EQ(dialoge.Auswahl(nullptr, "Neuer Prüfpunkt", "Welche Geräte?", {"Computer", "Router"}),
              1);
    WennOffen<QInputDialog>([](QInputDialog* d) { d->reject(); });
    EXPECT_EQ(dialoge.Auswahl(nullptr, "Neuer Prüfpunkt", "Welche Geräte?", {"Computer"}), -1);
}

} // namespace
} // namespace verbundo::test
