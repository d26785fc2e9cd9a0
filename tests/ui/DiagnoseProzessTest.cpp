// The trace button with the real launcher: a stand-in terminal first on PATH writes down the
// argv it was started with.

#include "Testhilfe.h"
#include "ui/Starter.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace verbundo::test {
namespace {

struct TPfad {
    QByteArray Alt = qgetenv("PATH");
    explicit TPfad(const QString& vorn) { qputenv("PATH", vorn.toLocal8Bit() + ':' + Alt); }
    ~TPfad() { qputenv("PATH", Alt); }
};

TEST(DiagnoseProzessTest, TraceWordsReachTheStartedTerminalLiterally) {
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString protokoll = ordner.filePath("argv");
    const QString terminal = ordner.filePath("x-terminal-emulator");
    {
        QFile skript(terminal);
        ASSERT_TRUE(skript.open(QIODevice::WriteOnly));
        // NUL-separated, and renamed into place only when complete.
        skript.write("#!/bin/sh\n"
                     "printf '%s\\0' \"$@\" > \"$0.teil\" && mv \"$0.teil\" \"" +
                     protokoll.toLocal8Bit() + "\"\n");
        skript.close();
        skript.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    TPfad pfad(ordner.path());

    TBilder bilder = TestBilder();
    TSkriptDialoge dialoge;
    TQtStarter starter;
    TForm1 form(bilder, dialoge, starter);
    form.Timer1->stop();
    form.Edit1->setText("; rm -rf x $(touch y) | z");
    QTest::mouseClick(form.Tracert, Qt::LeftButton);

    const QDeadlineTimer frist(20000);
    while (!QFile::exists(protokoll) && !frist.hasExpired())
        QTest::qWait(20);
    QFile datei(protokoll);
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly)) << "the stand-in terminal was not started";
    QList<QByteArray> argv = datei.readAll().split('\0');
    ASSERT_FALSE(argv.isEmpty());
    argv.removeLast(); // after the last separator
    ASSERT_EQ(argv.size(), 13);
    EXPECT_EQ(argv.mid(0, 3), (QList<QByteArray>{"-e", "/bin/sh", "-c"}));
    EXPECT_TRUE(argv[3].contains("traceroute \"$@\""));
    EXPECT_EQ(argv.mid(4),
              (QList<QByteArray>{"sh", ";", "rm", "-rf", "x", "$(touch", "y)", "|", "z"}));
    EXPECT_TRUE(dialoge.Informationen.empty());
}

} // namespace
} // namespace verbundo::test
