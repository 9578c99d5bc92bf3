#pragma once

#include "calc/common/rounding.h"
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

// Each row's request, with the network's flow where the row has none typed, calculated by its
// table; the figure the network sums (h, R·l+Z) kept as the row shows it, or the row's fault
// saying why there is none.
template <class Row, class System>
void calculateRows(const QList<NetworkSection>& rows, const System& system, const RecordLookup& records,
                   QList<Row>& sections, void (*applyNetworkFlow)(const NetworkSection&, const System&, Row&),
                   std::optional<double> Figures::*summed, std::optional<double> Row::*shown, const QString& noSum)
{
    for (int row = 0; row < rows.size(); ++row) {
        const NetworkSection& input = rows.at(row);
        Row& section = sections[row];
        section.request = input.request;
        section.flowTyped = input.flowTyped;
        if (!input.flowTyped)
            applyNetworkFlow(input, system, section);
        if (!section.fault.isEmpty())
            continue;
        const SectionOutcome calculated = calculatedSection(records, input.number, section.request);
        section.outcome = calculated.outcome;
        section.fault = calculated.fault;
        if (section.fault.isEmpty() && !(section.outcome.figures.*summed))
            section.fault = sectionFault(input.number, noSum);
        if (section.fault.isEmpty())
            section.*shown = roundHalfEven(*(section.outcome.figures.*summed), 3);
    }
}

// A window's message going on after a colon: its first letter small.
QString continuing(QString message);

}  // namespace calc::network
