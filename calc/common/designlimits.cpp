#include "calc/common/designlimits.h"

#include "calc/common/numbertext.h"
#include "calc/common/rounding.h"

#include <cmath>

namespace calc {

namespace {

bool computed(const CalculationOutcome& outcome)
{
    return !outcome.failed && outcome.figures.velocity && std::isfinite(*outcome.figures.velocity);
}

// The figures as the window rounds them: a size showing "1,5" is within 1,5 м/с.
double shownVelocity(const CalculationOutcome& outcome) { return roundHalfEven(*outcome.figures.velocity, 3); }

}  // namespace

DesignLimits defaultLimits(bool heating)
{
    return heating ? DesignLimits{1.0, 150.0} : DesignLimits{1.5, std::nullopt};
}

bool heatingChosen(const TableRecord& record, const ConditionChoices& chosen)
{
    return record.heating && record.heating(chosen);
}

std::optional<double> typedLimit(const QString& text)
{
    bool ok = false;
    const double value = QString(text).trimmed().replace(u',', u'.').toDouble(&ok);
    if (!ok || !std::isfinite(value) || !(value > 0))
        return std::nullopt;
    return value;
}

std::optional<double> lossPerMetre(const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    if (figures.specificLoss)
        return roundHalfEven(*figures.specificLoss, 3);
    if (figures.slopePressure)
        return roundHalfEven(*figures.slopePressure, 2);
    return std::nullopt;
}

LimitExcess excessOf(const CalculationOutcome& outcome, const DesignLimits& limits)
{
    LimitExcess excess;
    if (!computed(outcome))
        return excess;
    excess.velocity = shownVelocity(outcome) > limits.velocity;
    const std::optional<double> loss = lossPerMetre(outcome);
    excess.pressureLoss = limits.pressureLoss && loss && *loss > *limits.pressureLoss;
    return excess;
}

LimitChoice chooseWithinLimits(const QList<CatalogSize>& sizes, const QList<CalculationOutcome>& outcomes,
                               const DesignLimits& limits)
{
    LimitChoice choice;
    for (qsizetype k = 0; k < sizes.size() && k < outcomes.size(); ++k) {
        const CalculationOutcome& outcome = outcomes.at(k);
        // A size of no R cannot be judged against a limit of R.
        if (!computed(outcome) || (limits.pressureLoss && !outcome.figures.specificLoss))
            continue;
        const double diameter = sizes.at(k).calculationDiameterMm;
        if (choice.largest < 0 || diameter > sizes.at(choice.largest).calculationDiameterMm) {
            choice.largest = int(k);
            choice.largestVelocity = shownVelocity(outcome);
            choice.largestLoss = lossPerMetre(outcome).value_or(0);
        }
        const LimitExcess excess = excessOf(outcome, limits);
        if (excess.velocity || excess.pressureLoss)
            continue;
        if (choice.chosen < 0 || diameter < sizes.at(choice.chosen).calculationDiameterMm)
            choice.chosen = int(k);
    }
    return choice;
}

CalculationRequest sizeRequest(const CalculationRequest& section, const CatalogSize& size)
{
    CalculationRequest request = section;
    request.size = size.designation;
    request.diameterMm = size.calculationDiameterMm;
    request.length.reset();
    request.localLosses = {};
    return request;
}

LimitChoice chooseWithinLimits(const TableRecord& record, const CalculationRequest& section,
                               const DesignLimits& limits)
{
    const QList<CatalogSize> sizes = record.sizes(section.conditions.chosen);
    QList<CalculationOutcome> outcomes;
    for (const CatalogSize& size : sizes)
        outcomes << record.calculate(sizeRequest(section, size));
    return chooseWithinLimits(sizes, outcomes, limits);
}

QString limitsText(const DesignLimits& limits)
{
    QString text = QStringLiteral("v ≤ %1 м/с").arg(numberText(limits.velocity));
    if (limits.pressureLoss)
        text += QStringLiteral(" и R ≤ %1 Па/м").arg(numberText(*limits.pressureLoss));
    return text;
}

}  // namespace calc
