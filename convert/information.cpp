// Information: bits and bytes with their multiples of 1024, from bit to
// exabyte. Every pair is a chain of exact steps by 1024 and 8.
#include "quantities.h"

namespace convert {

namespace {

struct InformationUnit {
    QString name;
    int power;  // of 1024
    bool bytes;
};

Quantity build()
{
    const std::vector<InformationUnit> units = {
        {QStringLiteral("бит"), 0, false},      {QStringLiteral("килобит"), 1, false},
        {QStringLiteral("мегабит"), 2, false},  {QStringLiteral("гигабит"), 3, false},
        {QStringLiteral("терабит"), 4, false},  {QStringLiteral("петабит"), 5, false},
        {QStringLiteral("эксабит"), 6, false},  {QStringLiteral("байт"), 0, true},
        {QStringLiteral("килобайт"), 1, true},  {QStringLiteral("мегабайт"), 2, true},
        {QStringLiteral("гигабайт"), 3, true},  {QStringLiteral("терабайт"), 4, true},
        {QStringLiteral("петабайт"), 5, true},  {QStringLiteral("эксабайт"), 6, true},
    };
    QStringList names;
    for (const InformationUnit &unit : units)
        names << unit.name;
    // From a larger unit to a smaller one multiply, the other way divide:
    // first by 1024 as often as the multiples differ, then by 8.
    std::vector<std::vector<Cell>> cells;
    for (const InformationUnit &a : units) {
        std::vector<Cell> &row = cells.emplace_back();
        for (const InformationUnit &b : units) {
            std::vector<Step> steps;
            for (int k = a.power; k > b.power; --k)
                steps.push_back({Step::Multiply, 1024.0L});
            for (int k = a.power; k < b.power; ++k)
                steps.push_back({Step::Divide, 1024.0L});
            if (a.bytes && !b.bytes)
                steps.push_back({Step::Multiply, 8.0L});
            if (!a.bytes && b.bytes)
                steps.push_back({Step::Divide, 8.0L});
            row.emplace_back(std::move(steps));
        }
    }
    return {QStringLiteral("Единицы информации"), QStringLiteral("Перевод единиц информации"), names,
            rulesFromMatrix(names, cells), false, NumberFormat::General, ClickFlow::GuardedConversion};
}

}  // namespace

const Quantity &information()
{
    static const Quantity quantity = build();
    return quantity;
}

}  // namespace convert
