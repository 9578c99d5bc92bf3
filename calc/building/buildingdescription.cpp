#include "calc/building/buildingdescription.h"

#include "calc/building/buildinghydraulics.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/building/pexcatalog.h"
#include "calc/carrier/carrierreference.h"
#include "calc/carrier/heatload.h"
#include "calc/common/calculationdescription.h"
#include "calc/common/tablerecord.h"
#include "calc/common/valueparse.h"

#include <cmath>

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
        .arg(carrier::carrierName(reading), exactText(typed.carrierDensity), timesMillionth(typed.carrierViscosityE6),
             exactText(request.carrier->heatCapacity), carrier::carrierShortSource(reading.fluid));
}

// G as the load window showed it, to 0,1 кг/ч.
QString loadLine(const HeatLoad& load)
{
    return QStringLiteral("Q = %1 Вт, Δt = %2 °С, G = 3,6·Q/(c·Δt) = %3 кг/ч")
        .arg(exactText(load.heat), exactText(load.temperatureDrop), exactText(carrier::shownMassFlow(load)));
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
        lines << QStringLiteral("ρ = %1 кг/м³").arg(exactText(*figures.density));
    return lines;
}

// A logarithm keeps its argument on its line, and "Re кв" its index, wherever a line wraps.
QString unbroken(QString line)
{
    return line.replace(QStringLiteral("lg "), QStringLiteral("lg\u00A0"))
        .replace(QStringLiteral("Re кв"), QStringLiteral("Re\u00A0кв"));
}

// The record's pieces that every line below needs: d as written and the figures by symbol.
struct Terms {
    Term d;
    Term nu;
    Term v = figure(QStringLiteral("v"));
    Term re = figure(QStringLiteral("Re"));
    Term i = figure(QStringLiteral("i"));
    Term lambda = figure(QStringLiteral("λ"));
};

double lgOf(double x) { return std::log10(x); }

void addReynoldsLine(RecordLines& record, const Terms& t, double reynolds)
{
    record.setFigure(QStringLiteral("Re"), reynolds);
    record.formula(unbroken(QStringLiteral("Re = v·d/ν = %1·%2/(%3) = %4")), {t.v, t.d, t.nu},
                   [](const std::vector<double>& x) { return x[0] * x[1] / x[2]; }, QStringLiteral("Re"));
}

// Below Re = 2300 the flow is laminar, where the turbulent formulas of the code do not hold; the
// figures stay as the screen shows them.
void addLaminarRemark(RecordLines& record, const Terms& t, double reynolds, const QString& formula)
{
    record.text(QStringLiteral("Re < 2300: течение ламинарное, а формула %1 выведена для турбулентного течения и здесь "
                               "вне области своего применения; результаты ниже приведены так, как их показывает экран.")
                    .arg(formula));
    record.setFigure(QStringLiteral("64/Re"), 64 / reynolds);
    record.formula(QStringLiteral("Для сравнения, ламинарное течение: λ = 64/Re = 64/%1 = %2"), {t.re},
                   [](const std::vector<double>& x) { return 64 / x[0]; }, QStringLiteral("64/Re"));
}

