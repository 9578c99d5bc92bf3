#pragma once

#include "calc/common/calculationrequest.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace calc {


// A choice a user makes on a calculator that changes its list of sizes or its formula.
struct TableCondition {
    QString caption;  // what is chosen, in a few words: "трубы", "класс", "система"
    // The items offered, as the screen shows them, for the choices made before this condition.
    std::function<QStringList(const ConditionChoices& earlier)> choices;
    int initial = -1;  // chosen when the calculator opens
    // Whether the calculator may compute with nothing chosen in the list while it has items: a
    // class or series the catalog needs and a typed diameter does not.
    bool mayStayUnchosen = false;
};

// A catalog size as the lists show it (outer diameter and wall joined by " × ") and the diameter
// the calculation takes for it.
struct CatalogSize {
    QString designation;
    double calculationDiameterMm = 0;
    // The catalog's row of the pipe as the calculator's tooltip words it, on the tables that
    // name it; empty where the catalog has no row of the size for these choices.
    QString description{};
};

// A standard's designation as its link shows it and its document in the document folder.
struct StandardDocument {
    QString designation;
    QString file;
};

// What the program knows of one table II-1 … II-11 apart from its screen.
struct TableRecord {
    int number = 0;  // 1 for II-1
    QString title;   // the calculator's window title
    QList<StandardDocument> documents;  // the links of the calculator, first the one of its catalog
    QList<TableCondition> conditions;
    // The catalog sizes in list order for these choices; empty where a choice the catalog needs
    // is missing.
    std::function<QList<CatalogSize>(const ConditionChoices& chosen)> sizes;
    // The record of a calculation for an explanatory note, line by line, in Russian: the pipe,
    // the conditions, each formula with its numbers put in, the section, the advice.
    std::function<QStringList(const CalculationRequest& request, const CalculationOutcome& outcome)> describe;
    // The table's one calculation: what the user set in, every figure, verdict and text out.
    std::function<CalculationOutcome(const CalculationRequest& request)> calculate;
    // The counted fittings in the order of LocalLosses::fittingCounts; none where the table
    // counts no fittings.
    QStringList fittings{};
    QString shortName{};  // the material in a few words, as the sections table names the pipes
    // The conditions whose choices name the pipe together with its size: the polyethylene and its
    // series, where lists of sizes share their names.
    QList<int> namingConditions{};
    int pressureDecimals = 2;  // of the section's pressure, as the screen shows it
    // Whether these choices make a heating system, whose sizes an engineer chooses by R as well
    // as by v; none where the table serves water supply alone.
    std::function<bool(const ConditionChoices& chosen)> heating{};
    // The code its formulas come from, as the record names it ("СП 40-104-2001"); empty for the
    // handbook of hydraulic tables, the source of most.
    QString formulaSource{};
};

// The choice at a position, -1 where there is none.
inline int choiceAt(const ConditionChoices& chosen, int position)
{
    return position >= 0 && position < chosen.size() ? chosen.at(position) : -1;
}

// A condition whose items do not depend on earlier choices.
inline TableCondition fixedCondition(const QString& caption, const QStringList& items, int initial)
{
    return {caption, [items](const ConditionChoices&) { return items; }, initial};
}

// The condition, which a calculator may leave with nothing chosen.
inline TableCondition unchosenAllowed(TableCondition condition)
{
    condition.mayStayUnchosen = true;
    return condition;
}

// The catalog sizes of a list whose items are the sizes themselves.
inline QList<CatalogSize> sizesOfItems(const QStringList& items, const std::function<double(const QString&)>& diameterMm)
{
    QList<CatalogSize> sizes;
    for (const QString& item : items)
        sizes.append({item, diameterMm(item)});
    return sizes;
}

// The size of these that is named so; none where none is.
inline std::optional<CatalogSize> sizeNamed(const QList<CatalogSize>& sizes, const QString& designation)
{
    for (const CatalogSize& size : sizes)
        if (size.designation == designation)
            return size;
    return std::nullopt;
}

}  // namespace calc
