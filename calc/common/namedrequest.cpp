#include "calc/common/namedrequest.h"

#include "calc/common/numbertext.h"

#include <algorithm>
#include <cmath>

namespace calc {

namespace {

bool positive(double value) { return std::isfinite(value) && value > 0; }

bool notNegative(double value) { return std::isfinite(value) && value >= 0; }

// A designation compared whatever decimal separator it was written with: "21,3 × 2,8".
QString plainDesignation(QString designation) { return designation.replace(u',', u'.'); }

QString sizeFault(const TableRecord& record, CalculationRequest& request)
{
    if (request.size.isEmpty())
        return positive(request.diameterMm) ? QString()
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

QString numbersFault(const TableRecord& record, const CalculationRequest& request)
{
    if (!positive(request.conditions.flow.value))
        return QStringLiteral("расход %1 не больше нуля").arg(numberText(request.conditions.flow.value));
    if (request.length && !positive(*request.length))
        return QStringLiteral("длина участка %1 м не больше нуля").arg(numberText(*request.length));
    if (!notNegative(request.conditions.carrierDensity) || !notNegative(request.conditions.carrierViscosityE6))
        return QStringLiteral("плотность или вязкость теплоносителя меньше нуля");
    const LocalLosses& losses = request.localLosses;
    if (losses.fittingCounts.size() > record.fittings.size())
        return QStringLiteral("в таблице II-%1 нет %2 видов местных сопротивлений")
            .arg(record.number)
            .arg(losses.fittingCounts.size());
    for (qsizetype row = 0; row < losses.fittingCounts.size(); ++row) {
        const double count = losses.fittingCounts.at(row);
        if (!notNegative(count) || count != std::floor(count))
            return QStringLiteral("количество «%1» не целое число не меньше нуля: %2")
                .arg(record.fittings.at(row), numberText(count));
    }
    if (losses.otherResistance && !notNegative(*losses.otherResistance))
        return QStringLiteral("коэффициент других сопротивлений %1 меньше нуля").arg(numberText(*losses.otherResistance));
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
    if (checked.fault.isEmpty())
        checked.fault = sizeFault(record, checked.request);
    if (checked.fault.isEmpty())
        checked.fault = numbersFault(record, checked.request);
    return checked;
}

}  // namespace calc