void addFrictionLines(RecordLines& record, Material material, const Terms& t, const FrictionIntermediates& f)
{
    const Term delta = material == Material::Copper ? exact(1e-5, QStringLiteral("10⁻⁵")) : exact(1e-6, QStringLiteral("10⁻⁶"));
    const Term roughReynolds = figure(QStringLiteral("Re кв"));
    const Term a = figure(QStringLiteral("A"));
    record.setFigure(QStringLiteral("Re кв"), f.roughReynolds);
    record.setFigure(QStringLiteral("A"), f.a);
    record.text(QStringLiteral("Эквивалентная шероховатость Δ = %1 м").arg(delta.text));
    record.formula(unbroken(QStringLiteral("Re кв = 500·d/Δ = 500·%1/%2 = %3")), {t.d, delta},
                   [](const std::vector<double>& x) { return 500 * x[0] / x[1]; }, QStringLiteral("Re кв"));
    const Formula b = [](const std::vector<double>& x) { return 1 + lgOf(x[0]) / lgOf(x[1]); };
    Term bTerm = figure(QStringLiteral("b"));
    if (f.b >= 2) {
        // b above 2 is taken as 2: the line shows the figure and then what is taken.
        record.setFigure(QStringLiteral("1 + lg Re/lg Re кв"), 1 + lgOf(record.figureValue(QStringLiteral("Re"))) / lgOf(f.roughReynolds));
        record.formula(unbroken(QStringLiteral("b = 1 + lg Re/lg Re кв = 1 + lg %1/lg %2 = %3 > 2, принято b = 2")),
                       {t.re, roughReynolds}, b, QStringLiteral("1 + lg Re/lg Re кв"));
        bTerm = exact(2);
    } else {
        record.setFigure(QStringLiteral("b"), f.b);
        record.formula(unbroken(QStringLiteral("b = 1 + lg Re/lg Re кв = 1 + lg %1/lg %2 = %3")), {t.re, roughReynolds}, b,
                       QStringLiteral("b"));
    }
    record.formula(QStringLiteral("A = 3,7·d/Δ = 3,7·%1/%2 = %3"), {t.d, delta},
                   [](const std::vector<double>& x) { return 3.7 * x[0] / x[1]; }, QStringLiteral("A"));
    record.formula(unbroken(QStringLiteral("λ = (0,5·(b/2 + 1,312·(2 − b)·lg A/(lg Re − 1))/lg A)² = "
                                           "(0,5·(%1/2 + 1,312·(2 − %1)·lg %2/(lg %3 − 1))/lg %2)² = %4")),
                   {bTerm, a, t.re},
                   [](const std::vector<double>& x) {
                       const double root = 0.5 * (x[0] / 2 + 1.312 * (2 - x[0]) * lgOf(x[1]) / (lgOf(x[2]) - 1)) / lgOf(x[1]);
                       return root * root;
                   },
                   QStringLiteral("λ"));
}

void addSlopeLines(RecordLines& record, Material material, SystemKind kind, const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const double d = *figures.diameterMm / 1000;
    const double v = *figures.velocity;
    const double nu = *figures.viscosity;
    const Terms t{metres(*figures.diameterMm), viscosityTerm(nu)};
    const bool copperSlope = material == Material::Copper && (kind == SystemKind::ColdWater || kind == SystemKind::HotWater);
    const double reynolds = figures.reynolds.value_or(v * d / nu);
    const bool laminar = reynolds < 2300;
    const bool supply = kind == SystemKind::HotWaterSupply;
    const bool friction = !copperSlope && !supply && outcome.friction;
    if (friction || supply || laminar)
        addReynoldsLine(record, t, reynolds);
    if (laminar)
        addLaminarRemark(record, t, reynolds, copperSlope || supply ? QStringLiteral("i") : QStringLiteral("λ"));
    if (figures.lambda)
        record.setFigure(QStringLiteral("λ"), *figures.lambda);
    if (friction)
        addFrictionLines(record, material, t, *outcome.friction);
    if (kind == SystemKind::Heating) {
        if (figures.specificLoss && figures.density && figures.lambda) {
            record.setFigure(QStringLiteral("R"), *figures.specificLoss);
            record.formula(QStringLiteral("R = ρ·λ·v²/(2·d) = %1·%2·%3²/(2·%4) = %5 Па/м"),
                           {exact(*figures.density), t.lambda, t.v, t.d},
                           [](const std::vector<double>& x) { return x[0] * x[1] * x[2] * x[2] / (2 * x[3]); },
                           QStringLiteral("R"));
        }
        return;
    }
    if (!figures.slope || !figures.slopePressure)
        return;
    record.setFigure(QStringLiteral("i"), *figures.slope);
    record.setFigure(QStringLiteral("R"), *figures.slopePressure);
    if (copperSlope)
        record.formula(QStringLiteral("i = 0,0161·ν^0,25·v^1,75·d^−1,25 = 0,0161·(%1)^0,25·%2^1,75·%3^−1,25 = %4"),
                       {t.nu, t.v, t.d},
                       [](const std::vector<double>& x) {
                           return 0.0161 * std::pow(x[0], 0.25) * std::pow(x[1], 1.75) * std::pow(x[2], -1.25);
                       },
                       QStringLiteral("i"));
    else if (supply)
        record.formula(unbroken(QStringLiteral(
                           "i = 0,051·((lg Re + 6,52·lg d)/(115·(lg d)²) + (0,66·lg d + 0,1·lg Re)/(lg d·lg Re))·v²/d = "
                           "0,051·((lg %1 + 6,52·lg %2)/(115·(lg %2)²) + (0,66·lg %2 + 0,1·lg %1)/(lg %2·lg %1))·%3²/%2 = %4")),
                       {t.re, t.d, t.v},
                       [](const std::vector<double>& x) {
                           const double lgRe = lgOf(x[0]);
                           const double lgD = lgOf(x[1]);
                           return 0.051 * ((lgRe + 6.52 * lgD) / (115 * lgD * lgD) + (0.66 * lgD + 0.1 * lgRe) / (lgD * lgRe))
                                  * x[2] * x[2] / x[1];
                       },
                       QStringLiteral("i"));
    else if (figures.lambda)
        record.formula(QStringLiteral("i = λ·v²/(2·9,81·d) = %1·%2²/(2·9,81·%3) = %4"), {t.lambda, t.v, t.d},
                       [](const std::vector<double>& x) { return x[0] * x[1] * x[1] / (2 * 9.81 * x[2]); },
                       QStringLiteral("i"));
    record.formula(QStringLiteral("удельные потери давления R = 1000·g·i = 1000·9,80665·%1 = %2 Па/м"), {t.i},
                   [](const std::vector<double>& x) { return 1000 * gravity * x[0]; }, QStringLiteral("R"));
}

