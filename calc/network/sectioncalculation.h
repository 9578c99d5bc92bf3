#pragma once

#include "calc/network/networkinput.h"

#include <QString>

namespace calc::network {

// A section of a network calculated by its table's own calculation: the outcome, or why it gives
// no figures, naming the section.
struct SectionOutcome {
    CalculationOutcome outcome;
    QString fault;
};
SectionOutcome calculatedSection(const RecordLookup& records, const QString& number, const CalculationRequest& request);

// "Участок «3»: " and the reason.
QString sectionFault(const QString& number, const QString& reason);
// A window's message going on after a colon: its first letter small.
QString continuing(QString message);

}  // namespace calc::network
