#include "calc/building/buildingdescription.h"

#include "calc/building/buildinghydraulics.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/carrier/carrierreference.h"
#include "calc/carrier/typednumber.h"
#include "calc/common/calculationdescription.h"
#include "calc/common/numbertext.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"

namespace calc::building {

using namespace description;

namespace {

// Where a screen's system choice stands among its conditions, and the kinds it offers.
struct Screen {
    Material material;
    int systemPosition;
    QList<SystemKind> kinds;
};

const Screen copperScreen{Material::Copper, 0,
                          {SystemKind::ColdWater, SystemKind::HotWater, SystemKind::HotWaterSupply, SystemKind::Heating}};
const Screen pexScreen{Material::Pex, 1, {SystemKind::ColdWater, SystemKind::HotWater, SystemKind::Heating}};
const Screen pexAlPexScreen{Material::PexAlPex, 0, {SystemKind::ColdWater, SystemKind::HotWater, SystemKind::Heating}};

QString systemName(Material material, SystemKind kind)
{
    switch (kind) {
    case SystemKind::ColdWater:
        return QStringLiteral("холодного водоснабжения");
    case SystemKind::HotWater:
        return material == Material::Copper ? QStringLiteral("циркуляционного горячего водоснабжения")
                                            : QStringLiteral("горячего водоснабжения");
    case SystemKind::HotWaterSupply:
        return QStringLiteral("подающие системы горячего водоснабжения");
    case SystemKind::Heating:
        break;
    }
    return QStringLiteral("отопления");
}

// The carrier by its name, figures and source where it came from the reference.
QString carrierLine(const CalculationRequest& request, bool otherCarrier)
{
    if (!otherCarrier || !request.carrier)
        return QStringLiteral("Теплоноситель: ") + (otherCarrier ? QStringLiteral("другой") : QStringLiteral("вода"));
    const SizeQuery& typed = request.conditions;
    const carrier::CarrierReading reading =
        carrier::readingOf(*request.carrier, typed.carrierDensity, typed.carrierViscosityE6);
    return QStringLiteral("Теплоноситель: %1: ρ = %2 кг/м³, ν = %3 м²/с, c = %4 кДж/(кг·К) (%5)")
        .arg(carrier::carrierName(reading), numberText(typed.carrierDensity), timesMillionth(typed.carrierViscosityE6),
             numberText(request.carrier->heatCapacity), carrier::carrierShortSource(reading.fluid));
}

// G as the load window showed it, to 0,1 кг/ч.
QString loadLine(const HeatLoad& load)
{
    const double massFlow = 3.6 * load.heat / (load.heatCapacity * load.temperatureDrop);
    return QStringLiteral("Q = %1 Вт, Δt = %2 °С, G = 3,6·Q/(c·Δt) = %3 кг/ч")
        .arg(numberText(load.heat), numberText(load.temperatureDrop), numberText(carrier::roundedToDecimals(massFlow, 1)));
}

QStringList conditionLines(const Screen& screen, const CalculationRequest& request, SystemKind kind, const Figures& figures)
{
    const ConditionChoices& chosen = request.conditions.chosen;
    QStringList lines{QStringLiteral("Система: ") + systemName(screen.material, kind)};
    if (kind != SystemKind::ColdWater) {
        const QStringList items = temperatures(screen.material, kind);
        const int t = choiceAt(chosen, screen.systemPosition + 1);
        if (t >= 0 && t < items.size())
            lines << QStringLiteral("t = %1 °C").arg(items.at(t));
    }
    if (kind == SystemKind::Heating)
        lines << carrierLine(request, choiceAt(chosen, screen.systemPosition + 2) == 1);
    if (figures.viscosity)
        lines << viscosityLine(*figures.viscosity);
    if (kind == SystemKind::Heating && figures.density)
        lines << QStringLiteral("ρ = %1 кг/м³").arg(numberText(*figures.density));
    return lines;
}

// A logarithm keeps its argument on its line, and "Re кв" its index, wherever a line wraps.
QString unbroken(QString line)
{
    return line.replace(QStringLiteral("lg "), QStringLiteral("lg\u00A0"))
        .replace(QStringLiteral("Re кв"), QStringLiteral("Re\u00A0кв"));
}

QStringList frictionLines(Material material, double d, double v, double nu, const Figures& figures,
                          const FrictionIntermediates& f)
{
    const QString delta = material == Material::Copper ? QStringLiteral("10⁻⁵") : QStringLiteral("10⁻⁶");
    const double reynolds = figures.reynolds.value_or(0);
    const QString dText = numberText(d);
    const QStringList lines{
        QStringLiteral("Re = v·d/ν = %1·%2/(%3) = %4").arg(approx(v), dText, timesMillionth(nu * 1e6), approx(reynolds)),
        QStringLiteral("Re кв = 500·d/Δ = 500·%1/%2 = %3").arg(dText, delta, approx(f.roughReynolds)),
        QStringLiteral("b = 1 + lg Re/lg Re кв = 1 + lg %1/lg %2 = %3")
            .arg(approx(reynolds), approx(f.roughReynolds), approx(f.b)),
        QStringLiteral("A = 3,7·d/Δ = 3,7·%1/%2 = %3").arg(dText, delta, approx(f.a)),
        QStringLiteral("λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)² = "
                       "(0,5·(%1/2 + 1,312·(2 − %1)·lg %2/(lg %3 − 1))/lg %2)² = %4")
            .arg(approx(f.b), approx(f.a), approx(reynolds), approx(figures.lambda.value_or(0)))};
    QStringList bound;
    for (const QString& line : lines)
        bound << unbroken(line);
    return bound;
}

QStringList slopeLines(Material material, SystemKind kind, const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const double d = *figures.diameterMm / 1000;
    const double v = *figures.velocity;
    const double nu = *figures.viscosity;
    const bool copperSlope = material == Material::Copper && (kind == SystemKind::ColdWater || kind == SystemKind::HotWater);
    QStringList lines;
    if (!copperSlope && outcome.friction)
        lines << frictionLines(material, d, v, nu, figures, *outcome.friction);
    if (kind == SystemKind::Heating) {
        if (figures.specificLoss && figures.density && figures.lambda)
            lines << QStringLiteral("R = ρ·λ·v²/(2·d) = %1·%2·%3²/(2·%4) = %5 Па/м")
                         .arg(numberText(*figures.density), approx(*figures.lambda), approx(v), numberText(d),
                              shown(*figures.specificLoss, 3));
        return lines;
    }
    if (!figures.slope || !figures.slopePressure)
        return lines;
    const QString i = shown(*figures.slope, 3);
    if (copperSlope)
        lines << QStringLiteral("i = 0,0161·ν^0,25·v^1,75·d^−1,25 = 0,0161·(%1)^0,25·%2^1,75·%3^−1,25 = %4")
                     .arg(timesMillionth(nu * 1e6), approx(v), numberText(d), i);
    else if (kind == SystemKind::HotWaterSupply)
        lines << unbroken(QStringLiteral("i = 0,051·((lg Re + 6,52·lg d)/(115·(lg d)²) + (0,66·lg d + 0,1·lg Re)/(lg d·lg Re))"
                                         "·v²/d при Re = %1, d = %2, v = %3: i = %4")
                              .arg(approx(figures.reynolds.value_or(0)), numberText(d), approx(v), i));
    else if (figures.lambda)
        lines << QStringLiteral("i = λ·v²/(2·9,81·d) = %1·%2²/(2·9,81·%3) = %4")
                     .arg(approx(*figures.lambda), approx(v), numberText(d), i);
    lines << QStringLiteral("удельные потери давления R = 1000·g·i = 1000·9,80665·%1 = %2 Па/м")
                 .arg(approx(*figures.slope), shown(*figures.slopePressure, 3));
    return lines;
}

QStringList fittingLines(Material material, const LocalLosses& losses, const Figures& figures)
{
    QStringList lines;
    QStringList terms;
    for (qsizetype k = 0; k < losses.fittingCounts.size() && k < fittingRows; ++k) {
        const double count = losses.fittingCounts.at(k);
        if (count == 0)
            continue;
        const QString xi = numberText(fittingCoefficient(material, int(k) + 1));
        lines << QStringLiteral("%1: %2 шт., ξ = %3")
                     .arg(fittingCaption(material, int(k) + 1).simplified(), numberText(count), xi);
        terms << numberText(count) + QStringLiteral("·") + xi;
    }
    if (losses.otherResistance) {
        lines << QStringLiteral("другие: ξ = ") + numberText(*losses.otherResistance);
        terms << numberText(*losses.otherResistance);
    }
    const QString sum = numberText(figures.resistanceSum.value_or(0));
    lines << (terms.isEmpty() ? QStringLiteral("Местных сопротивлений нет: Σξ = ") + sum
                              : QStringLiteral("Σξ = %1 = %2").arg(terms.join(QStringLiteral(" + ")), sum));
    return lines;
}

QStringList sectionLines(const CalculationRequest& request, SystemKind kind, const Figures& figures, Material material)
{
    if (!request.length || !figures.velocity)
        return {};
    const QString length = numberText(*request.length);
    const QString v = approx(*figures.velocity);
    const QString sum = numberText(figures.resistanceSum.value_or(0));
    QStringList lines{QStringLiteral("Длина участка L = %1 м").arg(length)};
    lines << fittingLines(material, request.localLosses, figures);
    if (kind == SystemKind::Heating) {
        if (figures.localPressureLoss && figures.pressureDrop && figures.specificLoss && figures.density)
            lines << QStringLiteral("Z = Σξ·v²·ρ/2 = %1·%2²·%3/2 = %4 Па")
                         .arg(sum, v, numberText(*figures.density), approx(*figures.localPressureLoss))
                  << QStringLiteral("ΔP = R·L + Z = %1·%2 + %3 = %4 Па")
                         .arg(approx(*figures.specificLoss), length, approx(*figures.localPressureLoss),
                              shown(*figures.pressureDrop, 3));
        return lines;
    }
    if (figures.headLoss && figures.headLossPressure && figures.slope)
        lines << QStringLiteral("H = i·L + Σξ·v²/2g = %1·%2 + %3·%4²/19,62 = %5 м")
                     .arg(approx(*figures.slope), length, sum, v, shown(*figures.headLoss, 3))
              << QStringLiteral("потери давления на участке 1000·g·H = %1 Па").arg(shown(*figures.headLossPressure, 3));
    return lines;
}

QStringList described(const Screen& screen, const QStringList& pipe, const CalculationRequest& request,
                      const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const int system = choiceAt(request.conditions.chosen, screen.systemPosition);
    const SystemKind kind = system >= 0 && system < screen.kinds.size() ? screen.kinds.at(system) : SystemKind::ColdWater;
    QStringList lines = pipe;
    lines << conditionLines(screen, request, kind, figures);
    if (figures.flow)
        lines << flowLine(request, *figures.flow);
    if (request.load && request.load->heatCapacity > 0 && request.load->temperatureDrop > 0)
        lines << loadLine(*request.load);
    if (figures.flow && figures.diameterMm && figures.velocity && figures.viscosity)
        lines << velocityLine(*figures.flow, *figures.diameterMm, *figures.velocity)
              << slopeLines(screen.material, kind, outcome);
    lines << sectionLines(request, kind, figures, screen.material) << shownAdvice(outcome);
    return lines;
}

QString dpLine(const CalculationRequest& request, const QString& catalogRule)
{
    return (request.size.isEmpty() ? QStringLiteral("dp = %1 мм") : catalogRule).arg(numberText(request.diameterMm));
}

}  // namespace

QStringList describeCopper(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList parts = request.size.split(QStringLiteral(" × "));
    QStringList pipe;
    if (request.size.isEmpty() || parts.size() != 2) {
        pipe << pipeLine(request, request.size) << dpLine(request, QStringLiteral("dp = %1 мм"));
    } else {
        const QString outer = numberText(parseValue(parts.at(0)));
        const QString wall = numberText(parseValue(parts.at(1)));
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(outer, wall))
             << QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм").arg(outer, wall, numberText(request.diameterMm));
    }
    return described(copperScreen, pipe, request, outcome);
}

