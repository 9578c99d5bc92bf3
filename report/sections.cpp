#include "report/sections.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"


namespace report {

namespace {

using calc::numberText;
using calc::roundHalfEven;

QString pipesText(const calc::TableRecord& record, const calc::CalculationRequest& request)
{
    QStringList words{record.shortName};
    const calc::ConditionChoices& chosen = request.conditions.chosen;
    for (int position : record.namingConditions)
        if (position < record.conditions.size())
            words << record.conditions.at(position).choices(chosen.mid(0, position)).value(calc::choiceAt(chosen, position));
    words << (request.size.isEmpty() ? QStringLiteral("dp = ") + numberText(request.diameterMm) : request.size);
    words.removeAll(QString());
    return words.join(QLatin1Char(' ')).simplified();
}

QString rounded(const std::optional<double>& value, int decimals)
{
    return value ? numberText(roundHalfEven(*value, decimals)) : QString();
}

bool heating(const calc::Figures& figures) { return figures.pressureDrop.has_value(); }

// The head loss and the pressure as the section's row shows them.
std::optional<double> shownHeadLoss(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    if (heating(figures) || !figures.headLoss)
        return std::nullopt;
    return roundHalfEven(*figures.headLoss, 3);
}

std::optional<double> shownPressure(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    if (heating(figures))
        return roundHalfEven(*figures.pressureDrop, 3);
    if (!figures.headLossPressure)
        return std::nullopt;
    return roundHalfEven(*figures.headLossPressure, section.pressureDecimals);
}

}  // namespace

QStringList sectionHeader()
{
    return {QStringLiteral("№"),    QStringLiteral("Трубы"), QStringLiteral("q, л/с"),
            QStringLiteral("d, мм"), QStringLiteral("v, м/с"), QStringLiteral("1000i"),
            QStringLiteral("l, м"),  QStringLiteral("h, м"),   QStringLiteral("ΔP, Па")};
}

QStringList sectionCells(const Section& section)
{
    const calc::Figures& figures = section.outcome.figures;
    const std::optional<double> flowLitres = figures.flow ? std::optional(1000 * *figures.flow) : std::nullopt;
    const std::optional<double> headLoss = shownHeadLoss(section);
    const std::optional<double> pressure = shownPressure(section);
    return {section.number,
            section.pipes,
            rounded(flowLitres, 8),
            numberText(figures.diameterMm.value_or(section.request.diameterMm)),
            rounded(figures.velocity, 3),
            heating(figures) ? QString() : rounded(figures.thousandI, 3),
            section.request.length ? numberText(*section.request.length) : QString(),
            headLoss ? numberText(*headLoss) : QString(),
            pressure ? numberText(*pressure) : QString()};
}

QString totalsText(const QList<Section>& sections)
{
    double headLoss = 0;
    double pressure = 0;
    for (const Section& section : sections) {
        headLoss += shownHeadLoss(section).value_or(0);
        pressure += shownPressure(section).value_or(0);
    }
    // The sums of rounded figures carry no more decimals than the figures.
    return QStringLiteral("Итого: h = ") + numberText(roundHalfEven(headLoss, 3)) + QStringLiteral(" м, ΔP = ")
           + numberText(roundHalfEven(pressure, 3)) + QStringLiteral(" Па");
}

SectionCalculation calculateSection(const RecordLookup& records, const QString& number,
                                    const calc::CalculationRequest& request)
{
    const calc::TableRecord* record = records ? records(request.table) : nullptr;
    if (!record || !record->calculate)
        return {calc::Check::NotComputable, {}};
    const calc::CalculationOutcome outcome = record->calculate(request);
    return {outcome.failed, {number, request, outcome, pipesText(*record, request), record->pressureDecimals}};
}

Document sectionsDocument(const QList<Section>& sections)
{
    Table table;
    table.header = sectionHeader();
    table.labelColumns = {NumberColumn, PipesColumn};
    for (const Section& section : sections)
        table.rows << sectionCells(section);
    return {QStringLiteral("Гидравлический расчет участков"), {}, {table}, {totalsText(sections)}};
}

}  // namespace report
