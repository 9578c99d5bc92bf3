#include "calc/building/buildingcalculation.h"

#include <QTest>
#include <cmath>
#include <limits>

using namespace calc;
using namespace calc::building;

Q_DECLARE_METATYPE(calc::building::SectionInput)
Q_DECLARE_METATYPE(calc::building::Material)
Q_DECLARE_METATYPE(calc::building::SystemKind)

namespace {

using Numbers = QMap<QString, double>;

struct Conditions {
    Material material;
    SystemKind kind;
    double diameterMm;
    double flow;
    double length = 10;
};

SectionInput typedSection(const Conditions& c)
{
    SectionInput input;
    input.material = c.material;
    input.kind = c.kind;
    input.diameterMm = c.diameterMm;
    input.typedDiameter = true;
    input.flow = {c.flow, FlowUnit::LitresPerSecond};
    input.length = c.length;
    return input;
}

SectionInput at(SectionInput input, double temperature)
{
    input.temperature = temperature;
    return input;
}

SectionInput otherCarrier(SectionInput input, double density, double viscosityE6)
{
    input.carrier = HeatCarrier::Other;
    input.typedDensity = density;
    input.typedViscosityE6 = viscosityE6;
    return input;
}

// Rows are numbered from 1, as on screen.
SectionInput withFitting(SectionInput input, int row, double count, bool ticked = true)
{
    input.fittings[row - 1] = {ticked, count};
    return input;
}

SectionInput twoElbowsAndABranchTee(const SectionInput& input)
{
    return withFitting(withFitting(withFitting(input, 1, 2), 3, 1), 5, 4, false);
}

QString checkName(const std::optional<Check>& check)
{
    if (!check)
        return QString();
    switch (*check) {
    case Check::FlowZero:
        return QStringLiteral("flow zero");
    case Check::DiameterZero:
        return QStringLiteral("diameter zero");
    case Check::NoSizeChosen:
        return QStringLiteral("no size chosen");
    case Check::NoWallChosen:
        return QStringLiteral("no wall chosen");
    case Check::TemperatureMissing:
        return QStringLiteral("temperature missing");
    case Check::ViscosityMissing:
        return QStringLiteral("viscosity missing");
    case Check::DensityMissing:
        return QStringLiteral("density missing");
    case Check::LengthZero:
        return QStringLiteral("length zero");
    case Check::NotComputable:
        return QStringLiteral("not computable");
    }
    return QStringLiteral("?");
}

// Every number the result sets, by name; what is unset is absent.
Numbers numbers(const SectionResult& result)
{
    Numbers set;
    const auto add = [&set](const char* name, const std::optional<double>& value) {
        if (value)
            set.insert(QString::fromUtf8(name), *value);
    };
    const Figures& f = result.figures;
    add("Q", f.flow);
    add("d", f.diameterMm);
    add("ν", f.viscosity);
    add("ρ", f.density);
    add("Re", f.reynolds);
    add("λ", f.lambda);
    add("v", f.velocity);
    add("i", f.slope);
    add("1000i", f.thousandI);
    add("Па/м", f.slopePressure);
    add("R", f.specificLoss);
    add("k", f.localShare);
    add("Σξ", f.resistanceSum);
    add("H", f.headLoss);
    add("H, Па", f.headLossPressure);
    add("Z", f.localPressureLoss);
    add("ΔP", f.pressureDrop);
    add("Text18", result.viscosityE6);
    add("Text3", result.waterDensity);
    return set;
}

QString adviceText(const std::optional<VelocityAdvice>& advice)
{
    if (!advice)
        return QStringLiteral("none");
    const auto shown = [](const std::optional<QString>& text) { return text ? u'«' + *text + u'»' : QStringLiteral("kept"); };
    const QString colour = advice->label.colour ? QString::number(*advice->label.colour) : QStringLiteral("kept");
    return colour + u' ' + shown(advice->label.text) + QStringLiteral(" tooltip ") + shown(advice->tooltip);
}

const QString calm = QStringLiteral("0 «» tooltip «»");
const QString calmCopper = QStringLiteral("0 «» tooltip kept");

}  // namespace

