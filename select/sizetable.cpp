#include "select/sizetable.h"

#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/common/valueparse.h"
#include "platform/localenumbers.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace selection {

namespace {

const QString impossible = QStringLiteral("—");

QString rounded(double value, int decimals) { return calc::numberText(calc::roundHalfEven(value, decimals)); }

bool heating(const calc::CalculationOutcome& outcome) { return outcome.figures.specificLoss.has_value(); }

bool computed(const calc::CalculationOutcome& outcome)
{
    return !outcome.failed && outcome.figures.velocity && std::isfinite(*outcome.figures.velocity);
}

// v, 1000i and Па/м as the calculator shows them; heating shows R and no 1000i.
struct NumberCells {
    QString velocity;
    QString thousandI;
    QString pressure;
};

// A calculation that stopped once v was known shows v and no more.
bool stoppedAfterVelocity(const calc::CalculationOutcome& outcome)
{
    return outcome.failed && outcome.figures.velocity && std::isfinite(*outcome.figures.velocity);
}

NumberCells numberCells(const calc::CalculationOutcome& outcome)
{
    const calc::Figures& figures = outcome.figures;
    if (stoppedAfterVelocity(outcome))
        return {calc::velocityText(*figures.velocity), impossible, impossible};
    if (!computed(outcome))
        return {impossible, impossible, impossible};
    NumberCells cells{calc::velocityText(*figures.velocity), QString(), QString()};
    if (heating(outcome)) {
        cells.pressure = rounded(*figures.specificLoss, 3);
        return cells;
    }
    cells.thousandI = figures.thousandI ? calc::thousandIText(*figures.thousandI) : impossible;
    cells.pressure = figures.slopePressure ? rounded(*figures.slopePressure, 2) : impossible;
    return cells;
}

// What stops every size alike: a condition the calculator asks for.
QString missingCondition(calc::Check check)
{
    switch (check) {
    case calc::Check::TemperatureMissing:
        return QStringLiteral("Расчет невозможен: на калькуляторе не выбрана температура.");
    case calc::Check::ViscosityMissing:
        return QStringLiteral("Расчет невозможен: на калькуляторе не задана вязкость теплоносителя.");
    case calc::Check::DensityMissing:
        return QStringLiteral("Расчет невозможен: на калькуляторе не задана плотность теплоносителя.");
    default:
        return QString();
    }
}

bool tooFast(const calc::CalculationOutcome& outcome) { return outcome.velocity && outcome.velocity->exceeded; }

QString judgement(bool recommended, const calc::CalculationOutcome& outcome)
{
    if (stoppedAfterVelocity(outcome))
        return outcome.stopReason.isEmpty() ? QStringLiteral("расчет невозможен")
                                            : QStringLiteral("расчет невозможен: ") + outcome.stopReason;
    QStringList parts;
    if (recommended)
        parts << QStringLiteral("рекомендуется");
    if (outcome.economic && outcome.economic->inBand)
        parts << QStringLiteral("экономичный");
    if (tooFast(outcome))
        parts << QStringLiteral("скорость больше ") + calc::numberText(outcome.velocity->limit) + QStringLiteral(" м/с");
    return parts.join(QStringLiteral(", "));
}

// A find alone of one catalog size at the query's conditions and flow.
calc::CalculationRequest sizeRequest(const calc::TableRecord& record, const calc::SizeQuery& query,
                                     const calc::CatalogSize& size)
{
    return {record.number, query, size.designation, size.calculationDiameterMm, std::nullopt, {}};
}

int economicRow(const QList<calc::CatalogSize>& sizes, double size)
{
    for (qsizetype k = 0; k < sizes.size(); ++k)
        if (calc::parseValue(sizes.at(k).designation) == size)
            return int(k);
    return -1;
}

// Whether any size of the table was measured against a velocity limit.
bool anyVelocityVerdict(const QList<calc::CalculationOutcome>& outcomes)
{
    return std::any_of(outcomes.begin(), outcomes.end(),
                       [](const calc::CalculationOutcome& outcome) { return outcome.velocity.has_value(); });
}

bool anyComputed(const QList<calc::CalculationOutcome>& outcomes)
{
    return std::any_of(outcomes.begin(), outcomes.end(), computed);
}

// The conditions the catalog needs that have no choice, by their captions.
QStringList missingChoices(const calc::TableRecord& record, const calc::ConditionChoices& chosen)
{
    QStringList missing;
    calc::ConditionChoices earlier;
    for (qsizetype k = 0; k < record.conditions.size(); ++k) {
        const int choice = calc::choiceAt(chosen, int(k));
        if (choice < 0 && !record.conditions.at(k).choices(earlier).isEmpty())
            missing << record.conditions.at(k).caption;
        earlier << choice;
    }
    return missing;
}

int smallestWithoutWarning(const QList<calc::CatalogSize>& sizes, const QList<calc::CalculationOutcome>& outcomes)
{
    int best = -1;
    for (qsizetype k = 0; k < sizes.size(); ++k) {
        if (!computed(outcomes.at(k)) || tooFast(outcomes.at(k)))
            continue;
        if (best < 0 || sizes.at(k).calculationDiameterMm < sizes.at(best).calculationDiameterMm)
            best = int(k);
    }
    return best;
}

// A flow shows at most as many digits as any number does.
constexpr int flowDigits = 15;

// The decimals a typed value carries; flowDigits + 1 for more than a number shows.
int decimalsOf(double value)
{
    for (int decimals = 0; decimals <= flowDigits; ++decimals) {
        const double scaled = std::abs(value) * std::pow(10.0, decimals);
        if (std::abs(scaled - std::round(scaled)) <= 1e-14 * scaled)
            return decimals;
    }
    return flowDigits + 1;
}

// The decimals that tell every flow of the range from its neighbours, or -1 when the rows would
// need more digits than a number shows.
int flowDecimals(const FlowRange& range)
{
    const int decimals = std::max(decimalsOf(range.from), decimalsOf(range.step));
    const double largest = std::max(std::abs(range.from), std::abs(range.to));
    const int wholeDigits = largest >= 1 ? int(std::floor(std::log10(largest))) + 1 : 0;
    return wholeDigits + decimals <= flowDigits ? decimals : -1;
}

// The flow with its decimals, trailing zeros dropped: "0,25", "0,00001", never "1e-05".
QString flowLabel(double flow, int decimals)
{
    QString text = QString::number(flow, 'f', decimals);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text.replace(u'.', platform::decimalSeparator());
}

}  // namespace

