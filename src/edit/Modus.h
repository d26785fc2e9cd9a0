#pragma once

namespace verbundo {

// The gesture in progress. The values are the ones learners' worksheets and the transcripts
// name, so they stay fixed.
enum class TModus : int {
    Leerlauf = 0,
    Verschieben = 1,   // the selected device follows the pointer
    Kabel = 2,         // a cable is drawn from the selected device
    KabelGewaehlt = 3, // a cable was picked
    Subnetz = 4,       // a subnet is drawn
    SubnetzVerschieben = 10,
    KanteOben = 11,
    KanteUnten = 12,
    KanteLinks = 13,
    KanteRechts = 14,
};

// Moving the selected subnet or one of its edges.
constexpr bool IstSubnetzzug(TModus m) {
    return m >= TModus::SubnetzVerschieben && m <= TModus::KanteRechts;
}

// A drag whose movements are one step of the history.
constexpr bool IstZug(TModus m) {
    return m == TModus::Verschieben || IstSubnetzzug(m);
}

} // namespace verbundo
