// The recovery copy: any file name reads back as it was and never as records; a copy that does
// not read back whole is refused, read with the loader's limits.

#include "files/Sicherung.h"
#include "files/NetzDatei.h"
#include "model/Fehler.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace verbundo {
namespace {

namespace fs = std::filesystem;

TEST(Sicherung, JederDateinameKommtUnveraendertZurueck) {
    TNetz netz;
    auto* s = netz.Neu<TSwitch>(200, 100);
    netz.Verbinde(netz.Neu<TComputer>(100, 100), s);
    s->Hub = true;
    const std::string netztext = NetzdateiText(netz);
    ASSERT_TRUE(netztext.ends_with("#hub ,    0\r\n"));
    for (const std::optional<std::string>& name :
         {std::optional<std::string>{}, std::optional<std::string>{"/schule/klasse\n.nz"},
          std::optional<std::string>{"a\r\nComp.,  500,  500,1.2.3.4\r\nx.nz"},
          std::optional<std::string>{std::string("\xff\0z.nz", 5)}}) {
        const std::string text = SicherungsText(netz, name);
        // Whatever the name, the line that holds it has no letter a record could start with.
        const std::string zeile = text.substr(netztext.size());
        EXPECT_EQ(zeile.find_first_of("CDKNRS"), std::string::npos) << zeile;
        const TSicherung zurueck = LiesSicherung(text);
        EXPECT_EQ(zurueck.Datei, name);
        EXPECT_EQ(NetzdateiText(zurueck.Netz), NetzdateiText(netz));
        EXPECT_TRUE(Als<TSwitch>(zurueck.Netz.Komponentenliste.GetKomponente(0))->Hub);
        EXPECT_EQ(
            Als<TSwitch>(zurueck.Netz.Komponentenliste.GetKomponente(0))->Routingtabelle.Count(),
            1);
    }
}

TEST(Sicherung, WasNichtGanzZuruecklesbarIstWirdAbgelehnt) {
    TNetz netz;
    netz.Neu<TComputer>(100, 100);
    const std::string gut = SicherungsText(netz, "klasse.nz");
    const std::string ohneEnde = gut.substr(0, gut.size() - 2);
    for (const std::string& text : std::vector<std::string>{
             std::string(), ohneEnde, gut.substr(0, gut.find("#datei")), ohneEnde + "0\r\n",
             ohneEnde + "g0\r\n", ohneEnde.substr(0, ohneEnde.size() - 2) + "A5\r\n",
             // as copies were once written: the name first, unmarked
             "klasse.nz\n" + NetzdateiText(netz), std::string("Kabel,    0,    7\r\n#datei,\r\n")})
        EXPECT_THROW(LiesSicherung(text), EFehler) << text;
    // A network whose tables would be too large is refused before anything is made of it.
    std::string riesig;
    for (int i = 0; i < 8100; ++i)
        riesig += "Swit.,  100,  100,0.0.0.0\r\n";
    for (int i = 1; i < 8100; ++i) {
        char kabel[32];
        std::snprintf(kabel, sizeof kabel, "Kabel,%5d,%5d\r\n", i - 1, i);
        riesig += kabel;
    }
    try {
        LiesSicherung(riesig + "#datei,\r\n");
        ADD_FAILURE() << "accepted";
    } catch (const EFehler& e) {
        EXPECT_TRUE(std::string(e.what()).starts_with("Das Netz ist zu groß")) << e.what();
    }
}

TEST(Sicherung, AusDerDateiNurGewoehnlichUndBegrenzt) {
    const fs::path ordner =
        fs::temp_directory_path() / ("verbundo-sicherung-" + std::to_string(getpid()));
    fs::create_directories(ordner);
    const struct TWeg {
        fs::path P;
        ~TWeg() { fs::remove_all(P); }
    } weg{ordner};
    TNetz netz;
    netz.Neu<TDrucker>(10, 20);
    std::ofstream(ordner / "gut.nz", std::ios::binary) << SicherungsText(netz, "x.nz");
    EXPECT_EQ(OeffneSicherung((ordner / "gut.nz").string()).Datei, "x.nz");
    // A link to an endless device is refused at once, an oversized file unread.
    fs::create_symlink("/dev/zero", ordner / "null.nz");
    EXPECT_THROW(OeffneSicherung((ordner / "null.nz").string()), EFehler);
    std::ofstream(ordner / "gross.nz") << "Comp.";
    fs::resize_file(ordner / "gross.nz", MaxDateigroesse + 1);
    EXPECT_THROW(OeffneSicherung((ordner / "gross.nz").string()), EFehler);
}

} // namespace
} // namespace verbundo