QString shownDesignation(const QString& designation)
{
    return QString(designation).replace(u'.', QLocale().decimalPoint());
}

QStringList sizeTableHeader()
{
    return {QStringLiteral("Размер"), QStringLiteral("d, мм"), QStringLiteral("v, м/с"), QStringLiteral("1000i"),
            QStringLiteral("Па/м"), QStringLiteral("Оценка")};
}

SizeTable sizeTable(const calc::TableRecord& record, const calc::SizeQuery& query, bool flowGiven)
{
    const QList<calc::CatalogSize> sizes = record.sizes(query.chosen);
    SizeTable table;
    QList<calc::CalculationOutcome> outcomes;
    if (flowGiven)
        for (const calc::CatalogSize& size : sizes)
            outcomes << record.calculate(sizeRequest(record, query, size));
    const bool flowAccepted = flowGiven && !sizes.isEmpty() && outcomes.first().failed != calc::Check::FlowZero;
    if (flowGiven && !sizes.isEmpty() && !flowAccepted)
        table.advice = QStringLiteral("Введите расход больше нуля.");
    if (const QStringList missing = missingChoices(record, query.chosen); sizes.isEmpty() && !missing.isEmpty())
        table.advice = QStringLiteral("Размеров нет: на калькуляторе не выбрано (%1).").arg(missing.join(QStringLiteral(", ")));

    if (flowAccepted) {
        // The flow, not the size, decides the recommendation: any size's verdict tells it.
        if (const std::optional<calc::EconomicVerdict>& economic = outcomes.first().economic) {
            table.advice = economic->noBandAdvice;
            if (const std::optional<double> size = economic->recommendedSize) {
                table.recommendedRow = economicRow(sizes, *size);
                // Where the calculator words no advice, the band alone names the size.
                if (table.advice.isEmpty())
                    table.advice = QStringLiteral("Экономичный диаметр при этом расходе: %1 мм.")
                                       .arg(calc::numberText(*size));
                if (table.recommendedRow < 0)
                    table.advice += QStringLiteral("\nТрубы %1 мм нет среди размеров при этих условиях.")
                                        .arg(calc::numberText(*size));
            }
        } else if (anyComputed(outcomes) && !anyVelocityVerdict(outcomes)) {
            // Neither economic flows nor a velocity limit: nothing to choose a size by.
            table.advice = QStringLiteral("Таблица II-%1 не дает рекомендации по диаметру при этом расходе: в ней нет "
                                          "ни экономических расходов, ни предельной скорости.")
                               .arg(record.number);
        } else {
            table.recommendedRow = smallestWithoutWarning(sizes, outcomes);
            if (table.recommendedRow >= 0)
                table.advice = QStringLiteral("Рекомендуется труба %1: наименьший диаметр без предупреждения о скорости.")
                                   .arg(shownDesignation(sizes.at(table.recommendedRow).designation));
            else if (const std::optional<calc::Check> failed = outcomes.first().failed;
                     failed && !missingCondition(*failed).isEmpty())
                table.advice = missingCondition(*failed);
            else
                table.advice = QStringLiteral("Ни одна труба при этих условиях не проходит по скорости.");
        }
    }

    for (qsizetype k = 0; k < sizes.size(); ++k) {
        const calc::CatalogSize& size = sizes.at(k);
        SizeRow row;
        row.recommended = k == table.recommendedRow;
        row.cells = {shownDesignation(size.designation), calc::numberText(size.calculationDiameterMm), QString(), QString(), QString(),
                     QString()};
        if (flowAccepted) {
            const NumberCells cells = numberCells(outcomes.at(k));
            row.cells[VelocityColumn] = cells.velocity;
            row.cells[ThousandIColumn] = cells.thousandI;
            row.cells[PressureColumn] = cells.pressure;
            row.cells[JudgementColumn] = judgement(row.recommended, outcomes.at(k));
        }
        table.rows << row;
    }
    return table;
}

