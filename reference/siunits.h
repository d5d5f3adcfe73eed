// The SI tables of the reference screens: the decimal prefixes and the
// definitions of the base units. No widgets.
#pragma once

#include <QString>

#include <vector>

namespace reference {

// A decimal prefix: its name, its Russian symbol and the power of ten.
struct Prefix {
    QString name;
    QString symbol;
    int exponent;
};

// The prefixes larger than one, from 10^18 down to 10^1.
const std::vector<Prefix> &largePrefixes();
// The prefixes smaller than one, from 10^-1 down to 10^-18.
const std::vector<Prefix> &smallPrefixes();

// A base unit's definition and the list item that shows it: list 1 holds
// the first four units, list 2 the other three.
struct Definition {
    int list;
    QString item;
    QString text;
};

// The seven definitions, list 1's items first, each list in its order.
const std::vector<Definition> &definitions();

}  // namespace reference
