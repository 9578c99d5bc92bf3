#include "select/sizetable.h"

#include "calc/carrier/carrierreference.h"
#include "calc/common/flowarithmetic.h"
#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"
#include "calc/common/valueparse.h"
#include "platform/localenumbers.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

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

QString judgement(bool recommended, bool withinLimits, const std::optional<calc::DesignLimits>& limits,
                  const calc::CalculationOutcome& outcome)
{
    if (stoppedAfterVelocity(outcome))
        return outcome.stopReason.isEmpty() ? QStringLiteral("расчет невозможен")
                                            : QStringLiteral("расчет невозможен: ") + outcome.stopReason;
    QStringList parts;
    if (recommended)
        parts << QStringLiteral("рекомендуется");
    if (outcome.economic && outcome.economic->inBand)
        parts << QStringLiteral("экономичный");
    if (withinLimits && limits)
        parts << QStringLiteral("наименьший при ") + calc::limitsText(*limits);
    if (tooFast(outcome))
        parts << QStringLiteral("скорость больше ") + calc::numberText(outcome.velocity->limit) + QStringLiteral(" м/с");
    return parts.join(QStringLiteral(", "));
}

int economicRow(const QList<calc::CatalogSize>& sizes, double size)
{
    for (qsizetype k = 0; k < sizes.size(); ++k)
        if (calc::parseValue(sizes.at(k).designation) == size)
            return int(k);
    return -1;
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

QString velocityLimitWords(const calc::DesignLimits& limits)
{
    return QStringLiteral("Больше предела: v не более %1 м/с").arg(calc::numberText(limits.velocity));
}

QString pressureLimitWords(const calc::DesignLimits& limits)
{
    return QStringLiteral("Больше предела: R не более %1 Па/м").arg(calc::numberText(limits.pressureLoss.value_or(0)));
}

// Where no size meets the limits, the largest tells by how much the catalog falls short.
QString noSizeWithinLimits(const QList<calc::CatalogSize>& sizes, const calc::LimitChoice& choice, const calc::DesignLimits& limits)
{
    const QString none =
        QStringLiteral("Ни одна труба при этих условиях не проходит по ограничениям %1.").arg(calc::limitsText(limits));
    if (choice.largest < 0)
        return none;
    return none + QStringLiteral(" Наибольшая, %1: v = %2 м/с, R = %3 Па/м.")
                      .arg(shownDesignation(sizes.at(choice.largest).designation), calc::numberText(choice.largestVelocity),
                           calc::numberText(choice.largestLoss));
}

void markPastLimits(QList<MarkedCell>& marks, int row, const calc::LimitExcess& excess, const calc::DesignLimits& limits,
                    int velocityColumn, int lossColumn)
{
    if (excess.velocity)
        marks << MarkedCell{row, velocityColumn, velocityLimitWords(limits)};
    if (excess.pressureLoss)
        marks << MarkedCell{row, lossColumn, pressureLimitWords(limits)};
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

SizeTable sizeTable(const calc::TableRecord& record, const calc::CalculationRequest& section, bool flowGiven,
                    const std::optional<calc::DesignLimits>& limits)
{
    const QList<calc::CatalogSize> sizes = record.sizes(section.conditions.chosen);
    SizeTable table;
    QList<calc::CalculationOutcome> outcomes;
    if (flowGiven)
        for (const calc::CatalogSize& size : sizes)
            outcomes << record.calculate(calc::sizeRequest(section, size));
    const bool flowAccepted = flowGiven && !sizes.isEmpty() && outcomes.first().failed != calc::Check::FlowZero;
    if (flowGiven && !sizes.isEmpty() && !flowAccepted)
        table.advice = QStringLiteral("Введите расход больше нуля.");
    if (const QStringList missing = missingChoices(record, section.conditions.chosen); sizes.isEmpty() && !missing.isEmpty())
        table.advice = QStringLiteral("Размеров нет: на калькуляторе не выбрано (%1).").arg(missing.join(QStringLiteral(", ")));

    int withinLimitsRow = -1;
    if (flowAccepted) {
        const calc::LimitChoice choice = limits ? calc::chooseWithinLimits(sizes, outcomes, *limits) : calc::LimitChoice{};
        QStringList advice;
        // The flow, not the size, decides the economic size: any size's verdict tells it.
        if (const std::optional<calc::EconomicVerdict>& economic = outcomes.first().economic) {
            advice << economic->noBandAdvice;
            if (const std::optional<double> size = economic->recommendedSize) {
                table.recommendedRow = economicRow(sizes, *size);
                // Where the calculator words no advice, the band alone names the size.
                if (advice.first().isEmpty())
                    advice.first() = QStringLiteral("Экономичный диаметр при этом расходе: %1 мм.").arg(calc::numberText(*size));
                if (table.recommendedRow < 0)
                    advice << QStringLiteral("Трубы %1 мм нет среди размеров при этих условиях.").arg(calc::numberText(*size));
            }
            if (limits && choice.chosen >= 0 && choice.chosen != table.recommendedRow) {
                withinLimitsRow = choice.chosen;
                advice << QStringLiteral("Наименьший диаметр, при котором %1: труба %2.")
                              .arg(calc::limitsText(*limits), shownDesignation(sizes.at(choice.chosen).designation));
            } else if (limits && choice.chosen < 0) {
                advice << noSizeWithinLimits(sizes, choice, *limits);
            }
        } else if (const std::optional<calc::Check> failed = outcomes.first().failed;
                   !anyComputed(outcomes) && failed && !missingCondition(*failed).isEmpty()) {
            advice << missingCondition(*failed);
        } else if (limits && choice.chosen >= 0) {
            table.recommendedRow = choice.chosen;
            advice << QStringLiteral("Рекомендуется труба %1: наименьший диаметр, при котором %2.")
                          .arg(shownDesignation(sizes.at(choice.chosen).designation), calc::limitsText(*limits));
        } else if (limits) {
            advice << noSizeWithinLimits(sizes, choice, *limits);
        }
        advice.removeAll(QString());
        table.advice = advice.join(u'\n');
    }

    for (qsizetype k = 0; k < sizes.size(); ++k) {
        const calc::CatalogSize& size = sizes.at(k);
        SizeRow row;
        row.recommended = k == table.recommendedRow;
        row.cells = {shownDesignation(size.designation), calc::numberText(size.calculationDiameterMm), QString(), QString(), QString(),
                     QString()};
        if (flowAccepted) {
            const calc::CalculationOutcome& outcome = outcomes.at(k);
            const NumberCells cells = numberCells(outcome);
            row.cells[VelocityColumn] = cells.velocity;
            row.cells[ThousandIColumn] = cells.thousandI;
            row.cells[PressureColumn] = cells.pressure;
            row.cells[JudgementColumn] = judgement(row.recommended, k == withinLimitsRow, limits, outcome);
            if (limits)
                markPastLimits(table.pastLimits, int(k), calc::excessOf(outcome, *limits), *limits, VelocityColumn, PressureColumn);
        }
        table.rows << row;
    }
    return table;
}

HandbookTable handbookTable(const calc::TableRecord& record, const calc::CalculationRequest& section,
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

    const double none = std::numeric_limits<double>::quiet_NaN();
    calc::CalculationRequest request = section;
    for (int k = 0; k < int(count); ++k) {
        if (progress && !progress(k, qint64(count))) {
            table.error = QStringLiteral("Построение таблицы остановлено.");
            table.rows.clear();
            table.figures.clear();
            return table;
        }
        request.conditions.flow.value = calc::roundHalfEven(range.from + k * range.step, decimals);
        QStringList row{flowLabel(request.conditions.flow.value, decimals)};
        QList<double> figures;
        for (const calc::CatalogSize& size : sizes) {
            const calc::CalculationOutcome outcome = record.calculate(calc::sizeRequest(request, size));
            if (outcome.failed == calc::Check::FlowZero) {
                row << QString() << QString();
                figures << none << none;
                continue;
            }
            table.heating = table.heating || heating(outcome);
            const NumberCells cells = numberCells(outcome);
            row << cells.velocity << (heating(outcome) ? cells.pressure : cells.thousandI);
            const bool shown = computed(outcome);
            figures << (shown ? calc::roundHalfEven(*outcome.figures.velocity, 3) : none)
                    << (shown && heating(outcome) ? calc::roundHalfEven(*outcome.figures.specificLoss, 3) : none);
        }
        table.rows << row;
        table.figures << figures;
    }

    const bool litres = section.conditions.flow.unit == calc::FlowUnit::LitresPerSecond;
    table.header << (litres ? QStringLiteral("Q, л/сек") : QStringLiteral("Q, м куб/ч"));
    for (const calc::CatalogSize& size : sizes)
        table.header << shownDesignation(size.designation) + QStringLiteral(": v, м/с")
                     << shownDesignation(size.designation) + (table.heating ? QStringLiteral(": R, Па/м") : QStringLiteral(": 1000i"));
    return table;
}

QList<MarkedCell> handbookMarks(const HandbookTable& table, const calc::DesignLimits& limits)
{
    QList<MarkedCell> marks;
    for (qsizetype row = 0; row < table.figures.size(); ++row) {
        const QList<double>& figures = table.figures.at(row);
        for (qsizetype k = 0; k + 1 < figures.size(); k += 2) {
            // NaN passes no limit.
            const calc::LimitExcess excess{figures.at(k) > limits.velocity,
                                     table.heating && limits.pressureLoss && figures.at(k + 1) > *limits.pressureLoss};
            markPastLimits(marks, int(row), excess, limits, int(k) + 1, int(k) + 2);
        }
    }
    return marks;
}

QString conditionsText(const calc::TableRecord& record, const calc::CalculationRequest& section)
{
    const calc::SizeQuery& query = section.conditions;
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
    if (section.carrier)
        parts << QStringLiteral("из справочника: ")
                     + calc::carrier::carrierName(
                         calc::carrier::readingOf(*section.carrier, query.carrierDensity, query.carrierViscosityE6));
    if (query.carrierViscosityE6 > 0 || query.carrierDensity > 0)
        parts << QStringLiteral("ν·10⁶ = %1 мм²/с; ρ = %2 кг/м³")
                     .arg(calc::numberText(query.carrierViscosityE6), calc::numberText(query.carrierDensity));
    return parts.isEmpty() ? QStringLiteral("без условий") : parts.join(QStringLiteral("; "));
}

}  // namespace selection
