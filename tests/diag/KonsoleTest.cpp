#include "diag/Konsole.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace verbundo {
namespace {

namespace fs = std::filesystem;
using Liste = std::vector<std::string>;

// Runs the command line of the first terminal exactly as a launcher would (no shell parses
// it) inside dir, with only dir's stand-ins on PATH; returns what it printed.
std::string Starte(const TKonsolenBefehl& befehl, const fs::path& dir) {
    Liste argv(befehl.Kandidaten.front().Argumente.begin() + 1,
               befehl.Kandidaten.front().Argumente.end());
    std::vector<char*> roh;
    for (auto& a : argv)
        roh.push_back(a.data());
    roh.push_back(nullptr);
    std::string path = "PATH=" + dir.string(), shell = "SHELL=/bin/true";
    char* env[] = {path.data(), shell.data(), nullptr};
    const fs::path aus = dir.parent_path() / (dir.filename().string() + ".aus");
    posix_spawn_file_actions_t f;
    posix_spawn_file_actions_init(&f);
    posix_spawn_file_actions_addopen(&f, 1, aus.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_addopen(&f, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addchdir_np(&f, dir.c_str());
    pid_t pid = 0;
    int status = 0;
    if (posix_spawn(&pid, roh[0], &f, nullptr, roh.data(), env) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&f);
    std::ifstream ein(aus);
    std::string text{std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
    fs::remove(aus);
    return text;
}

TEST(Konsole, RealShellRunsStandInsWithTheWordsLiterally) {
    const fs::path dir =
        fs::temp_directory_path() / ("verbundo-konsole-" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    // A stand-in prints its name and each argument in brackets.
    const auto programm = [&](const std::string& name) {
        std::ofstream(dir / name) << "#!/bin/sh\nprintf '%s' " << name
                                  << "\nfor a in \"$@\"; do printf '[%s]' \"$a\"; done\necho\n";
        fs::permissions(dir / name, fs::perms::owner_all);
    };
    programm("ip");
    programm("tracepath");
    EXPECT_EQ(Starte(IpConfigBefehl(), dir), "ip[address][show]\n");
    EXPECT_EQ(Starte(RouteBefehl(), dir), "ip[route][show]\n");
    EXPECT_EQ(Starte(TracertBefehl("ziel"), dir), "tracepath[ziel]\n");
    programm("traceroute");
    EXPECT_EQ(
        Starte(TracertBefehl(" 10.0.0.1 ; >weg1 && $(>weg2) `>weg3` |x 'a b' \"c\" $HOME * "), dir),
        "traceroute[10.0.0.1][;][>weg1][&&][$(>weg2)][`>weg3`][|x]['a][b'][\"c\"][$HOME][*]"
        "\n");
    for (const char* weg : {"weg1", "weg2", "weg3"})
        EXPECT_FALSE(fs::exists(dir / weg)) << weg;
    fs::remove_all(dir);
}

} // namespace
} // namespace verbundo
