#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <iterator>
#include <spawn.h>
#include <sstream>
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

// Runs the tool with the blank-separated words in the test-data folder, so that file names
// appear as given; standard output goes to nach if given, the memory is limited to kB if given.
Ergebnis Cli(const std::string& aufruf, std::string nach = "", long kB = 0) {
    const fs::path tmp = fs::temp_directory_path() / ("verbundo-cli-" + std::to_string(getpid()));
    fs::create_directories(tmp);
    const std::string aus = (tmp / "aus").string(), fehler = (tmp / "fehler").string();
    std::vector<std::string> argv{VERBUNDO_CLI};
    if (kB)
        argv = {"/bin/sh", "-c", "ulimit -v " + std::to_string(kB) + " && exec \"$0\" \"$@\"",
                VERBUNDO_CLI};
    std::istringstream worte(aufruf);
    for (std::string w; worte >> w;)
        argv.push_back(w);
    std::vector<char*> roh;
    for (auto& a : argv)
        roh.push_back(a.data());
    roh.push_back(nullptr);
    posix_spawn_file_actions_t f;
    posix_spawn_file_actions_init(&f);
    if (nach.empty())
        nach = aus;
    posix_spawn_file_actions_addopen(&f, 1, nach.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&f, 2, fehler.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addchdir_np(&f, VERBUNDO_TESTDATA);
    pid_t pid = 0;
    Ergebnis e;
    if (posix_spawn(&pid, roh[0], &f, nullptr, roh.data(), environ) == 0) {
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

void Pruefe(const std::string& aufruf, int status, const std::string& aus,
            const std::string& fehler = "") {
    const Ergebnis e = Cli(aufruf);
    EXPECT_EQ(e.Status, status) << aufruf;
    EXPECT_EQ(e.Aus, aus) << aufruf;
    EXPECT_EQ(e.Fehler, fehler) << aufruf;
}

TEST(Cli, SubcommandsPrintAndExitWithTheirStatus) {
    const std::string ok = ": Alle Ip-Adressen sind korrekt eingestellt.\n",
                      d = " : direkte Verbindung\n";
    Pruefe("routen beispiel.nz", 0,
           "#2 Swit. 0.0.0.0\n  192.168.0.1 -> Kabel 0\n  192.168.0.2 -> Kabel 1\n"
           "  192.168.0.254 -> Kabel 2\n  10.0.0.254 -> Kabel 2\n"
           "#3 Rout. 192.168.0.254 10.0.0.254\n  192.168.0.1 -> Kabel 2\n"
           "  192.168.0.2 -> Kabel 2\n  0.0.0.0 -> Kabel 2\n");
    Pruefe("anzeige beispiel.nz 0", 0, "192.168.0.2" + d + "192.168.0.254" + d);
    Pruefe("anzeige beispiel.nz 2", 0, "192.168.0.1" + d + "192.168.0.2" + d + "192.168.0.254" + d);
    Pruefe("ausgeben beispiel.nz", 0, Lies(fs::path(VERBUNDO_TESTDATA) / "beispiel.nz"));
    // The router stands outside the subnet that its first address belongs to.
    Pruefe("pruefen beispiel.nz", 1, "beispiel.nz: Es sind noch 1 Fehler vorhanden.\n");
    Pruefe("pruefen kette.nz stern.nz", 0, "kette.nz" + ok + "stern.nz" + ok);
    // pruefen checks every file and exits with the worst status.
    Pruefe("pruefen gibtsnicht.nz beispiel.nz buchstabe.nz kette.nz", 2,
           "gibtsnicht.nz: Cannot open file gibtsnicht.nz\n"
           "beispiel.nz: Es sind noch 1 Fehler vorhanden.\n"
           "buchstabe.nz: 'x' is not a valid integer value\nkette.nz" +
               ok);
    Pruefe("routen index.nz", 2, "", "index.nz: List index out of bounds (7)\n");
    Pruefe("ausgeben index.nz", 2, "", "index.nz: List index out of bounds (7)\n");
    Pruefe("anzeige buchstabe.nz 0", 2, "", "buchstabe.nz: 'x' is not a valid integer value\n");
    Pruefe("senden fehlt.nz 0 1.2.3.4", 2, "", "fehlt.nz: Cannot open file fehlt.nz\n");
    const std::string takte12 = "Takt 1: aktiv 0 | unterwegs 1\nTakt 2: aktiv 1 | unterwegs 1\n";
    Pruefe("senden kette.nz 0 192.168.0.2", 0,
           takte12 + "Takt 3: Gerät 1: Nachricht angekommen.\nTakt 3: aktiv - | unterwegs 0\n");
    Pruefe("senden kette.nz 0 192.168.0.2 --takte 2", 0, takte12);
    // The hub floods onto both other ports; only the mail server takes the message.
    Pruefe("senden stern.nz --hub 3 0 192.168.0.3 --mailserver 2 --ports24 3", 0,
           "Takt 1: aktiv 0 | unterwegs 1\nTakt 2: aktiv 1 2 | unterwegs 2\n"
           "Takt 3: Gerät 2: Nachricht auf Server gespeichert.\nTakt 3: aktiv - | unterwegs 0\n");
    // A message to the sender itself arrives at the first tick.
    Pruefe("senden kette.nz 1 192.168.0.2", 0,
           "Takt 1: Gerät 1: Nachricht angekommen.\nTakt 1: aktiv - | unterwegs 0\n");
    Pruefe("senden kette.nz 0 9.9.9.9", 1, "", "kein Ziel: 9.9.9.9\n");
}

TEST(Cli, UsageErrorsAndHelp) {
    const auto aufruf = [](const std::string& text) {
        return text.find("Aufruf: verbundo-cli") != std::string::npos;
    };
    const Ergebnis hilfe = Cli("--help");
    EXPECT_EQ(hilfe.Status, 0);
    EXPECT_TRUE(aufruf(hilfe.Aus));
    EXPECT_EQ(hilfe.Fehler, "");
    const std::string k = "senden kette.nz 0 192.168.0.2 ";
    for (const std::string& falsch : std::vector<std::string>{
             std::string(), "zeigen beispiel.nz", "pruefen", "routen",
             "routen beispiel.nz kette.nz", "anzeige beispiel.nz", "anzeige beispiel.nz 4",
             "anzeige beispiel.nz -1", "anzeige beispiel.nz x", "senden kette.nz 0",
             "senden kette.nz 2 192.168.0.1", "senden beispiel.nz 1 192.168.0.1", k + "--hub 1",
             "senden beispiel.nz 0 192.168.0.2 --hub 3", k + "--mailserver 2", k + "--ports24 0",
             k + "--takte", k + "--takte viele", k + "--laut 1"}) {
        const Ergebnis e = Cli(falsch);
        EXPECT_EQ(e.Status, 2) << falsch;
        EXPECT_TRUE(aufruf(e.Fehler)) << falsch << e.Fehler;
        EXPECT_EQ(e.Aus, "") << falsch;
    }
}

TEST(Cli, UnreadableFilesAndLostOutput) {
    for (const char* aufruf : {"pruefen kette.nz", "routen kette.nz", "anzeige kette.nz 0",
                               "senden kette.nz 0 192.168.0.2", "ausgeben kette.nz"})
        EXPECT_EQ(Cli(aufruf, "/dev/full").Status, 2) << aufruf;
    // A device is no file; a field's NUL and invalid UTF-8 are shown visibly.
    Pruefe("pruefen /dev/null unsichtbar.nz kette.nz", 2,
           "/dev/null: Cannot open file /dev/null\n"
           "unsichtbar.nz: '\\xff\\0x' is not a valid integer value\n"
           "kette.nz: Alle Ip-Adressen sind korrekt eingestellt.\n");
#ifndef __SANITIZE_ADDRESS__ // the sanitizer cannot run in a small address space
    // 6 000 switches in a row: their tables need about 900 MB, more than the tool gets.
    const fs::path gross = fs::temp_directory_path() / ("verbundo-" + std::to_string(getpid()));
    {
        std::ofstream f(gross, std::ios::binary);
        for (int i = 0; i < 6000; ++i)
            f << "Swit.,    1,    1,0.0.0.0\r\n";
        for (int i = 1; i < 6000; ++i)
            f << "Kabel," << std::setw(5) << i - 1 << ',' << std::setw(5) << i << "\r\n";
    }
    const Ergebnis e = Cli("pruefen " + gross.string() + " kette.nz", "", 200'000);
    fs::remove(gross);
    EXPECT_EQ(e.Status, 2);
    EXPECT_EQ(e.Aus, gross.string() + ": Nicht genug Arbeitsspeicher; der Vorgang wurde "
                                      "abgebrochen.\nkette.nz: Alle Ip-Adressen sind korrekt "
                                      "eingestellt.\n");
#endif
}

} // namespace
