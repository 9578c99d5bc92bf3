#include "calc/carrier/heatload.h"

#include "calc/carrier/typednumber.h"
#include "calc/common/numbertext.h"

#include <cmath>
#include <variant>

namespace calc::carrier {

namespace {
const NumberField loadField{QStringLiteral("тепловую нагрузку Q, Вт"), QStringLiteral("Тепловая нагрузка Q"),
                            QStringLiteral("Вт"), minLoad, maxLoad};
const NumberField dropField{QStringLiteral("разность температур Δt, °С"), QStringLiteral("Разность температур Δt"),
                            QStringLiteral("°С"), minTemperatureDrop, maxTemperatureDrop};
const NumberField heatCapacityField{QStringLiteral("теплоёмкость теплоносителя c, кДж/(кг·К)"),
                                    QStringLiteral("Теплоёмкость c"), QStringLiteral("кДж/(кг·К)"), minHeatCapacity,
                                    maxHeatCapacity};

double unroundedMassFlow(const HeatLoad& load) { return 3.6 * load.heat / (load.heatCapacity * load.temperatureDrop); }

}  // namespace

double shownMassFlow(const HeatLoad& load) { return roundedToDecimals(unroundedMassFlow(load), 1); }

QString loadFlowFault(const HeatLoad& load, const TypedFlow& flow, double density)
{
    const double loadFlow = unroundedMassFlow(load);
    const double flowMass =
        flow.value * density * (flow.unit == FlowUnit::LitresPerSecond ? 3.6 : 1.0);
    if (std::isfinite(loadFlow) && std::isfinite(flowMass) && std::abs(loadFlow - flowMass) <= 0.005 * flowMass + 0.05)
        return {};
    const QString unit = flow.unit == FlowUnit::LitresPerSecond ? QStringLiteral("л/сек") : QStringLiteral("м куб/ч");
    return QStringLiteral("тепловая нагрузка Q = %1 Вт при Δt = %2 °С дает G = %3 кг/ч, а расходу %4 %5 отвечает "
                          "G = %6 кг/ч")
        .arg(numberText(load.heat), numberText(load.temperatureDrop), numberText(shownMassFlow(load)),
             numberText(flow.value), unit, numberText(roundedToDecimals(flowMass, 1)));
}

LoadAnswer flowFromLoad(const LoadInput& input)
{
    LoadAnswer answer;
    double values[3] = {};
    const std::pair<const QString*, const NumberField*> fields[] = {
        {&input.load, &loadField}, {&input.temperatureDrop, &dropField}, {&input.heatCapacity, &heatCapacityField}};
    const int typedFields = input.carrierHeatCapacity ? 2 : 3;
    for (int k = 0; k < typedFields; ++k) {
        const auto typed = readField(*fields[k].first, *fields[k].second);
        if (const auto* message = std::get_if<QString>(&typed)) {
            answer.message = *message;
            return answer;
        }
        values[k] = std::get<double>(typed);
    }
    const double load = values[0];
    const double drop = values[1];
    const double heatCapacity = input.carrierHeatCapacity ? *input.carrierHeatCapacity : values[2];
    answer.load = HeatLoad{load, drop, heatCapacity};
    const double massFlow = unroundedMassFlow(*answer.load);
    answer.massFlow = shownMassFlow(*answer.load);
    if (!input.carrierDensity || *input.carrierDensity <= 0) {
        answer.message = QStringLiteral("Плотность теплоносителя не задана: выберите на экране температуру воды "
                                        "или теплоноситель из справочника, или введите ρ");
        return answer;
    }
    answer.litresPerSecond = roundedToSignificant(massFlow / (3.6 * *input.carrierDensity), 4);
    answer.cubicMetresPerHour = roundedToSignificant(massFlow / *input.carrierDensity, 4);
    return answer;
}

}  // namespace calc::carrier
