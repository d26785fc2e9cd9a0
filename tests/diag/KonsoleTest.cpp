#include "diag/Konsole.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verbundo {
namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

TEST(Konsole, WindowsParameterStrings) {
    EXPECT_EQ(IpConfigBefehl().WindowsParameter, "/k ipconfig.exe /all");
    EXPECT_EQ(RouteBefehl().WindowsParameter, "/k route PRINT");
    EXPECT_EQ(TracertBefehl("0.0.0.0").WindowsParameter, "/k tracert 0.0.0.0");
    EXPECT_EQ(TracertBefehl("").WindowsParameter, "/k tracert ");
    EXPECT_EQ(TracertBefehl(" a  -h 3 ").WindowsParameter, "/k tracert  a  -h 3 ");
}

TEST(Konsole, TerminalsInOrderEachWithItsCommandFlag) {
    const TKonsolenBefehl b = TracertBefehl("  10.0.0.1   -m 5 ");
    ASSERT_EQ(b.Kandidaten.size(), 5u);
    const std::pair<const char*, const char*> erwartet[] = {{"x-terminal-emulator", "-e"},
                                                            {"gnome-terminal", "--"},
                                                            {"konsole", "-e"},
                                                            {"xfce4-terminal", "-x"},
                                                            {"xterm", "-e"}};
    for (std::size_t i = 0; i < 5; ++i) {
        const auto& k = b.Kandidaten[i];
        EXPECT_EQ(k.Programm, erwartet[i].first);
        ASSERT_EQ(k.Argumente.size(), 8u) << k.Programm;
        EXPECT_EQ(k.Argumente[0], erwartet[i].second);
        EXPECT_EQ(Liste(k.Argumente.begin() + 1, k.Argumente.begin() + 4),
                  (Liste{"/bin/sh", "-c", b.Kandidaten[0].Argumente[3]}));
        EXPECT_EQ(Liste(k.Argumente.begin() + 4, k.Argumente.end()),
                  (Liste{"sh", "10.0.0.1", "-m", "5"}));
    }
    EXPECT_EQ(TracertBefehl("   ").Kandidaten[0].Argumente.size(), 5u);
}

// Runs argv exactly as a launcher would (no shell parses it) with only the stand-ins of dir
// on PATH, inside dir; returns what it printed.
std::string Starte(const Liste& argv, const fs::path& dir) {
    std::vector<char*> roh;
    for (const auto& a : argv)
        roh.push_back(const_cast<char*>(a.c_str()));
    roh.push_back(nullptr);
    std::string path = "PATH=" + dir.string();
    char shell[] = "SHELL=/bin/true";
    char* env[] = {path.data(), shell, nullptr};
    int rohr[2];
    if (pipe(rohr) != 0)
        return "pipe";
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_adddup2(&aktionen, rohr[1], 1);
    posix_spawn_file_actions_addclose(&aktionen, rohr[0]);
    posix_spawn_file_actions_addopen(&aktionen, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addchdir_np(&aktionen, dir.c_str());
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, argv[0].c_str(), &aktionen, nullptr, roh.data(), env);
    posix_spawn_file_actions_destroy(&aktionen);
    close(rohr[1]);
    std::string aus;
    char puffer[256];
    for (ssize_t n; (n = read(rohr[0], puffer, sizeof puffer)) > 0;)
        aus.append(puffer, static_cast<std::size_t>(n));
    close(rohr[0]);
    int status = 0;
    if (rc == 0)
        waitpid(pid, &status, 0);
    return rc == 0 ? aus : "spawn failed";
}

struct Platzhalter : ::testing::Test {
    fs::path Dir;
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("verbundo-konsole-" + std::to_string(getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(Dir);
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }
    // A stand-in that prints its name and each argument in brackets.
    void Programm(const std::string& name) {
        const fs::path p = Dir / name;
        std::ofstream(p) << "#!/bin/sh\nprintf '%s' " << name
                         << "\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done\necho\n";
        fs::permissions(p, fs::perms::owner_all);
    }
    static Liste Befehlszeile(const TKonsolenBefehl& b) {
        const auto& a = b.Kandidaten.front().Argumente;
        return Liste(a.begin() + 1, a.end());
    }
};

TEST_F(Platzhalter, ShellCharactersReachTheTraceCommandLiterally) {
    Programm("traceroute");
    Programm("tracepath");
    const std::string eingabe = " 10.0.0.1 ; >weg1 && $(>weg2) `>weg3` |x 'a b' \"c\" $HOME * ";
    EXPECT_EQ(Starte(Befehlszeile(TracertBefehl(eingabe)), Dir),
              "traceroute[10.0.0.1][;][>weg1][&&][$(>weg2)][`>weg3`][|x]['a]"
              "[b'][\"c\"][$HOME][*]\n");
    for (const char* weg : {"weg1", "weg2", "weg3"})
        EXPECT_FALSE(fs::exists(Dir / weg)) << weg;
}

TEST_F(Platzhalter, TracepathWhenTracerouteIsMissing) {
    Programm("tracepath");
    EXPECT_EQ(Starte(Befehlszeile(TracertBefehl("ziel")), Dir), "tracepath[ziel]\n");
}

TEST_F(Platzhalter, AddressAndRouteCommands) {
    Programm("ip");
    EXPECT_EQ(Starte(Befehlszeile(IpConfigBefehl()), Dir), "ip[address][show]\n");
    EXPECT_EQ(Starte(Befehlszeile(RouteBefehl()), Dir), "ip[route][show]\n");
}

} // namespace
} // namespace verbundo
