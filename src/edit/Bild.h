#pragma once

#include "../model/Subnetz.h"
#include "Modus.h"

#include <vector>

namespace verbundo {

class TKabel;
class TKomponente;
class TLeinwand;
class TNetz;

// What the picture shows besides the network: the selection and the gesture in progress.
struct TBildzustand {
    const TKomponente* AktKomponente = nullptr;
    const TKabel* AktKabel = nullptr;
    const TSubnet* AktSubnetz = nullptr;
    TModus Modus = TModus::Leerlauf;
    TPunkt Startpunkt, Endpunkt;
    // The objects of the configuration-test finding the learner chose.
    std::vector<const TKomponente*> Markiert;
    const TSubnet* MarkiertesSubnetz = nullptr;
    // Filled white first: the whole surface, or the part a picture is cut from.
    TRect Flaeche{0, 0, 3000, 3000};
};

// The whole picture, in this order: white ground, the rubber band of a cable being drawn,
// cables (green with the document icon while a message crosses them), the selected cable in
// red, devices, the selection square, subnets (the selected one red), the subnet being drawn,
// the letters of a task's given devices, the marks of a chosen finding.
void ZeichneBild(TLeinwand& c, const TNetz& netz, const TBildzustand& z);
// The letters of a task's given devices, each in a small box at the icon's top right.
void ZeichneVorgaben(TLeinwand& c, const TNetz& netz);

} // namespace verbundo
