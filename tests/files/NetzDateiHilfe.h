#pragma once

#include "files/NetzDatei.h"
#include "sim/Netz.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace verbundo::test {

inline std::string LiesDatei(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), std::istreambuf_iterator<char>()};
}

inline std::string Testdatei(const std::string& name) {
    return std::string(VERBUNDO_TESTDATA) + "/" + name;
}

// Reads text into a fresh network (optionally appending to vorhanden's network).
inline void Lies(const std::string& text, TNetz& netz, const TKompList* vorhanden = nullptr) {
    std::istringstream ein(text);
    LeseNetzdatei(ein, netz, vorhanden);
}

// Everything the file keeps, plus each device's port list by cable position, as one text:
// two networks that print alike are alike for the file.
std::string Abbild(const TNetz& netz);

} // namespace verbundo::test
