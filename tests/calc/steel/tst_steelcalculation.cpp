#include "calc/steel/steelcalculation.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

using namespace calc;
using namespace calc::steel;

Q_DECLARE_METATYPE(calc::steel::SteelInput)

namespace {

constexpr double unset = std::numeric_limits<double>::quiet_NaN();
constexpr int none = -1;

// A pipe of the water-gas catalog, cold water, the first system type.
SteelInput catalogPipe(double outer, double wall, double diameterMm, double flow,
                       FlowUnit unit = FlowUnit::LitresPerSecond)
{
    SteelInput input;
    input.outerDiameter = outer;
    input.wall = wall;
    input.diameterMm = diameterMm;
    input.flow = {flow, unit};
    return input;
}

SteelInput typedDiameter(double diameterMm, double flow)
{
    SteelInput input = catalogPipe(0, 0, diameterMm, flow);
    input.typedDiameter = true;
    return input;
}

SteelInput hotWater(SteelInput input, double temperature, double viscosityE6)
{
    input.system = SystemKind::HotWater;
    input.temperature = temperature;
    input.viscosityE6 = viscosityE6;
    return input;
}

SteelInput withSystemType(SteelInput input, int position)
{
    input.systemTypePosition = position;
    return input;
}

SteelInput withSection(SteelInput input, double length, bool withLocalLosses, double storedThousandI = 0)
{
    input.section = SteelSectionInput{length, withLocalLosses, storedThousandI};
    return input;
}

void compareFigure(const std::optional<double>& figure, double expected, const char* name)
{
    if (std::isnan(expected)) {
        QVERIFY2(!figure, name);
        return;
    }
    QVERIFY2(figure, name);
    QVERIFY2(std::abs(*figure - expected) <= 1e-12 * std::abs(expected),
             qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(*figure, 0, 'g', 17)));
}

int checkNumber(const std::optional<Check>& check) { return check ? int(*check) : none; }

const QString over3 = QStringLiteral("Внимание! Скорость больше 3 м/с, рекомендуется увеличить диаметр");
const QString over10 = QStringLiteral("Внимание! Скорость больше 10 м/с, рекомендуется увеличить диаметр");

}  // namespace

class SteelCalculationTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void calculationDiameter_data()
    {
        QTest::addColumn<double>("outer");
        QTest::addColumn<double>("wall");
        QTest::addColumn<bool>("newPipe");
        QTest::addColumn<double>("bore");
        QTest::newRow("21.3 x 2.8 non-new") << 21.3 << 2.8 << false << 14.7;
        QTest::newRow("21.3 x 2.8 new") << 21.3 << 2.8 << true << 15.7;
        QTest::newRow("10.2 x 1.8 non-new") << 10.2 << 1.8 << false << 5.6;
        QTest::newRow("57 x 3.5 non-new") << 57.0 << 3.5 << false << 49.0;
        QTest::newRow("57 x 3.5 new") << 57.0 << 3.5 << true << 50.0;
        QTest::newRow("10.2 x 1.2 new") << 10.2 << 1.2 << true << 7.8;
    }
    void calculationDiameter()
    {
        QFETCH(double, outer);
        QFETCH(double, wall);
        QFETCH(bool, newPipe);
        QFETCH(double, bore);
        const double got = steel::calculationDiameter(outer, wall, newPipe ? PipeCondition::New : PipeCondition::NonNew);
        QVERIFY2(std::abs(got - bore) < 1e-12, qPrintable(QString::number(got, 'g', 17)));
    }

    void find_data()
    {
        QTest::addColumn<SteelInput>("input");
        QTest::addColumn<int>("failed");
        QTest::addColumn<double>("flow");
        QTest::addColumn<double>("velocity");
        QTest::addColumn<double>("lambda");
        QTest::addColumn<double>("thousandI");
        QTest::addColumn<double>("slopePressure");
        QTest::addColumn<double>("viscosity");
        QTest::addColumn<double>("diameterMm");
        QTest::addColumn<QString>("warning");

        QTest::newRow("21.3 x 2.8 non-new, 0.3 l/s cold")
            << catalogPipe(21.3, 2.8, 14.7, 0.3) << none << 0.0003 << 1.7676517350203564 << 0.07447732921846219
            << 806.8655333595782 << 7912.6478827207075 << 1.3e-6 << 14.7 << "";
        QTest::newRow("typed 100 mm, 10 l/s: rough regime")
            << typedDiameter(100, 10) << none << 0.01 << 1.2732395447351625 << 0.041900508614346466
            << 34.621073419135996 << 339.51674964577 << 1.3e-6 << 100.0 << "";
        SteelInput hotNew = hotWater(catalogPipe(60, 4.5, 51, 2, FlowUnit::CubicMetresPerHour), 60, 0.47);
        hotNew.condition = PipeCondition::New;
        QTest::newRow("60 x 4.5 new, hot 60 °C, 2 m³/h")
            << hotNew << none << 0.0005555555555555556 << 0.2719551336526897 << 0.036035840811115286
            << 2.663544784020315 << 26.12045145621282 << 4.6999999999999995e-07 << 51.0 << "";
        QTest::newRow("5 l/s in 14.7 mm warns above 3 m/s")
            << catalogPipe(21.3, 2.8, 14.7, 5) << none << 0.005 << 29.46086225033928 << 0.07447732921846219
            << 224129.31482210517 << 2197957.7452001977 << 1.3e-6 << 14.7 << over3;
        QTest::newRow("5 l/s in 14.7 mm on fire-fighting warns above 10 m/s")
            << withSystemType(catalogPipe(21.3, 2.8, 14.7, 5), 3) << none << 0.005 << 29.46086225033928
            << 0.07447732921846219 << 224129.31482210517 << 2197957.7452001977 << 1.3e-6 << 14.7 << over10;
        QTest::newRow("7 m/s on fire-fighting has no warning")
            << withSystemType(catalogPipe(21.3, 2.8, 14.7, 1.2), 3) << none << 0.0012 << 7.070606940081426
            << 0.07447732921846219 << 12909.848533753251 << 126602.36612353132 << 1.3e-6 << 14.7 << "";

        // The checks in their order: each row fails every later check too.
        QTest::newRow("flow zero comes first")
            << hotWater(catalogPipe(0, 0, 0, 0), 0, 1.3) << int(Check::FlowZero) << unset << unset << unset << unset
            << unset << unset << unset << "";
        QTest::newRow("no outer diameter chosen")
            << hotWater(catalogPipe(0, 0, 0, 1), 0, 1.3) << int(Check::NoSizeChosen) << unset << unset << unset
            << unset << unset << unset << unset << "";
        QTest::newRow("outer diameter but no wall")
            << hotWater(catalogPipe(21.3, 0, 0, 1), 0, 1.3) << int(Check::NoWallChosen) << unset << unset << unset
            << unset << unset << unset << unset << "";
        QTest::newRow("typed diameter missing skips the catalog checks")
            << hotWater(typedDiameter(0, 1), 0, 1.3) << int(Check::DiameterZero) << unset << unset << unset << unset
            << unset << unset << unset << "";
        QTest::newRow("catalog pipe whose diameter was emptied")
            << hotWater(catalogPipe(21.3, 2.8, 0, 1), 0, 1.3) << int(Check::DiameterZero) << unset << unset << unset
            << unset << unset << unset << unset << "";
        QTest::newRow("flow too large to show")
            << hotWater(catalogPipe(21.3, 2.8, 14.7, 1e308), 0, 1.3) << int(Check::NotComputable) << unset << unset
            << unset << unset << unset << unset << unset << "";
        QTest::newRow("hot water without temperature keeps the flow")
            << hotWater(catalogPipe(21.3, 2.8, 14.7, 1), 0, 1.3) << int(Check::TemperatureMissing) << 0.001 << unset
            << unset << unset << unset << unset << unset << "";
        QTest::newRow("velocity beyond a number keeps the flow")
            << catalogPipe(21.3, 2.8, 1e-300, 0.3) << int(Check::NotComputable) << 0.0003 << unset << unset << unset
            << unset << unset << unset << "";
    }
    void find()
    {
        QFETCH(SteelInput, input);
        const SteelResult result = calculate(input);
        QTEST(checkNumber(result.failed), "failed");
        const Figures& figures = result.figures;
        QFETCH(double, flow);
        QFETCH(double, velocity);
        QFETCH(double, lambda);
        QFETCH(double, thousandI);
        QFETCH(double, slopePressure);
        QFETCH(double, viscosity);
        QFETCH(double, diameterMm);
        compareFigure(figures.flow, flow, "flow");
        compareFigure(figures.velocity, velocity, "velocity");
        compareFigure(figures.lambda, lambda, "lambda");
        compareFigure(figures.thousandI, thousandI, "thousandI");
        compareFigure(figures.slope, std::isnan(thousandI) ? unset : thousandI / 1000, "slope");
        compareFigure(figures.slopePressure, slopePressure, "slopePressure");
        compareFigure(figures.viscosity, viscosity, "viscosity");
        compareFigure(figures.diameterMm, diameterMm, "diameterMm");
        QTEST(result.velocityWarning, "warning");
        QVERIFY(!result.section);
        QVERIFY(!figures.localShare && !figures.headLoss);
    }

    void section_data()
    {
        QTest::addColumn<SteelInput>("input");
        QTest::addColumn<int>("findFailed");
        QTest::addColumn<int>("failed");
        QTest::addColumn<QString>("shareText");
        QTest::addColumn<double>("localShare");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("tooltip");
        QTest::addColumn<double>("headLoss");
        QTest::addColumn<double>("headLossPressure");

        const SteelInput typical = catalogPipe(21.3, 2.8, 14.7, 0.3);
        QTest::newRow("25 m after 0.3 l/s in 14.7 mm")
            << withSection(typical, 25, false) << none << none << "k=0,3" << 0.3 << "H = i·L= 20,172 м"
            << "потери давления  197816,2 Па" << 20.17163833398945 << 197816.19706801762;
        QTest::newRow("25 m after 0.3 l/s in 14.7 mm with local losses")
            << withSection(typical, 25, true) << none << none << "k=0,3" << 0.3 << "H = i·L·(1+k)= 26,223 м"
            << "потери давления  257161,06 Па" << 26.223129834186285 << 257161.05618842292;

        const SteelInput noFlow = catalogPipe(21.3, 2.8, 14.7, 0);
        QTest::newRow("failed find: stored 1000i 20, 10 m with local losses")
            << withSection(noFlow, 10, true, 20) << int(Check::FlowZero) << none << "k=0,3" << 0.3
            << "H = i·L·(1+k)= 0,26 м" << "потери давления  2549,73 Па" << 0.26 << 2549.729;
        QTest::newRow("failed find: stored 1000i 20, 10 m")
            << withSection(noFlow, 10, false, 20) << int(Check::FlowZero) << none << "k=0,3" << 0.3
            << "H = i·L= 0,2 м" << "потери давления  1961,33 Па" << 0.2 << 1961.33;
        QTest::newRow("no find ever: zero head loss")
            << withSection(noFlow, 10, false) << int(Check::FlowZero) << none << "k=0,3" << 0.3 << "H = i·L= 0 м"
            << "потери давления  0 Па" << 0.0 << 0.0;
        QTest::newRow("hot water, second system type: k 0.5")
            << withSection(withSystemType(hotWater(noFlow, 0, 1.3), 1), 1, true, 20) << int(Check::FlowZero) << none
            << "k=0,5" << 0.5 << "H = i·L·(1+k)= 0,03 м" << "потери давления  294,2 Па" << 0.03 << 294.1995;
        QTest::newRow("system type outside the list: k shows nothing and counts 0")
            << withSection(withSystemType(noFlow, -1), 10, true, 20) << int(Check::FlowZero) << none << "k=" << unset
            << "H = i·L·(1+k)= 0,2 м" << "потери давления  1961,33 Па" << 0.2 << 1961.33;
        QTest::newRow("length zero after k is shown")
            << withSection(typical, 0, true) << none << int(Check::LengthZero) << "k=0,3" << 0.3 << "" << "" << unset
            << unset;
        QTest::newRow("negative length after a failed find")
            << withSection(noFlow, -5, true, 20) << int(Check::FlowZero) << int(Check::LengthZero) << "k=0,3" << 0.3
            << "" << "" << unset << unset;
        QTest::newRow("section too long to compute")
            << withSection(noFlow, 1e308, false, 20) << int(Check::FlowZero) << int(Check::NotComputable) << "k=0,3"
            << 0.3 << "" << "" << unset << unset;
    }
    void section()
    {
        QFETCH(SteelInput, input);
        const SteelResult result = calculate(input);
        QTEST(checkNumber(result.failed), "findFailed");
        QVERIFY(result.section);
        const SteelSection& section = *result.section;
        QTEST(checkNumber(section.failed), "failed");
        QTEST(section.shareText, "shareText");
        QTEST(section.text, "text");
        QTEST(section.tooltip, "tooltip");
        QFETCH(double, localShare);
        QFETCH(double, headLoss);
        QFETCH(double, headLossPressure);
        compareFigure(result.figures.localShare, localShare, "localShare");
        compareFigure(result.figures.headLoss, headLoss, "headLoss");
        compareFigure(result.figures.headLossPressure, headLossPressure, "headLossPressure");
    }
};

QTEST_GUILESS_MAIN(SteelCalculationTest)
#include "tst_steelcalculation.moc"
