// The fact tables of the lookup screens: each screen is one table of item
// texts with the fact shown for each, read by one lookup. No widgets.
#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace reference {

// One item of a lookup list and the texts its value labels show (one label,
// or the five rows of the planets screen).
struct Fact {
    QString item;
    QStringList values;
};

struct FactTable {
    QString caption;             // the window caption
    QString listCaption;         // above the list
    QString valueCaption;        // above the value label(s)
    QStringList rowCaptions;     // one per value label when there are several
    std::vector<Fact> facts;     // in list order
};

const FactTable &densities();
const FactTable &speeds();
const FactTable &mountains();
const FactTable &lakes();
const FactTable &rivers();
const FactTable &planets();

// The item texts of a table, in list order.
QStringList items(const FactTable &table);

// The values the labels take when the list shows `text`, compared exactly
// and case-sensitively; nullptr when no item has that text, and the labels
// are then left as they are.
const QStringList *lookUp(const FactTable &table, const QString &text);

}  // namespace reference
