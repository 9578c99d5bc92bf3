#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"

#include <QList>
#include <QString>

// A request by the names of what was chosen, not by positions in lists, and the check that a
// request is one a calculator of its table could have made: what a file keeps and what it gives
// back must not change its meaning when a list gains an item.
namespace calc {

// A condition by its caption and the item chosen in it.
struct NamedChoice {
    QString condition;
    QString item;
};

// The choices made, in the order of the record's conditions; a condition with nothing chosen is
// left out.
QList<NamedChoice> namedChoices(const TableRecord& record, const ConditionChoices& chosen);

// The positions of named choices in the record's lists, or what is wrong with them.
struct ChoicesRead {
    ConditionChoices chosen;
    QString fault;  // in a few Russian words; empty when every choice was found
};
ChoicesRead choicesOfNames(const TableRecord& record, const QList<NamedChoice>& named);

// The choices with a position kept for a list that the choices before it leave empty taken as
// none: a screen keeps the position of a list it does not show (the carrier of water supply).
ConditionChoices shownChoices(const TableRecord& record, ConditionChoices chosen);

// The range of a number a section keeps: past it no figure of any table is worth showing, and
// inside it no conversion of the number overflows.
struct NumberRange {
    double min;
    double max;
};
inline constexpr NumberRange flowRange{1e-6, 1e6};         // л/сек or м куб/ч
inline constexpr NumberRange diameterRange{0.1, 10000};    // мм, typed
inline constexpr NumberRange lengthRange{0.001, 1e6};      // м
inline constexpr NumberRange densityRange{1, 3000};        // кг/м³, typed
inline constexpr NumberRange viscosityRange{0.001, 1e5};   // ν·10⁶, мм²/с, typed
inline constexpr NumberRange resistanceRange{0, 10000};    // ξ of the free row
inline constexpr NumberRange fittingCountRange{0, 10000};  // of each fitting

// A request made whole against its record: a catalog size takes the catalog's calculation
// diameter for the request's conditions. Every list the choices before it leave with items has
// a choice, and every number lies in its range.
struct CheckedRequest {
    CalculationRequest request;
    QString fault;  // what no calculator of the table could have been given; empty when none
};
CheckedRequest checkedRequest(const TableRecord& record, const CalculationRequest& request);

}  // namespace calc
