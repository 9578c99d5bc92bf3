#include "report/calculationrecord.h"

#include "calc/common/calculationdescription.h"
#include "calc/fixtures/fixtureflow.h"

namespace report {

QStringList recordLines(const calc::TableRecord& record, const calc::CalculationRequest& request,
                        const calc::CalculationOutcome& outcome)
{
    using namespace calc::description;
    QStringList lines{QStringLiteral("Таблица II-%1: %2").arg(record.number).arg(record.title.simplified())};
    const QString standard = record.documents.isEmpty() ? QString() : documentName(record.documents.front().designation);
    const QString source = record.formulaSource.isEmpty() ? handbookSource() : record.formulaSource;
    if (standard == source) {
        lines << QStringLiteral("Трубы и формулы: ") + source;
    } else {
        if (!standard.isEmpty())
            lines << QStringLiteral("Трубы: ") + standard;
        lines << QStringLiteral("Формулы: ") + source;
    }
    if (request.fixtures)
        lines << calc::fixtures::recordLines(*request.fixtures);
    if (record.describe)
        lines << record.describe(request, outcome);
    return lines;
}

}  // namespace report
