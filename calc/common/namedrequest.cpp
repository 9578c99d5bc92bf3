#include "calc/common/namedrequest.h"

#include "calc/common/numbertext.h"
#include "calc/common/recordfigures.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

// Past zero, an infinity too: the range names what is wrong with that.
bool positive(double value) { return value > 0; }

// A number of a message in full where that is short, else with its power of ten: "1,000·10³⁰⁸".
QString messageNumber(double value)
{
    const double size = std::abs(value);
    return value == 0 || (size >= 1e-6 && size < 1e12) ? description::exactText(value)
                                                        : description::significantText(value, 4);
}

// "диаметр 3000000000 мм вне пределов от 0,1 до 10000 мм"; empty inside the range.
QString rangeFault(const QString& what, double value, const NumberRange& range, const QString& unit = {})
{
    if (std::isfinite(value) && value >= range.min && value <= range.max)
        return {};
    const QString blank = unit.isEmpty() ? QString() : QStringLiteral(" ");
    return QStringLiteral("%1 %2%3%4 вне пределов от %5 до %6%3%4")
        .arg(what, std::isfinite(value) ? messageNumber(value) : QStringLiteral("не число"), blank, unit,
             messageNumber(range.min), messageNumber(range.max));
}

// A designation compared whatever decimal separator it was written with: "21,3 × 2,8".
QString plainDesignation(QString designation) { return designation.replace(u',', u'.'); }

QString sizeFault(const TableRecord& record, CalculationRequest& request)
{
    if (request.size.isEmpty())
        return positive(request.diameterMm)
                   ? rangeFault(QStringLiteral("диаметр"), request.diameterMm, diameterRange, QStringLiteral("мм"))
                   : QStringLiteral("диаметр %1 мм не больше нуля").arg(numberText(request.diameterMm));
    const QString wanted = plainDesignation(request.size);
    for (const CatalogSize& size : record.sizes(request.conditions.chosen))
        if (plainDesignation(size.designation) == wanted) {
            request.size = size.designation;
            request.diameterMm = size.calculationDiameterMm;
            return {};
        }
    return QStringLiteral("размера «%1» нет в каталоге таблицы II-%2 при этих условиях").arg(request.size).arg(record.number);
}

// The checks of the numbers in the order a screen takes its inputs; a new number of a section
// takes its line here.
QString numbersFault(const TableRecord& record, const CalculationRequest& request)
{
    const double flow = request.conditions.flow.value;
    if (!positive(flow))
        return QStringLiteral("расход %1 не больше нуля").arg(numberText(flow));
    const bool litres = request.conditions.flow.unit == FlowUnit::LitresPerSecond;
    QString fault = rangeFault(QStringLiteral("расход"), flow, flowRange, litres ? QStringLiteral("л/сек") : QStringLiteral("м куб/ч"));
    if (fault.isEmpty() && request.length)
        fault = positive(*request.length)
                    ? rangeFault(QStringLiteral("длина участка"), *request.length, lengthRange, QStringLiteral("м"))
                    : QStringLiteral("длина участка %1 м не больше нуля").arg(numberText(*request.length));
    const double density = request.conditions.carrierDensity;
    const double viscosity = request.conditions.carrierViscosityE6;
    if (fault.isEmpty() && (!(density >= 0) || !(viscosity >= 0)))
        fault = QStringLiteral("плотность или вязкость теплоносителя меньше нуля");
    // 0 is no typed carrier.
    if (fault.isEmpty() && density != 0)
        fault = rangeFault(QStringLiteral("плотность теплоносителя"), density, densityRange, QStringLiteral("кг/м³"));
    if (fault.isEmpty() && viscosity != 0)
        fault = rangeFault(QStringLiteral("вязкость теплоносителя ν·10⁶"), viscosity, viscosityRange, QStringLiteral("мм²/с"));
    if (!fault.isEmpty())
        return fault;
    const LocalLosses& losses = request.localLosses;
    if (losses.fittingCounts.size() > record.fittings.size())
        return QStringLiteral("в таблице II-%1 нет %2 видов местных сопротивлений")
            .arg(record.number)
            .arg(losses.fittingCounts.size());
    for (qsizetype row = 0; row < losses.fittingCounts.size(); ++row) {
        const double count = losses.fittingCounts.at(row);
        if (!(count >= 0) || count != std::floor(count))
            return QStringLiteral("количество «%1» не целое число не меньше нуля: %2")
                .arg(record.fittings.at(row), numberText(count));
        fault = rangeFault(QStringLiteral("количество «%1»").arg(record.fittings.at(row)), count, fittingCountRange);
        if (!fault.isEmpty())
            return fault;
    }
    if (losses.otherResistance && !(*losses.otherResistance >= 0))
        return QStringLiteral("коэффициент других сопротивлений %1 меньше нуля").arg(numberText(*losses.otherResistance));
    if (losses.otherResistance)
        return rangeFault(QStringLiteral("коэффициент других сопротивлений"), *losses.otherResistance, resistanceRange);
    return {};
}

}  // namespace

