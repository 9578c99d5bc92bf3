#include "report/sectionedit.h"

#include "calc/carrier/heatload.h"
#include "calc/common/messages.h"
#include "calc/common/numbertext.h"
#include "calc/common/valueparse.h"
#include "calc/fixtures/fixtureflow.h"
#include "calc/network/networkfaults.h"
#include "calc/network/sectioncalculation.h"
#include "report/sectionfile.h"

#include <cmath>
#include <variant>

namespace report {

namespace {

// The building tables count fittings and word the zero length without "!".
QString checkMessage(const calc::TableRecord& record, calc::Check check)
{
    if (check == calc::Check::LengthZero && !record.fittings.isEmpty())
        return calc::messages::buildingSectionLengthZero;
    return calc::messages::inputError(check, calc::messages::calculationDiameterZero);
}

// Σξ of the ticked fittings alone: the free row's ξ is what an edited Σξ changes.
double fittingsResistance(const Section& section)
{
    return section.outcome.figures.resistanceSum.value_or(0) - section.request.localLosses.otherResistance.value_or(0);
}

bool countsFittings(const Section& section) { return section.outcome.figures.resistanceSum.has_value(); }

// The request with the typed value; a refusal where the value itself cannot be taken.
std::variant<calc::CalculationRequest, QString> editedRequest(const Section& section, Field field, double value,
                                                              const QString& typed)
{
    calc::CalculationRequest request = section.request;
    switch (field) {
    case Field::Length:
        request.length = value;
        break;
    case Field::Flow:
        // A flow typed over the fixtures' q is no longer theirs.
        request.conditions.flow = {value, calc::FlowUnit::LitresPerSecond};
        request.fixtures.reset();
        break;
    case Field::Fixtures:
    case Field::Probability: {
        calc::FixtureSupply supply = *request.fixtures;
        if (field == Field::Fixtures) {
            supply.fixtures = value;
        } else {
            supply.probability = value;
            supply.consumers = 0;
            supply.hourNorm = 0;
        }
        const calc::fixtures::FixtureFigures figures = calc::fixtures::fixtureFigures(supply);
        if (!figures.litresPerSecond)
            return figures.message;
        request.fixtures = supply;
        request.conditions.flow.value = request.conditions.flow.unit == calc::FlowUnit::CubicMetresPerHour
                                            ? *figures.cubicMetresPerHour
                                            : *figures.litresPerSecond;
        break;
    }
    case Field::Heat:
    case Field::TemperatureDrop: {
        const QString heat = field == Field::Heat ? typed : calc::storedNumberText(request.load->heat);
        const QString drop = field == Field::TemperatureDrop ? typed : calc::storedNumberText(request.load->temperatureDrop);
        const calc::carrier::LoadAnswer answer = calc::carrier::flowFromLoad(
            {heat, drop, QString(), request.load->heatCapacity, section.outcome.figures.density});
        if (!answer.load || !answer.litresPerSecond)
            return answer.message;
        request.load = answer.load;
        request.conditions.flow.value = request.conditions.flow.unit == calc::FlowUnit::CubicMetresPerHour
                                            ? *answer.cubicMetresPerHour
                                            : *answer.litresPerSecond;
        break;
    }
    case Field::LocalLosses:
    case Field::ResistanceSum: {
        const double fittings = fittingsResistance(section);
        const double other = value - fittings;
        // The sum cannot drop below what the ticked fittings give; a rounding's worth under it
        // is the fittings alone.
        if (other < -5e-4)
            return QStringLiteral("Σξ не может быть меньше суммы ξ отмеченных местных сопротивлений: ")
                   + calc::numberText(std::round(fittings * 1000) / 1000);
        request.localLosses.otherResistance =
            other > 5e-4 ? std::optional(other) : (request.localLosses.otherResistance ? std::optional(0.0) : std::nullopt);
        break;
    }
    default:
        break;
    }
    return request;
}

QString endText(const Section& section, Field field)
{
    const auto text = [](const std::optional<double>& value) { return value ? calc::storedNumberText(*value) : QString(); };
    switch (field) {
    case Field::Start:
        return section.start;
    case Field::End:
        return section.end;
    case Field::FixturesAtEnd:
        return text(section.fixturesAtEnd ? std::optional(section.fixturesAtEnd->count) : std::nullopt);
    case Field::ConsumersAtEnd:
        return text(section.fixturesAtEnd ? std::optional(section.fixturesAtEnd->consumers) : std::nullopt);
    case Field::EndHeight:
        return text(section.endHeight);
    case Field::EndHead:
        return text(section.endHead);
    case Field::UnitHeat:
        return text(section.unitAtEnd ? std::optional(section.unitAtEnd->heat) : std::nullopt);
    case Field::UnitLoss:
        return text(section.unitAtEnd ? std::optional(section.unitAtEnd->pressureLoss) : std::nullopt);
    default:
        return {};
    }
}

// An end or what sits there, checked as the network checks it; an empty text takes it away.
SectionEdit editedEnd(const Section& section, Field field, const QString& typed)
{
    namespace network = calc::network;
    Section changed = section;
    const QString text = typed.trimmed();
    const bool cleared = text.isEmpty();
    const double value = cleared ? 0 : calc::parseValue(text);
    if (!cleared && field != Field::Start && field != Field::End && !std::isfinite(value))
        return {std::nullopt, network::sectionFault(section.number, QStringLiteral("не число: «%1»").arg(text))};
    QString fault;
    switch (field) {
    case Field::Start:
    case Field::End:
        if (!cleared)
            fault = network::nodeNameFault(section.number, field == Field::Start ? network::startColumn : network::endColumn, text);
        (field == Field::Start ? changed.start : changed.end) = text;
        break;
    case Field::FixturesAtEnd:
    case Field::ConsumersAtEnd: {
        network::FixturesAtEnd fixtures = section.fixturesAtEnd.value_or(network::FixturesAtEnd{});
        (field == Field::FixturesAtEnd ? fixtures.count : fixtures.consumers) = value;
        fault = network::fixturesFault(section.number, fixtures);
        changed.fixturesAtEnd = fixtures.count == 0 && fixtures.consumers == 0 ? std::nullopt : std::optional(fixtures);
        break;
    }
    case Field::EndHeight:
        fault = network::endHeightFault(section.number, value);
        changed.endHeight = cleared ? std::nullopt : std::optional(value);
        break;
    case Field::EndHead:
        fault = network::endHeadFault(section.number, value);
        changed.endHead = cleared ? std::nullopt : std::optional(value);
        break;
    case Field::UnitHeat:
    case Field::UnitLoss: {
        network::UnitAtEnd unit = section.unitAtEnd.value_or(network::UnitAtEnd{});
        (field == Field::UnitHeat ? unit.heat : unit.pressureLoss) = value;
        const bool none = unit.heat == 0 && unit.pressureLoss == 0;
        if (!none)
            fault = network::unitFault(section.number, unit);
        changed.unitAtEnd = none ? std::nullopt : std::optional(unit);
        break;
    }
    default:
        break;
    }
    if (!fault.isEmpty())
        return {std::nullopt, fault};
    return {changed, {}};
}

// The section calculated again by its table; or its calculator's refusal.
SectionEdit recalculated(const RecordLookup& records, const calc::TableRecord& record, const Section& section)
{
    const SectionCalculation calculated = calculateSection(records, section.number, section.request);
    if (calculated.failed)
        return {std::nullopt, checkMessage(record, *calculated.failed)};
    // What the file could not take back is not taken either: a saved table always opens.
    const QString fault = storedFault(record, calculated.section);
    if (!fault.isEmpty())
        return {std::nullopt, fault.left(1).toUpper() + fault.mid(1)};
    Section result = section;
    result.outcome = calculated.section.outcome;
    result.pipes = calculated.section.pipes;
    return {result, {}};
}

}  // namespace

bool isEditable(const Section& section, Field field)
{
    if (isEndField(field))
        return true;
    switch (field) {
    case Field::Number:
    case Field::Length:
        return true;
    case Field::Pipes:
        return !section.request.size.isEmpty();
    case Field::Flow:
        return kindOf(section) == TableKind::WaterSupply;
    case Field::Fixtures:
    case Field::Probability:
        return section.request.fixtures.has_value();
    case Field::Heat:
    case Field::TemperatureDrop:
        return section.request.load.has_value();
    case Field::LocalLosses:
    case Field::ResistanceSum:
        return countsFittings(section);
    default:
        return false;
    }
}

QString editText(const Section& section, Field field)
{
    if (isEndField(field))
        return endText(section, field);
    const calc::Figures& figures = section.outcome.figures;
    switch (field) {
    case Field::Number:
        return section.number;
    case Field::Pipes:
        return section.request.size;
    case Field::Length:
        return section.request.length ? calc::storedNumberText(*section.request.length) : QString();
    case Field::Flow:
        return figures.flow ? calc::storedNumberText(1000 * *figures.flow) : QString();
    case Field::Heat:
        return section.request.load ? calc::storedNumberText(section.request.load->heat) : QString();
    case Field::TemperatureDrop:
        return section.request.load ? calc::storedNumberText(section.request.load->temperatureDrop) : QString();
    case Field::Fixtures:
        return section.request.fixtures ? calc::storedNumberText(section.request.fixtures->fixtures) : QString();
    case Field::Probability:
        if (!section.request.fixtures)
            return {};
        return calc::storedNumberText(
            calc::fixtures::fixtureFigures(*section.request.fixtures).probability.value_or(0));
    case Field::LocalLosses:
    case Field::ResistanceSum:
        return figures.resistanceSum ? calc::storedNumberText(std::round(*figures.resistanceSum * 1000) / 1000) : QString();
    default:
        return {};
    }
}

SectionEdit editedSection(const RecordLookup& records, const Section& section, Field field, const QString& typed)
{
    const calc::TableRecord* record = records ? records(section.request.table) : nullptr;
    if (!record || !isEditable(section, field))
        return {};
    if (isEndField(field))
        return editedEnd(section, field, typed);
    if (field == Field::Pipes) {
        const QList<calc::CatalogSize> sizes = record->sizes ? record->sizes(section.request.conditions.chosen) : QList<calc::CatalogSize>();
        const auto chosen = std::find_if(sizes.cbegin(), sizes.cend(),
                                         [&typed](const calc::CatalogSize& size) { return size.designation == typed; });
        if (chosen == sizes.cend())
            return {std::nullopt, QStringLiteral("Участок «%1»: размера «%2» нет в сортаменте его труб").arg(section.number, typed)};
        Section resized = section;
        resized.request.size = chosen->designation;
        resized.request.diameterMm = chosen->calculationDiameterMm;
        return recalculated(records, *record, resized);
    }
    if (field == Field::Number) {
        Section renumbered = section;
        renumbered.number = typed.trimmed();
        return {renumbered, {}};
    }
    const double value = calc::parseValue(typed);
    const auto request = editedRequest(section, field, value, typed);
    if (const QString* refusal = std::get_if<QString>(&request))
        return {std::nullopt, *refusal};
    Section changed = section;
    changed.request = std::get<calc::CalculationRequest>(request);
    // A typed flow stands over the network's.
    if (field == Field::Flow)
        changed.flowTyped = true;
    return recalculated(records, *record, changed);
}

}  // namespace report
