#pragma once

#include "edit/Fragen.h"

namespace verbundo {

// Writes through QSaveFile: the old file is replaced only by a complete new one.
class TSichereAblage : public TDateiablage {
public:
    void Schreibe(const std::string& pfad, const std::string& inhalt) override;
};

} // namespace verbundo
