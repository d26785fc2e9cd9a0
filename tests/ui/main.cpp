// A QApplication before the first widget; offscreen without a display. The tests run in a
// home folder of their own, so no dialog or recovery file reads or writes the user's.
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir heim(QDir::tempPath() + "/verbundo-test-heim-XXXXXX");
    if (!heim.isValid())
        return 1;
    qputenv("HOME", QFile::encodeName(heim.path()));
    for (const char* name :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME", "XDG_CACHE_HOME"})
        qunsetenv(name);
    // Qt wants a runtime folder that only its owner may enter, as the temporary one is.
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(heim.path()));
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