QList<NamedChoice> namedChoices(const TableRecord& record, const ConditionChoices& chosen)
{
    QList<NamedChoice> named;
    for (qsizetype k = 0; k < record.conditions.size(); ++k) {
        const TableCondition& condition = record.conditions.at(k);
        const QStringList items = condition.choices(chosen.mid(0, k));
        const int position = choiceAt(chosen, int(k));
        if (position >= 0 && position < items.size())
            named.append({condition.caption, items.at(position)});
    }
    return named;
}

ChoicesRead choicesOfNames(const TableRecord& record, const QList<NamedChoice>& named)
{
    for (const NamedChoice& choice : named) {
        const bool known = std::any_of(record.conditions.begin(), record.conditions.end(),
                                       [&](const TableCondition& condition) { return condition.caption == choice.condition; });
        if (!known)
            return {{}, QStringLiteral("в таблице II-%1 нет условия «%2»").arg(record.number).arg(choice.condition)};
    }
    ChoicesRead read;
    // Each list is known only once the choices before it are: they are taken in the record's order.
    for (const TableCondition& condition : record.conditions) {
        const auto given = std::find_if(named.begin(), named.end(),
                                        [&](const NamedChoice& choice) { return choice.condition == condition.caption; });
        if (given == named.end()) {
            read.chosen << -1;
            continue;
        }
        const int position = int(condition.choices(read.chosen).indexOf(given->item));
        if (position < 0)
            return {{}, QStringLiteral("условие «%1»: нет выбора «%2»").arg(condition.caption, given->item)};
        read.chosen << position;
    }
    return read;
}

ConditionChoices shownChoices(const TableRecord& record, ConditionChoices chosen)
{
    for (qsizetype k = 0; k < chosen.size() && k < record.conditions.size(); ++k)
        if (record.conditions.at(k).choices(chosen.mid(0, k)).isEmpty())
            chosen[k] = -1;
    return chosen;
}

CheckedRequest checkedRequest(const TableRecord& record, const CalculationRequest& request)
{
    CheckedRequest checked{request, {}};
    const ConditionChoices& chosen = request.conditions.chosen;
    if (chosen.size() > record.conditions.size())
        checked.fault = QStringLiteral("в таблице II-%1 только %2 условий").arg(record.number).arg(record.conditions.size());
    for (qsizetype k = 0; k < chosen.size() && checked.fault.isEmpty(); ++k) {
        const qsizetype items = record.conditions.at(k).choices(chosen.mid(0, k)).size();
        if (chosen.at(k) < -1 || chosen.at(k) >= items)
            checked.fault = QStringLiteral("условие «%1»: нет выбора номер %2").arg(record.conditions.at(k).caption).arg(chosen.at(k) + 1);
    }
    // A calculator always has a choice in a list it shows; one taken as missing would be computed
    // as another: a heating system as water supply.
    for (qsizetype k = 0; k < record.conditions.size() && checked.fault.isEmpty(); ++k)
        if (choiceAt(chosen, int(k)) < 0 && !record.conditions.at(k).mayStayUnchosen
            && !record.conditions.at(k).choices(chosen.mid(0, k)).isEmpty())
            checked.fault = QStringLiteral("условие «%1» не выбрано").arg(record.conditions.at(k).caption);
    if (checked.fault.isEmpty())
        checked.fault = sizeFault(record, checked.request);
    if (checked.fault.isEmpty())
        checked.fault = numbersFault(record, checked.request);
    return checked;
}

}  // namespace calc