class BuildingCalculationTest : public QObject {
    Q_OBJECT
private slots:
    void section_data()
    {
        QTest::addColumn<SectionInput>("input");
        QTest::addColumn<QString>("failed");
        QTest::addColumn<Numbers>("expected");
        QTest::addColumn<QString>("advice");

        const SectionInput copperCold = typedSection({Material::Copper, SystemKind::ColdWater, 13, 0.2});
        const SectionInput copperHeating = typedSection({Material::Copper, SystemKind::Heating, 13, 0.2});
        const SectionInput pexCold = typedSection({Material::Pex, SystemKind::ColdWater, 13.15, 0.2});
        const SectionInput pexHeating = typedSection({Material::Pex, SystemKind::Heating, 13.15, 0.2});
        const SectionInput pexAlPexHeating =
            withFitting(typedSection({Material::PexAlPex, SystemKind::Heating, 12, 0.2}), 12, 2);

        QTest::newRow("copper, cold water, 13 mm, two elbows and a branch tee")
            << twoElbowsAndABranchTee(copperCold) << QString()
            << Numbers{{"Q", 0.0002}, {"d", 13}, {"ν", 1.3e-6}, {"Re", 15067.9236063}, {"λ", 0.0305371320575},
                       {"v", 1.50679236063}, {"i", 0.253790867756}, {"1000i", 253.790867756},
                       {"Па/м", 2488.83821328}, {"Σξ", 2.5}, {"H", 2.82720827211}, {"H, Па", 27725.4420017},
                       {"Text18", 1.3}}
            << calmCopper;
        QTest::newRow("copper, heating with water at 70 °C: R with ρ = 980")
            << twoElbowsAndABranchTee(at(copperHeating, 70)) << QString()
            << Numbers{{"Q", 0.0002}, {"d", 13}, {"ν", 4.1e-7}, {"ρ", 980}, {"Re", 47776.343142},
                       {"λ", 0.0247504057646}, {"v", 1.50679236063}, {"Σξ", 2.5}, {"R", 2118.07761486},
                       {"Z", 2781.26844213}, {"ΔP", 23962.0445907}, {"Text18", 0.41}, {"Text3", 980}}
            << calmCopper;
        QTest::newRow("copper, hot-water supply at 90 °C")
            << at(typedSection({Material::Copper, SystemKind::HotWaterSupply, 13, 0.2}), 90) << QString()
            << Numbers{{"Q", 0.0002}, {"d", 13}, {"ν", 3.6e-7}, {"Re", 54411.9463562}, {"λ", 0.0242581586916},
                       {"v", 1.50679236063}, {"i", 0.604454204233}, {"1000i", 604.454204233},
                       {"Па/м", 5927.67082195}, {"Σξ", 0}, {"H", 6.04454204233}, {"H, Па", 59276.7082195},
                       {"Text18", 0.36}}
            << calmCopper;
        QTest::newRow("copper, cold water above 4 m/s")
            << typedSection({Material::Copper, SystemKind::ColdWater, 13, 2}) << QString()
            << Numbers{{"Q", 0.002}, {"d", 13}, {"ν", 1.3e-6}, {"Re", 150679.236063}, {"λ", 0.0211770091065},
                       {"v", 15.0679236063}, {"i", 14.2717092895}, {"1000i", 14271.7092895},
                       {"Па/м", 139957.657904}, {"Σξ", 0}, {"H", 142.717092895}, {"H, Па", 1399576.57904},
                       {"Text18", 1.3}}
            << QStringLiteral("12 «Большая скорость! Рекомендуется увеличить диаметр» tooltip "
                              "«Для систем холодного водоснабжения рекомендуется v до 4 м/с»");
        QTest::newRow("PEX, cold water, 13.15 mm")
            << pexCold << QString()
            << Numbers{{"Q", 0.0002}, {"d", 13.15}, {"ν", 1.3e-6}, {"Re", 14896.0461507}, {"λ", 0.0276169648356},
                       {"v", 1.47261292745}, {"i", 0.232128469723}, {"1000i", 232.128469723},
                       {"Па/м", 2276.40265761}, {"Σξ", 0}, {"H", 2.32128469723}, {"H, Па", 22764.0265761},
                       {"Text18", 1.3}}
            << calm;
        QTest::newRow("PEX-AL-PEX, heating with another carrier, two compression-nut joints")
            << otherCarrier(at(pexAlPexHeating, 60), 1000, 0.5) << QString()
            << Numbers{{"Q", 0.0002}, {"d", 12}, {"ν", 5e-7}, {"ρ", 1000}, {"Re", 42441.3181578},
                       {"λ", 0.0218709897482}, {"v", 1.76838825658}, {"i", 0.29049819103}, {"1000i", 290.49819103},
                       {"Па/м", 2848.81408507}, {"Σξ", 3}, {"R", 2849.78725401}, {"Z", 4690.795539},
                       {"ΔP", 33188.6680791}, {"Text18", 0.5}}
            << calm;
        SectionInput cubicMetres = at(pexHeating, 80);
        cubicMetres.flow = {0.72, FlowUnit::CubicMetresPerHour};
        cubicMetres.length = 5;
        cubicMetres.otherResistance = {true, 0.5};
        QTest::newRow("PEX, heating with water at 80 °C, flow in m³/h, other ξ")
            << cubicMetres << QString()
            << Numbers{{"Q", 0.0002}, {"d", 13.15}, {"ν", 3.6e-7}, {"ρ", 970}, {"Re", 53791.2777666},
                       {"λ", 0.0207868663727}, {"v", 1.47261292745}, {"i", 0.174719543229}, {"1000i", 174.719543229},
                       {"Па/м", 1713.41340861}, {"Σξ", 0.5}, {"R", 1662.5787575}, {"Z", 525.882792268},
                       {"ΔP", 8838.77657979}, {"Text18", 0.36}, {"Text3", 970}}
            << calm;

        SectionInput catalogPipe = copperCold;
        catalogPipe.typedDiameter = false;
        catalogPipe.flow.value = 0;
        QTest::newRow("copper: an empty diameter before an empty flow")
            << typedSection({Material::Copper, SystemKind::ColdWater, 0, 0}) << "diameter zero" << Numbers{} << "none";
        QTest::newRow("copper: a missing wall before an empty flow")
            << catalogPipe << "no wall chosen" << Numbers{} << "none";
        catalogPipe.wallChosen = true;
        QTest::newRow("copper: a chosen wall passes") << catalogPipe << "flow zero" << Numbers{} << "none";
        QTest::newRow("copper: a negative length")
            << typedSection({Material::Copper, SystemKind::ColdWater, 13, 0.2, -5}) << "length zero" << Numbers{}
            << "none";
        QTest::newRow("copper: an infinite diameter")
            << typedSection({Material::Copper, SystemKind::ColdWater, std::numeric_limits<double>::infinity(), 0.2})
            << "not computable" << Numbers{} << "none";
        QTest::newRow("copper: circulation without a temperature")
            << typedSection({Material::Copper, SystemKind::HotWater, 13, 0.2}) << "temperature missing"
            << Numbers{{"Q", 0.0002}} << "none";
        QTest::newRow("copper: another carrier still needs a temperature")
            << otherCarrier(copperHeating, 1000, 0.5) << "temperature missing" << Numbers{{"Q", 0.0002}} << "none";
        QTest::newRow("copper: another carrier without ν")
            << otherCarrier(at(copperHeating, 60), 1000, 0) << "viscosity missing" << Numbers{{"Q", 0.0002}}
            << "none";
        QTest::newRow("copper: another carrier without ρ shows no R")
            << twoElbowsAndABranchTee(otherCarrier(at(copperHeating, 60), 0, 0.5)) << "density missing"
            << Numbers{{"Q", 0.0002}, {"ν", 5e-7}, {"Text18", 0.5}, {"Σξ", 2.5}, {"v", 1.50679236063}} << "none";
        QTest::newRow("copper: the supply slope falls below zero on a large bore")
            << at(typedSection({Material::Copper, SystemKind::HotWaterSupply, 153, 18.385}), 90) << "not computable"
            << Numbers{{"Q", 0.018385}, {"ν", 3.6e-7}, {"Text18", 0.36}, {"Σξ", 0}, {"v", 0.999979026441}}
            << calmCopper;

        QTest::newRow("PEX: hot water without a temperature, after the velocity")
            << typedSection({Material::Pex, SystemKind::HotWater, 13.15, 0.2}) << "temperature missing"
            << Numbers{{"Q", 0.0002}, {"v", 1.47261292745}} << "none";
        QTest::newRow("PEX: another carrier's ν is asked for before the temperature")
            << otherCarrier(pexHeating, 1000, 0) << "viscosity missing"
            << Numbers{{"Q", 0.0002}, {"v", 1.47261292745}} << "none";
        QTest::newRow("PEX: heating without a temperature")
            << otherCarrier(pexHeating, 1000, 0.5) << "temperature missing"
            << Numbers{{"Q", 0.0002}, {"v", 1.47261292745}} << "none";
        QTest::newRow("PEX: a negative typed ν")
            << otherCarrier(at(pexHeating, 60), 1000, -1) << "not computable"
            << Numbers{{"Q", 0.0002}, {"v", 1.47261292745}, {"ν", -1e-6}, {"Text18", -1}} << "none";
        QTest::newRow("PEX-AL-PEX: another carrier without ρ, after Σξ")
            << otherCarrier(at(pexAlPexHeating, 60), 0, 0.5) << "density missing"
            << Numbers{{"Q", 0.0002}, {"v", 1.76838825658}, {"ν", 5e-7}, {"Text18", 0.5}, {"Σξ", 3}} << "none";
    }
    void section()
    {
        QFETCH(SectionInput, input);
        QFETCH(QString, failed);
        QFETCH(Numbers, expected);
        QFETCH(QString, advice);
        const SectionResult result = calculateSection(input);
        QCOMPARE(checkName(result.failed), failed);
        const Numbers actual = numbers(result);
        QCOMPARE(actual.keys().join(u' '), expected.keys().join(u' '));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            const double value = actual.value(it.key());
            if (std::abs(value - it.value()) > 1e-10 * std::max(1.0, std::abs(it.value())))
                QFAIL(qPrintable(QStringLiteral("%1 = %2, not %3").arg(it.key()).arg(value, 0, 'g', 15).arg(it.value(), 0, 'g', 15)));
        }
        QCOMPARE(adviceText(result.advice), advice);
    }

    void velocityAdvice_data()
    {
        QTest::addColumn<Material>("material");
        QTest::addColumn<SystemKind>("kind");
        QTest::addColumn<double>("v");
        QTest::addColumn<QString>("advice");
        const QString tooFast = QStringLiteral("12 «Большая скорость! Рекомендуется увеличить диаметр» tooltip ");
        QTest::newRow("copper, cold water at the limit") << Material::Copper << SystemKind::ColdWater << 4.0 << calmCopper;
        QTest::newRow("copper, cold water above it") << Material::Copper << SystemKind::ColdWater << 4.0001
                                                     << tooFast + "«Для систем холодного водоснабжения рекомендуется v до 4 м/с»";
        QTest::newRow("copper, supply") << Material::Copper << SystemKind::HotWaterSupply << 3.5
                                        << tooFast + "«Для систем горячего водоснабжения рекомендуется v до 3 м/с»";
        QTest::newRow("copper, heating") << Material::Copper << SystemKind::Heating << 2.5
                                         << tooFast + "«Для систем отопления рекомендуется v до 2 м/с»";
        QTest::newRow("PEX, hot water") << Material::Pex << SystemKind::HotWater << 3.01
                                        << tooFast + "«Для систем ГВС рекомендуется скорость до 3 м/сек»";
        QTest::newRow("PEX-AL-PEX, heating at the limit") << Material::PexAlPex << SystemKind::Heating << 2.0 << calm;
        QTest::newRow("PEX-AL-PEX, cold water") << Material::PexAlPex << SystemKind::ColdWater << 4.5
                                                << tooFast + "«Для систем холодного водоснабжения рекомендуется скорость до 4 м/сек»";
    }
    void velocityAdvice()
    {
        QFETCH(Material, material);
        QFETCH(SystemKind, kind);
        QFETCH(double, v);
        QFETCH(QString, advice);
        QCOMPARE(adviceText(calc::building::velocityAdvice(material, kind, v)), advice);
    }
};

QTEST_GUILESS_MAIN(BuildingCalculationTest)
#include "tst_buildingcalculation.moc"
