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

// A request made whole against its record: a catalog size takes the catalog's calculation
// diameter for the request's conditions.
struct CheckedRequest {
    CalculationRequest request;
    QString fault;  // what no calculator of the table could have been given; empty when none
};
CheckedRequest checkedRequest(const TableRecord& record, const CalculationRequest& request);

}  // namespace calc
