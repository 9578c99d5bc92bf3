#include "calc/carrier/carrierreference.h"

#include "calc/carrier/heatload.h"
#include "calc/carrier/typednumber.h"
#include "calc/carrier/waterproperties.h"
#include "calc/common/numbertext.h"

#include <cmath>
#include <tuple>
#include <variant>

namespace calc::carrier {

namespace {

Glycol glycolOf(Fluid fluid) { return fluid == Fluid::EthyleneGlycol ? Glycol::Ethylene : Glycol::Propylene; }

Properties shownFigures(const Properties& exact)
{
    return {roundedToDecimals(exact.density, 1), roundedToSignificant(exact.viscosityE6, 4),
            roundedToDecimals(exact.heatCapacity, 3)};
}

const NumberField concentrationField{QStringLiteral("массовую долю гликоля, %"), QStringLiteral("Массовая доля"),
                                     QStringLiteral("%"), minGlycolConcentration, maxGlycolConcentration};

}  // namespace

ReferenceAnswer lookUp(const CarrierChoice& choice)
{
    ReferenceAnswer answer;
    const bool water = choice.fluid == Fluid::Water;
    double concentration = 0;
    if (!water) {
        const auto typed = readField(choice.concentration, concentrationField);
        if (const auto* message = std::get_if<QString>(&typed)) {
            answer.message = *message;
            return answer;
        }
        concentration = std::get<double>(typed);
        answer.freezing = roundedToDecimals(freezingPoint(glycolOf(choice.fluid), concentration), 1);
    }
    const NumberField temperatureField{QStringLiteral("температуру, °С"),
                                       water ? QStringLiteral("Температура воды") : QStringLiteral("Температура раствора"),
                                       QStringLiteral("°С"), minWaterTemperature, maxWaterTemperature};
    // A solution's lower limit is its freezing point, checked below with its own message.
    const auto typed = water ? readField(choice.temperature, temperatureField)
                             : readNumber(choice.temperature, temperatureField);
    if (const auto* message = std::get_if<QString>(&typed)) {
        answer.message = *message;
        return answer;
    }
    const double temperature = std::get<double>(typed);
    if (water) {
        answer.reading = CarrierReading{choice.fluid, 0, temperature, shownFigures(waterAt(temperature))};
        return answer;
    }
    const double freezing = freezingPoint(glycolOf(choice.fluid), concentration);
    if (temperature <= freezing) {
        answer.message = QStringLiteral("Раствор замерзает при ") + numberText(*answer.freezing)
                         + QStringLiteral(" °С: выберите температуру выше или большую массовую долю");
        return answer;
    }
    if (temperature > maxGlycolTemperature) {
        answer.message = QStringLiteral("Температура раствора должна быть не выше ")
                         + numberText(maxGlycolTemperature) + QStringLiteral(" °С");
        return answer;
    }
    if (temperature - freezing <= freezingMargin) {
        answer.nearFreezing = true;
        answer.message = QStringLiteral("Осторожно: до точки замерзания ") + numberText(*answer.freezing)
                         + QStringLiteral(" °С меньше 2 К, данные здесь ненадёжны");
    }
    answer.reading = CarrierReading{choice.fluid, concentration, temperature,
                                    shownFigures(glycolAt(glycolOf(choice.fluid), concentration, temperature))};
    return answer;
}

QString carrierName(const CarrierReading& reading)
{
    const QString temperature = numberText(reading.temperature) + QStringLiteral(" °С");
    if (reading.fluid == Fluid::Water)
        return fluidName(reading.fluid) + QStringLiteral(", ") + temperature;
    return fluidName(reading.fluid) + u' ' + numberText(reading.concentration) + QStringLiteral(" % (по массе), ")
           + temperature;
}

QString fluidName(Fluid fluid)
{
    switch (fluid) {
    case Fluid::Water:
        return QStringLiteral("вода");
    case Fluid::EthyleneGlycol:
        return QStringLiteral("раствор этиленгликоля");
    case Fluid::PropyleneGlycol:
        break;
    }
    return QStringLiteral("раствор пропиленгликоля");
}

std::optional<Fluid> fluidOfName(const QString& name)
{
    for (Fluid fluid : {Fluid::Water, Fluid::EthyleneGlycol, Fluid::PropyleneGlycol})
        if (fluidName(fluid) == name)
            return fluid;
    return std::nullopt;
}

CarrierReading readingOf(const ReferenceCarrier& carrier, double density, double viscosityE6)
{
    return {carrier.kind, carrier.concentration, carrier.temperature, {density, viscosityE6, carrier.heatCapacity}};
}

QString carrierSource(Fluid fluid)
{
    if (fluid == Fluid::Water)
        return QStringLiteral("ρ и c по IAPWS-95, ν по IAPWS 2008 (до 100 °С при 0,101325 МПа, выше — на линии насыщения)");
    return QStringLiteral("Å. Melinder, Properties of secondary working fluids for indirect systems, IIR, 2010");
}

QString carrierShortSource(Fluid fluid)
{
    return fluid == Fluid::Water ? QStringLiteral("IAPWS") : QStringLiteral("Melinder, 2010");
}

}  // namespace calc::carrier

