#include "Eintritt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    verbundo::fuzz::LeserEintritt(daten, groesse);
    return 0;
}
