#include "Eintritt.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    verbundo::fuzz::IPEintritt(daten, groesse);
    return 0;
}
