// The records of the conversion screens: texts, units, pair tables and
// switches. Each is built once, on first use.
#pragma once

#include "conversion.h"

namespace convert {

const Quantity &mass();
const Quantity &length();
const Quantity &temperature();
const Quantity &information();
const Quantity &speed();
const Quantity &pressure();
const Quantity &force();
const Quantity &power();
const Quantity &areaMeasures();
const Quantity &solidVolume();
const Quantity &liquidVolume();
const Quantity &angle();
const Quantity &energy();

}  // namespace convert