HandbookTable handbookTable(const calc::TableRecord& record, const calc::SizeQuery& conditions,
                            const QList<calc::CatalogSize>& sizes, const FlowRange& range,
                            const report::Progress& progress)
{
    HandbookTable table;
    if (!(range.step > 0)) {
        table.error = QStringLiteral("Шаг расхода должен быть больше нуля.");
        return table;
    }
    if (range.from < 0) {
        table.error = QStringLiteral("Начальный расход не может быть меньше нуля.");
        return table;
    }
    if (range.from > range.to) {
        table.error = QStringLiteral("Начальный расход больше конечного.");
        return table;
    }
    // Computed in doubles: a tiny step must not overflow a count. The small allowance keeps the
    // last flow when from + n·step lands a rounding error short of it.
    const double count = std::floor((range.to - range.from) / range.step + 1e-9) + 1;
    if (!(count <= handbookRowLimit)) {
        table.error = QStringLiteral("Больше %1 строк: увеличьте шаг или сократите диапазон.").arg(handbookRowLimit);
        return table;
    }
    if (sizes.isEmpty()) {
        table.error = QStringLiteral("Не выбрано ни одного размера.");
        return table;
    }
    if (count * (1 + 2 * double(sizes.size())) > handbookCellLimit) {
        table.error = QStringLiteral("Больше 200\u00a0000 ячеек: увеличьте шаг, сократите диапазон или выберите меньше размеров.");
        return table;
    }
    const int decimals = flowDecimals(range);
    if (decimals < 0) {
        table.error = QStringLiteral("Шаг расхода слишком мал: строки не различить по расходу.");
        return table;
    }

    bool heatingFigures = false;
    calc::SizeQuery query = conditions;
    for (int k = 0; k < int(count); ++k) {
        if (progress && !progress(k, qint64(count))) {
            table.error = QStringLiteral("Построение таблицы остановлено.");
            table.rows.clear();
            return table;
        }
        query.flow.value = calc::roundHalfEven(range.from + k * range.step, decimals);
        QStringList row{flowLabel(query.flow.value, decimals)};
        for (const calc::CatalogSize& size : sizes) {
            const calc::CalculationOutcome outcome = record.calculate(sizeRequest(record, query, size));
            if (outcome.failed == calc::Check::FlowZero) {
                row << QString() << QString();
                continue;
            }
            heatingFigures = heatingFigures || heating(outcome);
            const NumberCells cells = numberCells(outcome);
            row << cells.velocity << (heating(outcome) ? cells.pressure : cells.thousandI);
        }
        table.rows << row;
    }

    const bool litres = conditions.flow.unit == calc::FlowUnit::LitresPerSecond;
    table.header << (litres ? QStringLiteral("Q, л/сек") : QStringLiteral("Q, м куб/ч"));
    for (const calc::CatalogSize& size : sizes)
        table.header << shownDesignation(size.designation) + QStringLiteral(": v, м/с")
                     << shownDesignation(size.designation) + (heatingFigures ? QStringLiteral(": R, Па/м") : QStringLiteral(": 1000i"));
    return table;
}

QString conditionsText(const calc::TableRecord& record, const calc::SizeQuery& query)
{
    QStringList parts;
    calc::ConditionChoices earlier;
    for (qsizetype k = 0; k < record.conditions.size(); ++k) {
        const calc::TableCondition& condition = record.conditions.at(k);
        const QStringList items = condition.choices(earlier);
        const int chosen = calc::choiceAt(query.chosen, int(k));
        earlier << chosen;
        if (items.isEmpty())
            continue;
        const QString item = chosen >= 0 && chosen < items.size() ? items.at(chosen).trimmed() : QStringLiteral("не выбрано");
        parts << condition.caption + QStringLiteral(": ") + item;
    }
    if (query.carrierViscosityE6 > 0 || query.carrierDensity > 0)
        parts << QStringLiteral("ν·10⁶ = %1 мм²/с; ρ = %2 кг/м³")
                     .arg(calc::numberText(query.carrierViscosityE6), calc::numberText(query.carrierDensity));
    return parts.isEmpty() ? QStringLiteral("без условий") : parts.join(QStringLiteral("; "));
}

}  // namespace selection
