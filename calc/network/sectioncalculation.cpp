#include "calc/network/sectioncalculation.h"

#include "calc/common/messages.h"

namespace calc::network {

QString sectionFault(const QString& number, const QString& reason)
{
    return QStringLiteral("Участок «%1»: %2").arg(number, reason);
}

QString continuing(QString message)
{
    if (!message.isEmpty())
        message[0] = message.at(0).toLower();
    return message;
}

SectionOutcome calculatedSection(const RecordLookup& records, const QString& number, const CalculationRequest& request)
{
    const TableRecord* record = records ? records(request.table) : nullptr;
    if (!record || !record->calculate)
        return {{}, sectionFault(number, QStringLiteral("таблица II-%1 программе неизвестна").arg(request.table))};
    SectionOutcome calculated{record->calculate(request), {}};
    if (calculated.outcome.failed) {
        // The calculators' messages are pieces for a box, one a line; here they make one line.
        QString reason = messages::inputError(*calculated.outcome.failed, messages::calculationDiameterZero);
        calculated.fault = sectionFault(number, reason.replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified());
    }
    return calculated;
}

}  // namespace calc::network
