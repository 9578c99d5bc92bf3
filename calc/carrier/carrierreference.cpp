#include "calc/carrier/carrierreference.h"

#include "calc/carrier/typednumber.h"
#include "calc/carrier/waterproperties.h"
#include "calc/common/numbertext.h"

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
    switch (reading.fluid) {
    case Fluid::Water:
        return QStringLiteral("вода, ") + temperature;
    case Fluid::EthyleneGlycol:
        return QStringLiteral("раствор этиленгликоля ") + numberText(reading.concentration)
               + QStringLiteral(" % (по массе), ") + temperature;
    case Fluid::PropyleneGlycol:
        return QStringLiteral("раствор пропиленгликоля ") + numberText(reading.concentration)
               + QStringLiteral(" % (по массе), ") + temperature;
    }
    return QString();
}

QString carrierSource(Fluid fluid)
{
    if (fluid == Fluid::Water)
        return QStringLiteral("ρ и c по IAPWS-95, ν по IAPWS 2008 (до 100 °С при 0,101325 МПа, выше — на линии насыщения)");
    return QStringLiteral("Å. Melinder, Properties of secondary working fluids for indirect systems, IIR, 2010");
}

}  // namespace calc::carrier