void addFittingLines(RecordLines& record, Material material, const LocalLosses& losses, const Figures& figures)
{
    QStringList terms;
    for (qsizetype k = 0; k < losses.fittingCounts.size() && k < fittingRows; ++k) {
        const double count = losses.fittingCounts.at(k);
        if (count == 0)
            continue;
        const QString xi = exactText(fittingCoefficient(material, int(k) + 1));
        record.text(QStringLiteral("%1: %2 шт., ξ = %3")
                        .arg(fittingCaption(material, int(k) + 1).simplified(), exactText(count), xi));
        terms << exactText(count) + QStringLiteral("·") + xi;
    }
    if (losses.otherResistance) {
        record.text(QStringLiteral("другие: ξ = ") + exactText(*losses.otherResistance));
        terms << exactText(*losses.otherResistance);
    }
    const QString sum = exactText(figures.resistanceSum.value_or(0));
    if (terms.isEmpty())
        record.text(QStringLiteral("Местных сопротивлений нет: Σξ = ") + sum);
    else if (terms.size() == 1 && terms.front() == sum)
        record.text(QStringLiteral("Σξ = ") + sum);
    else
        record.text(QStringLiteral("Σξ = %1 = %2").arg(terms.join(QStringLiteral(" + ")), sum));
}

void addSectionLines(RecordLines& record, const CalculationRequest& request, SystemKind kind, const Figures& figures,
                     Material material)
{
    if (!request.length || !figures.velocity)
        return;
    const double length = *request.length;
    const Term sum = exact(figures.resistanceSum.value_or(0));
    const Term v = figure(QStringLiteral("v"));
    record.text(QStringLiteral("Длина участка L = %1 м").arg(exactText(length)));
    addFittingLines(record, material, request.localLosses, figures);
    if (kind == SystemKind::Heating) {
        if (figures.localPressureLoss && figures.pressureDrop && figures.specificLoss && figures.density) {
            record.setFigure(QStringLiteral("Z"), *figures.localPressureLoss);
            record.setFigure(QStringLiteral("ΔP"), *figures.pressureDrop);
            record.formula(QStringLiteral("Z = Σξ·v²·ρ/2 = %1·%2²·%3/2 = %4 Па"), {sum, v, exact(*figures.density)},
                           [](const std::vector<double>& x) { return x[0] * x[1] * x[1] * x[2] / 2; }, QStringLiteral("Z"));
            record.formula(QStringLiteral("ΔP = R·L + Z = %1·%2 + %3 = %4 Па"),
                           {figure(QStringLiteral("R")), exact(length), figure(QStringLiteral("Z"))},
                           [](const std::vector<double>& x) { return x[0] * x[1] + x[2]; }, QStringLiteral("ΔP"));
        }
        return;
    }
    if (figures.headLoss && figures.headLossPressure && figures.slope) {
        record.setFigure(QStringLiteral("H"), *figures.headLoss);
        record.setFigure(QStringLiteral("1000·g·H"), *figures.headLossPressure);
        record.formula(QStringLiteral("H = i·L + Σξ·v²/2g = %1·%2 + %3·%4²/19,62 = %5 м"),
                       {figure(QStringLiteral("i")), exact(length), sum, v},
                       [](const std::vector<double>& x) { return x[0] * x[1] + x[2] * x[3] * x[3] / 19.62; },
                       QStringLiteral("H"));
        record.formula(QStringLiteral("потери давления на участке 1000·g·H = 1000·9,80665·%1 = %2 Па"),
                       {figure(QStringLiteral("H"))}, [](const std::vector<double>& x) { return 1000 * gravity * x[0]; },
                       QStringLiteral("1000·g·H"));
    }
}

