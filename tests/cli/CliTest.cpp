#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct Ergebnis {
    int Status = -1;
    std::string Aus, Fehler;
};

std::string Lies(const fs::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

// Runs the tool in the test-data folder, so that file names appear as given.
Ergebnis Cli(const std::vector<std::string>& argumente) {
    const fs::path tmp = fs::temp_directory_path() / ("verbundo-cli-" + std::to_string(getpid()));
    fs::create_directories(tmp);
    const std::string aus = (tmp / "aus").string(), fehler = (tmp / "fehler").string();
    std::vector<std::string> argv{VERBUNDO_CLI};
    argv.insert(argv.end(), argumente.begin(), argumente.end());
    std::vector<char*> roh;
    for (auto& a : argv)
        roh.push_back(a.data());
    roh.push_back(nullptr);
    posix_spawn_file_actions_t f;
    posix_spawn_file_actions_init(&f);
    posix_spawn_file_actions_addopen(&f, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&f, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&f, VERBUNDO_TESTDATA);
    pid_t pid = 0;
    Ergebnis e;
    if (posix_spawn(&pid, argv[0].c_str(), &f, nullptr, roh.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        e.Status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    posix_spawn_file_actions_destroy(&f);
    e.Aus = Lies(aus);
    e.Fehler = Lies(fehler);
    fs::remove_all(tmp);
    return e;
}

bool IstAufruf(const std::string& text) {
    return text.find("Aufruf: verbundo-cli") != std::string::npos;
}

TEST(Cli, WorkedExample) {
    auto e = Cli({"routen", "beispiel.nz"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, "#2 Swit. 0.0.0.0\n"
                     "  192.168.0.1 -> Kabel 0\n"
                     "  192.168.0.2 -> Kabel 1\n"
                     "  192.168.0.254 -> Kabel 2\n"
                     "  10.0.0.254 -> Kabel 2\n"
                     "#3 Rout. 192.168.0.254 10.0.0.254\n"
                     "  192.168.0.1 -> Kabel 2\n"
                     "  192.168.0.2 -> Kabel 2\n"
                     "  0.0.0.0 -> Kabel 2\n");
    EXPECT_EQ(e.Fehler, "");

    e = Cli({"anzeige", "beispiel.nz", "0"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, "192.168.0.2 : direkte Verbindung\n192.168.0.254 : direkte Verbindung\n");
    e = Cli({"anzeige", "beispiel.nz", "2"});
    EXPECT_EQ(e.Aus, "192.168.0.1 : direkte Verbindung\n192.168.0.2 : direkte Verbindung\n"
                     "192.168.0.254 : direkte Verbindung\n");

    // The router stands outside the subnet that its first address belongs to.
    e = Cli({"pruefen", "beispiel.nz"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "beispiel.nz: Es sind noch 1 Fehler vorhanden.\n");

    e = Cli({"ausgeben", "beispiel.nz"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, Lies(fs::path(VERBUNDO_TESTDATA) / "beispiel.nz"));
}

TEST(Cli, PruefenChecksEveryFileAndReportsTheWorstStatus) {
    auto e = Cli({"pruefen", "kette.nz", "stern.nz"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, "kette.nz: Alle Ip-Adressen sind korrekt eingestellt.\n"
                     "stern.nz: Alle Ip-Adressen sind korrekt eingestellt.\n");
    e = Cli({"pruefen", "gibtsnicht.nz", "beispiel.nz", "buchstabe.nz", "kette.nz"});
    EXPECT_EQ(e.Status, 2);
    EXPECT_EQ(e.Aus, "gibtsnicht.nz: Cannot open file gibtsnicht.nz\n"
                     "beispiel.nz: Es sind noch 1 Fehler vorhanden.\n"
                     "buchstabe.nz: 'x' is not a valid integer value\n"
                     "kette.nz: Alle Ip-Adressen sind korrekt eingestellt.\n");
    EXPECT_EQ(e.Fehler, "");
}

TEST(Cli, UnreadableFileGoesToStandardError) {
    for (const char* befehl : {"routen", "ausgeben"}) {
        auto e = Cli({befehl, "index.nz"});
        EXPECT_EQ(e.Status, 2);
        EXPECT_EQ(e.Aus, "");
        EXPECT_EQ(e.Fehler, "index.nz: List index out of bounds (7)\n");
    }
    auto e = Cli({"anzeige", "buchstabe.nz", "0"});
    EXPECT_EQ(e.Status, 2);
    EXPECT_EQ(e.Fehler, "buchstabe.nz: 'x' is not a valid integer value\n");
    e = Cli({"senden", "fehlt.nz", "0", "1.2.3.4"});
    EXPECT_EQ(e.Status, 2);
    EXPECT_EQ(e.Fehler, "fehlt.nz: Cannot open file fehlt.nz\n");
}

TEST(Cli, SendenPrintsEachTickAndDelivery) {
    auto e = Cli({"senden", "kette.nz", "0", "192.168.0.2"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, "Takt 1: aktiv 0 | unterwegs 1\n"
                     "Takt 2: aktiv 1 | unterwegs 1\n"
                     "Takt 3: Gerät 1: Nachricht angekommen.\n"
                     "Takt 3: aktiv - | unterwegs 0\n");
    e = Cli({"senden", "kette.nz", "0", "192.168.0.2", "--takte", "2"});
    EXPECT_EQ(e.Aus, "Takt 1: aktiv 0 | unterwegs 1\nTakt 2: aktiv 1 | unterwegs 1\n");
    // The hub floods onto both other ports; only the mail server takes the message.
    e = Cli({"senden", "stern.nz", "--hub", "3", "0", "192.168.0.3", "--mailserver", "2",
             "--ports24", "3"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_EQ(e.Aus, "Takt 1: aktiv 0 | unterwegs 1\n"
                     "Takt 2: aktiv 1 2 | unterwegs 2\n"
                     "Takt 3: Gerät 2: Nachricht auf Server gespeichert.\n"
                     "Takt 3: aktiv - | unterwegs 0\n");
    // A message to the sender itself is delivered at the first tick.
    e = Cli({"senden", "kette.nz", "1", "192.168.0.2"});
    EXPECT_EQ(e.Aus, "Takt 1: Gerät 1: Nachricht angekommen.\nTakt 1: aktiv - | unterwegs 0\n");
    e = Cli({"senden", "kette.nz", "0", "9.9.9.9"});
    EXPECT_EQ(e.Status, 1);
    EXPECT_EQ(e.Aus, "");
    EXPECT_EQ(e.Fehler, "kein Ziel: 9.9.9.9\n");
}

TEST(Cli, UsageErrorsAndHelp) {
    auto e = Cli({"--help"});
    EXPECT_EQ(e.Status, 0);
    EXPECT_TRUE(IstAufruf(e.Aus));
    EXPECT_EQ(e.Fehler, "");
    const std::vector<std::vector<std::string>> falsch = {
        {},
        {"zeigen", "beispiel.nz"},
        {"pruefen"},
        {"routen"},
        {"routen", "beispiel.nz", "kette.nz"},
        {"anzeige", "beispiel.nz"},
        {"anzeige", "beispiel.nz", "4"},
        {"anzeige", "beispiel.nz", "-1"},
        {"anzeige", "beispiel.nz", "x"},
        {"senden", "kette.nz", "0"},
        {"senden", "kette.nz", "2", "192.168.0.1"},
        {"senden", "beispiel.nz", "1", "192.168.0.1"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--hub", "1"},
        {"senden", "beispiel.nz", "0", "192.168.0.2", "--hub", "3"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--mailserver", "2"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--ports24", "0"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--takte"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--takte", "viele"},
        {"senden", "kette.nz", "0", "192.168.0.2", "--laut", "1"},
    };
    for (const auto& a : falsch) {
        e = Cli(a);
        std::string zeile;
        for (const auto& w : a)
            zeile += w + " ";
        EXPECT_EQ(e.Status, 2) << zeile;
        EXPECT_TRUE(IstAufruf(e.Fehler)) << zeile << e.Fehler;
        EXPECT_EQ(e.Aus, "") << zeile;
    }
}

} // namespace
