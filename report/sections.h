#pragma once

#include "calc/common/calculationrequest.h"
#include "calc/common/tablerecord.h"
#include "report/document.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// The sections of a system's hydraulic calculation: what the user set for each, what the
// program's own calculation gives for it, and the table's texts.
namespace report {

// The record of a table by its number; null for a number no record has.
using RecordLookup = std::function<const calc::TableRecord*(int number)>;

struct Section {
    QString number;  // as the user names it: "1", "1-2"
    calc::CalculationRequest request;
    calc::CalculationOutcome outcome;
    QString pipes;   // the material in a few words and the size
    int pressureDecimals = 2;  // of the pressure, as the table's screen shows it
};

enum SectionColumn { NumberColumn, PipesColumn, FlowColumn, DiameterColumn, VelocityColumn, ThousandIColumn,
                     LengthColumn, HeadLossColumn, PressureColumn, SectionColumnCount };

QStringList sectionHeader();

// The section's texts, column by column, the numbers rounded as its calculator shows them.
QStringList sectionCells(const Section& section);

// "Итого: h = 1,2 м, ΔP = 345,67 Па": the sums of the shown head losses and pressures.
QString totalsText(const QList<Section>& sections);

// The request run again by its table's calculation, or the check that stopped it; a table
// without a record stops as not computable.
struct SectionCalculation {
    std::optional<calc::Check> failed;
    Section section;
};
SectionCalculation calculateSection(const RecordLookup& records, const QString& number,
                                    const calc::CalculationRequest& request);

// The whole table with its totals as a document for the outputs.
Document sectionsDocument(const QList<Section>& sections);

}  // namespace report