QStringList described(const Screen& screen, const QStringList& pipe, const CalculationRequest& request,
                      const CalculationOutcome& outcome)
{
    const Figures& figures = outcome.figures;
    const SystemKind kind = systemKindOf(screen.material, request);
    RecordLines record;
    record.text(pipe);
    record.text(conditionLines(screen, request, kind, figures));
    if (figures.flow)
        addFlowLine(record, request, *figures.flow);
    if (request.load && request.load->heatCapacity > 0 && request.load->temperatureDrop > 0)
        record.text(loadLine(*request.load));
    if (figures.flow && figures.diameterMm && figures.velocity && figures.viscosity) {
        addVelocityLine(record, *figures.diameterMm, *figures.velocity);
        addSlopeLines(record, screen.material, kind, outcome);
    } else if (figures.velocity && outcome.failed) {
        record.setFigure(QStringLiteral("v"), *figures.velocity);
        record.line(QStringLiteral("v = %1 м/с"), {figure(QStringLiteral("v"))});
        if (!outcome.stopReason.isEmpty())
            record.text(QStringLiteral("Расчет невозможен: ") + outcome.stopReason);
    }
    addSectionLines(record, request, kind, figures, screen.material);
    addAdvice(record, outcome);
    return record.written();
}

QString dpLine(const CalculationRequest& request, const QString& catalogRule)
{
    return (request.size.isEmpty() ? QStringLiteral("dp = %1 мм") : catalogRule).arg(exactText(request.diameterMm));
}

}  // namespace

QStringList describeCopper(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    const QStringList parts = request.size.split(QStringLiteral(" × "));
    QStringList pipe;
    if (request.size.isEmpty() || parts.size() != 2) {
        pipe << pipeLine(request, request.size) << dpLine(request, QStringLiteral("dp = %1 мм"));
    } else {
        const QString outer = exactText(parseValue(parts.at(0)));
        const QString wall = exactText(parseValue(parts.at(1)));
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(outer, wall))
             << QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм").arg(outer, wall, exactText(request.diameterMm));
    }
    return described(copperScreen, pipe, request, outcome);
}

QStringList describePex(const CalculationRequest& request, const CalculationOutcome& outcome)
{
    static const QStringList seriesNames{QStringLiteral("SDR 13,6"), QStringLiteral("SDR 11"), QStringLiteral("SDR 9"),
                                         QStringLiteral("SDR 7,4"), QStringLiteral("SDR 6")};
    const int position = choiceAt(request.conditions.chosen, 0);
    const QString seriesName = position >= 0 && position < seriesNames.size() ? seriesNames.at(position) : QString();
    const double outer = parseValue(request.size);
    const std::optional<pex::WallFigures> wall = request.size.isEmpty() || seriesName.isEmpty()
                                                     ? std::nullopt
                                                     : pex::wallFigures(outer, pex::Series(position));
    if (!wall)
        return described(pexScreen, {pipeLine(request, QStringLiteral("dн = %1 мм, %2").arg(exactText(outer), seriesName)),
                                     dpLine(request, QStringLiteral("dp = %1 мм"))},
                         request, outcome);
    const QStringList pipe{
        pipeLine(request, QStringLiteral("dн = %1 мм, %2, e = %3 мм, δe = %4 мм, δD = %5 мм (табл.1 СП 41-109-2005)")
                              .arg(exactText(outer), seriesName, exactText(wall->e), exactText(wall->wallTolerance),
                                   exactText(wall->outerTolerance))),
        QStringLiteral("dp = dв = 0,5·(2·dн + δD − 4·e − 2·δe) = 0,5·(2·%1 + %2 − 4·%3 − 2·%4) = %5 мм")
            .arg(exactText(outer), exactText(wall->outerTolerance), exactText(wall->e), exactText(wall->wallTolerance),
                 exactText(request.diameterMm))};
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
        pipe << pipeLine(request, QStringLiteral("dн = %1 мм, s = %2 мм").arg(exactText(outer), exactText(wall)))
             << QStringLiteral("dp = dн − 2·s = %1 − 2·%2 = %3 мм")
                    .arg(exactText(outer), exactText(wall), exactText(request.diameterMm));
    }
    return described(pexAlPexScreen, pipe, request, outcome);
}

SystemKind systemKindOf(Material material, const CalculationRequest& request)
{
    const Screen& screen = material == Material::Copper ? copperScreen : material == Material::Pex ? pexScreen : pexAlPexScreen;
    const int system = choiceAt(request.conditions.chosen, screen.systemPosition);
    return system >= 0 && system < screen.kinds.size() ? screen.kinds.at(system) : SystemKind::ColdWater;
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
