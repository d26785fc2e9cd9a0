#pragma once

// The model and the simulation in one include.
#include "../sim/Nachricht.h"
#include "../sim/Netz.h"
#include "../sim/Routing.h"
#include "Adresse.h"
#include "Fehler.h"
#include "Kabel.h"
#include "Komponente.h"
#include "Leinwand.h"
#include "Subnetz.h"