namespace calc::carrier {

namespace {

// "Массовая доля должна быть …" as it follows a colon.
QString lowerFirst(QString text)
{
    if (!text.isEmpty())
        text[0] = text.at(0).toLower();
    return text;
}

QString outOfRange(const QString& what, double value, double min, double max, const QString& unit)
{
    if (std::isfinite(value) && value >= min && value <= max)
        return {};
    return QStringLiteral("%1 %2 %3 вне пределов от %4 до %5 %3")
        .arg(what, std::isfinite(value) ? numberText(value) : QStringLiteral("не число"), unit, numberText(min),
             numberText(max));
}

QString carrierFault(const ReferenceCarrier& carrier, double density, double viscosityE6)
{
    if (!(std::isfinite(density) && density > 0 && std::isfinite(viscosityE6) && viscosityE6 > 0))
        return QStringLiteral("у теплоносителя из справочника нет плотности или вязкости");
    const bool water = carrier.kind == Fluid::Water;
    if (water && carrier.concentration != 0)
        return QStringLiteral("у воды нет массовой доли");
    if (!std::isfinite(carrier.concentration) || !std::isfinite(carrier.temperature))
        return QStringLiteral("теплоноситель: массовая доля или температура не число");
    const ReferenceAnswer answer = lookUp({carrier.kind, water ? QString() : storedNumberText(carrier.concentration),
                                           storedNumberText(carrier.temperature)});
    if (!answer.reading)
        return QStringLiteral("теплоноситель: ") + lowerFirst(answer.message);
    // The reference hands over its figures as it shows them; any other figure was typed after it.
    const Properties& shown = answer.reading->shown;
    const auto differs = [](double value, double reference) {
        return !(std::abs(value - reference) <= 1e-12 * std::abs(reference));
    };
    const QString name = carrierName(*answer.reading);
    for (const auto& [what, value, reference, unit] :
         {std::tuple{QStringLiteral("плотность ρ"), density, shown.density, QStringLiteral("кг/м³")},
          {QStringLiteral("вязкость ν·10⁶"), viscosityE6, shown.viscosityE6, QStringLiteral("мм²/с")},
          {QStringLiteral("теплоёмкость c"), carrier.heatCapacity, shown.heatCapacity, QStringLiteral("кДж/(кг·К)")}})
        if (differs(value, reference))
            return QStringLiteral("у теплоносителя «%1» %2 = %3 %4, а по справочнику %5 %4")
                .arg(name, what, std::isfinite(value) ? numberText(value) : QStringLiteral("не число"), unit,
                     numberText(reference));
    return {};
}

}  // namespace

QString referenceFault(const CalculationRequest& request)
{
    if (request.carrier) {
        const QString fault =
            carrierFault(*request.carrier, request.conditions.carrierDensity, request.conditions.carrierViscosityE6);
        if (!fault.isEmpty())
            return fault;
    }
    if (!request.load)
        return {};
    const HeatLoad& load = *request.load;
    for (const QString& fault :
         {outOfRange(QStringLiteral("тепловая нагрузка Q ="), load.heat, minLoad, maxLoad, QStringLiteral("Вт")),
          outOfRange(QStringLiteral("разность температур Δt ="), load.temperatureDrop, minTemperatureDrop,
                     maxTemperatureDrop, QStringLiteral("°С")),
          outOfRange(QStringLiteral("теплоёмкость теплоносителя c ="), load.heatCapacity, minHeatCapacity,
                     maxHeatCapacity, QStringLiteral("кДж/(кг·К)"))})
        if (!fault.isEmpty())
            return fault;
    return {};
}

}  // namespace calc::carrier
