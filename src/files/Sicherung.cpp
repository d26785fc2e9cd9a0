// The recovery copy: the network and the name of its file, read back all or nothing.

#include "Sicherung.h"

#include "NetzDatei.h"
#include "Quelle.h"

#include <sstream>
#include <string_view>

namespace verbundo {

namespace {

constexpr std::string_view Kennung = "#datei,";
constexpr char Ziffern[] = "0123456789abcdef";

EFehler Unlesbar(const std::string& grund) {
    return EFehler("Die Wiederherstellungsdatei ist unvollständig oder beschädigt (" + grund +
                   ").");
}

int Ziffer(char c) {
    for (int i = 0; i < 16; ++i)
        if (Ziffern[i] == c)
            return i;
    return -1;
}

std::optional<std::string> Name(std::string_view zeile) {
    if (zeile.substr(0, Kennung.size()) != Kennung)
        throw Unlesbar("keine Dateizeile am Ende");
    const std::string_view hex = zeile.substr(Kennung.size());
    if (hex.empty())
        return std::nullopt;
    std::string name;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        const int hoch = Ziffer(hex[i]), tief = Ziffer(hex[i + 1]);
        if (hoch < 0 || tief < 0)
            break;
        name += static_cast<char>(hoch * 16 + tief);
    }
    if (name.size() * 2 != hex.size())
        throw Unlesbar("Dateiname nicht lesbar");
    return name;
}

} // namespace

std::string SicherungsText(const TNetz& netz, const std::optional<std::string>& datei) {
    std::string text = NetzdateiText(netz);
    text += Kennung;
    if (datei)
        for (const unsigned char c : *datei) {
            text += Ziffern[c >> 4];
            text += Ziffern[c & 15];
        }
    text += "\r\n";
    return text;
}

TSicherung LiesSicherung(const std::string& text) {
    if (!text.ends_with("\r\n"))
        throw Unlesbar("keine Dateizeile am Ende");
    const std::size_t ende = text.size() - 2;
    const std::size_t davor = ende == 0 ? std::string::npos : text.rfind("\r\n", ende - 1);
    const std::size_t anfang = davor == std::string::npos ? 0 : davor + 2;
    TSicherung s;
    s.Datei = Name(std::string_view(text).substr(anfang, ende - anfang));
    std::istringstream netz(text.substr(0, anfang));
    try {
        LeseNetzdatei(netz, s.Netz);
    } catch (const ELesefehler& e) {
        throw EFehler("Zeile " + std::to_string(e.Stelle.Zeile) + ", Spalte " +
                      std::to_string(e.Stelle.Spalte) + ": " + e.what());
    }
    s.Netz.BerechneRouting();
    return s;
}

TSicherung OeffneSicherung(const std::string& pfad) {
    const auto quelle = DateiQuelle(pfad, MaxDateigroesse);
    std::string text;
    char puffer[65536];
    for (std::size_t n; (n = quelle->Lies(puffer, sizeof puffer)) > 0;) {
        // The size was checked when the file was opened; a file that grows since is cut off
        // here rather than read without end.
        if (text.size() + n > MaxDateigroesse)
            throw DateiZuGross(MaxDateigroesse);
        text.append(puffer, n);
    }
    return LiesSicherung(text);
}

} // namespace verbundo