QStringList describePex(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    static const QStringList series{QStringLiteral("SDR 13,6"), QStringLiteral("SDR 11"), QStringLiteral("SDR 9"),
                                    QStringLiteral("SDR 7,4"), QStringLiteral("SDR 6")};
    const int position = choiceAt(request.conditions.chosen, 0);
    const QString seriesName = position >= 0 && position < series.size() ? series.at(position) : QString();
    const QStringList pipe{pipeLine(request, QStringLiteral("dн = %1 мм, %2").arg(numberText(parseValue(request.size)), seriesName)),
                           dpLine(request, QStringLiteral("dp = dв = %1 мм (табл.1 СП 41-109-2005)"))};
    return described(pexScreen, pipe, request, outcome);
}

QStringList describePexAlPex(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    QStringList pipe;
    if (request.size.isEmpty()) {
        pipe << pipeLine(request, {}) << dpLine(request, {});
    } else {
        const double outer = parseValue(request.size);
        const double wall = (outer - pexalpex::innerDiameter(outer)) / 2;
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(numberText(outer), numberText(wall)))
             << QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм")
                    .arg(numberText(outer), numberText(wall), numberText(request.diameterMm));
    }
    return described(pexAlPexScreen, pipe, request, outcome);
}

Description describer(Material material)
{
    switch (material) {
    case Material::Copper:
        return describeCopper;
    case Material::Pex:
        return describePex;
    case Material::PexAlPex:
        break;
    }
    return describePexAlPex;
}

}  // namespace calc::building
