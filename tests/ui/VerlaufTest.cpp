// Undo and redo in the window, the caption's unsaved mark, the question before unsaved work
// goes, and the recovery file through a crash.

#include "Fenster.h"

#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

namespace verbundo::test {
namespace {

void Platziere(const TFenster& f, int x) {
    QTest::mouseClick(f.Anzeige(), Qt::LeftButton, {}, QPoint(x, 100));
}

TEST(Verlauf, TitelKnoepfeUndTasten) {
    TFenster f;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Form.get()));
    auto* zurueck = f.Teil<QToolButton>("ToolRueckgaengig");
    auto* vor = f.Teil<QToolButton>("ToolWiederholen");
    const auto stand = [&] {
        return QStringLiteral("%1 %2 %3 %4")
            .arg(f->windowTitle())
            .arg(f.E().Netz().Komponentenliste.Count())
            .arg(zurueck->isEnabled())
            .arg(vor->isEnabled())
            .toStdString();
    };
    EXPECT_EQ(stand(), std::string("Unbenannt.nz – Verbundo 0 0 0"));
    Platziere(f, 100);
    EXPECT_EQ(stand(), std::string("Unbenannt.nz* – Verbundo 1 1 0"));
    QTest::keyClick(f->windowHandle(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(stand(), std::string("Unbenannt.nz – Verbundo 0 0 1"));
    QTest::keyClick(f->windowHandle(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(stand(), std::string("Unbenannt.nz* – Verbundo 1 1 0"));
    zurueck->click();
    EXPECT_EQ(f.E().Netz().Komponentenliste.Count(), 0);
    QTest::keyClick(f->windowHandle(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(stand(), std::string("Unbenannt.nz* – Verbundo 1 1 0"));
}

// Closing with unsaved changes, for each answer; a failed or cancelled save keeps it open.
TEST(Verlauf, FrageVorDemVerwerfen) {
    QTemporaryDir ordner;
    const struct {
        int antwort;
        QString datei;
        bool zu;
    } faelle[] = {{0, ordner.filePath("gut.nz"), true},
                  {0, ordner.filePath("fehlt/x.nz"), false},
                  {0, {}, false},
                  {1, {}, true},
                  {2, {}, false}};
    for (const auto& fall : faelle) {
        TFenster f;
        Platziere(f, 100);
        f.Dialoge.FrageAntworten = {fall.antwort};
        f.Dialoge.SpeichernAntworten = {fall.datei};
        EXPECT_EQ(f->close(), fall.zu) << fall.antwort << fall.datei.toStdString();
        ASSERT_EQ(f.Dialoge.Fragen.size(), 1u);
        EXPECT_EQ(f.Dialoge.Fragen[0], QStringLiteral("Änderungen an „Unbenannt.nz“ speichern? | "
                                                      "Speichern/Verwerfen/Abbrechen"));
        EXPECT_EQ(QFile::exists(fall.datei), fall.zu && !fall.datei.isEmpty());
    }
}

// The real box: its three buttons, and the picture stays as it was when cancelled.
TEST(Verlauf, EchteFrageBeimBeenden) {
    TEchtesFenster f;
    QTest::mouseClick(f.Anzeige(), Qt::LeftButton, {}, QPoint(100, 100));
    QStringList knoepfe;
    WennOffen<QMessageBox>([&](QMessageBox* box) {
        for (QAbstractButton* b : box->buttons())
            knoepfe << b->text().remove(QLatin1Char('&'));
        QTest::keyClick(box, Qt::Key_Escape);
    });
    f.Teil<QPushButton>("BBeenden")->click();
    knoepfe.sort();
    EXPECT_EQ(knoepfe.join(QLatin1Char(' ')), QStringLiteral("Abbrechen Speichern Verwerfen"));
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(f.E().Netz().Komponentenliste.Count(), 1);
}

QStringList Sicherungen(const QString& ordner) {
    return QDir(ordner + QStringLiteral("/verbundo")).entryList({QStringLiteral("*.nz")});
}

// Written shortly after a change, left by a window that ends without closing, offered and
// restored at the next start (never to a second program), removed on a clean exit.
TEST(Verlauf, WiederherstellungNachAbsturz) {
    QTemporaryDir ordner;
    const TUmgebung zustand("XDG_STATE_HOME", ordner.path().toUtf8());
    auto erstes = std::make_unique<TFenster>();
    (*erstes)->StarteWiederherstellung();
    Platziere(*erstes, 100);
    Platziere(*erstes, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Sicherungen(ordner.path()).isEmpty(); }, 20000));
    erstes.reset();
    ASSERT_EQ(Sicherungen(ordner.path()).size(), 1);

    TFenster zweites;
    zweites.Dialoge.FrageAntworten = {0};
    zweites->StarteWiederherstellung();
    EXPECT_EQ(zweites.Dialoge.Fragen.size(), 1u);
    EXPECT_EQ(zweites.E().Netz().Komponentenliste.Count(), 2);
    EXPECT_EQ(zweites->windowTitle(), QStringLiteral("Unbenannt.nz* – Verbundo"));
    TFenster drittes;
    drittes->StarteWiederherstellung();
    EXPECT_TRUE(drittes.Dialoge.Fragen.empty());

    zweites.Dialoge.FrageAntworten = {1};
    EXPECT_TRUE(zweites->close());
    EXPECT_TRUE(drittes->close());
    EXPECT_TRUE(Sicherungen(ordner.path()).isEmpty());

    // Copies that cannot be read, an endless device among them, are named and can go.
    const QString verbundo = ordner.filePath("verbundo/");
    ASSERT_TRUE(QFile::link("/dev/zero", verbundo + "sicherung-1-1.nz"));
    QFile alt(verbundo + "sicherung-1-2.nz");
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly) && alt.write("klasse.nz\nComp.,  1,  1\r\n") > 0);
    alt.close();
    TFenster viertes;
    viertes.Dialoge.FrageAntworten = {0, 0, 0, 0};
    viertes->StarteWiederherstellung();
    ASSERT_EQ(viertes.Dialoge.Fragen.size(), 4u);
    for (int i : {1, 3}) {
        EXPECT_TRUE(viertes.Dialoge.Fragen[i].startsWith("Die Wiederherstellungsdatei „" +
                                                         QDir::toNativeSeparators(verbundo)))
            << viertes.Dialoge.Fragen[i].toStdString();
        EXPECT_TRUE(viertes.Dialoge.Fragen[i].endsWith("Verwerfen/Behalten"));
    }
    EXPECT_EQ(viertes.E().Netz().Komponentenliste.Count(), 0);
    EXPECT_EQ(viertes->windowTitle(), QStringLiteral("Unbenannt.nz – Verbundo"));
    EXPECT_TRUE(Sicherungen(ordner.path()).isEmpty());
}

} // namespace
} // namespace verbundo::test
