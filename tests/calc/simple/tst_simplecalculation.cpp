#include "calc/castiron_cement/reinforcedconcrete.h"
#include "calc/plastic_glass/plasticglassmaterials.h"
#include "calc/simple/simplecalculation.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <limits>

using calc::Check;
using calc::Figures;
using calc::FlowUnit;
using calc::simple::Material;
using Failed = std::optional<calc::Check>;

Q_DECLARE_METATYPE(calc::FlowUnit)
Q_DECLARE_METATYPE(calc::Figures)
Q_DECLARE_METATYPE(calc::simple::Material)
Q_DECLARE_METATYPE(std::optional<calc::Check>)

namespace {

const Material polyethylene = calc::plastic_glass::polyethyleneMaterial;
const Material reinforcedConcrete = calc::reinforcedconcrete::material;
const Material glassFibre = calc::plastic_glass::glassFibreMaterial;
const Material glass = calc::plastic_glass::glassMaterial;
constexpr FlowUnit litres = FlowUnit::LitresPerSecond;
constexpr double none = std::numeric_limits<double>::quiet_NaN();

// Every figure, so that one set where none is expected fails too.
void compareFigures(const Figures& actual, const Figures& expected)
{
    const std::pair<const char*, std::optional<double> Figures::*> members[] = {
        {"flow", &Figures::flow},
        {"diameterMm", &Figures::diameterMm},
        {"viscosity", &Figures::viscosity},
        {"density", &Figures::density},
        {"reynolds", &Figures::reynolds},
        {"lambda", &Figures::lambda},
        {"velocity", &Figures::velocity},
        {"slope", &Figures::slope},
        {"thousandI", &Figures::thousandI},
        {"slopePressure", &Figures::slopePressure},
        {"specificLoss", &Figures::specificLoss},
        {"localShare", &Figures::localShare},
        {"resistanceSum", &Figures::resistanceSum},
        {"headLoss", &Figures::headLoss},
        {"headLossPressure", &Figures::headLossPressure},
        {"localPressureLoss", &Figures::localPressureLoss},
        {"pressureDrop", &Figures::pressureDrop},
    };
    for (const auto& [name, member] : members) {
        const auto& got = actual.*member;
        const auto& wanted = expected.*member;
        QVERIFY2(got.has_value() == wanted.has_value(), name);
        if (wanted)
            QVERIFY2(std::abs(*got - *wanted) <= 1e-12 * std::max(1.0, std::abs(*wanted)),
                     qPrintable(QStringLiteral("%1 = %2").arg(name).arg(*got, 0, 'g', 17)));
    }
}

// What a find gives.
Figures found(double flow, double diameterMm, double velocity, double slope, double thousandI, double slopePressure)
{
    Figures figures;
    figures.flow = flow;
    figures.diameterMm = diameterMm;
    figures.velocity = velocity;
    figures.slope = slope;
    figures.thousandI = thousandI;
    figures.slopePressure = slopePressure;
    return figures;
}

// The glass fibre's λ = 0,0146·(v·d)^−0,226 besides.
Figures withLambda(Figures figures, double lambda)
{
    figures.lambda = lambda;
    return figures;
}

// What a stopped find has shown.
Figures shownBeforeStop(std::optional<double> flow, double diameterMm)
{
    Figures figures;
    figures.flow = flow;
    figures.diameterMm = diameterMm;
    return figures;
}

Figures withSection(Figures figures, double headLoss, double pressure)
{
    figures.headLoss = headLoss;
    figures.headLossPressure = pressure;
    return figures;
}

const Figures polyethylene110 =
    found(0.005, 96.8, 0.6794060476226664, 0.0060423371430073725, 6.042337143007373, 59.25508554347325);

}  // namespace

class tst_simplecalculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void calculate_data();
    void calculate();
    void sectionHeadLoss_data();
    void sectionHeadLoss();
};

void tst_simplecalculation::calculate_data()
{
    QTest::addColumn<Material>("material");
    QTest::addColumn<double>("flow");
    QTest::addColumn<FlowUnit>("unit");
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("compared");
    QTest::addColumn<double>("length");  // none: no section
    QTest::addColumn<Failed>("failed");
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<QString>("advice");  // "-": no advice
    QTest::addColumn<int>("colour");      // -1: no colour written
    QTest::addColumn<QString>("section");

    const QString recommend90 = "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу диаметром 90мм";
    QTest::newRow("II-5, 110 mm in SDR17 at 5 l/s, 100 m")
        << polyethylene << 5.0 << litres << 96.8 << 110.0 << 100.0 << Failed{}
        << withSection(polyethylene110, 0.6042337143007374, 5925.508554347325) << recommend90 << 12
        << "h = i · L = 0,604 м";
    QTest::newRow("II-5, the same flow in m³/h, no section")
        << polyethylene << 18.0 << FlowUnit::CubicMetresPerHour << 96.8 << 110.0 << none << Failed{}
        << polyethylene110 << recommend90 << 12 << "";
    QTest::newRow("II-5, 6 mm at 0,5 l/s: fast and in no band")
        << polyethylene << 0.5 << litres << 6.0 << 10.0 << none << Failed{}
        << found(0.0005, 6, 17.68388256576615, 59.276129793136214, 59276.12979313621, 581300.2582358592)
        << "Большая скорость! Рекомендуется применить трубу большего диаметра" << 12 << "";
    QTest::newRow("II-6, 600 mm at 500 l/s")
        << reinforcedConcrete << 500.0 << litres << 600.0 << 600.0 << none << Failed{}
        << found(0.5, 600, 1.768388256576615, 0.005669765925996795, 5.669765925996795, 55.601410018176466)
        << "При расходе 500л/сек =1800м куб/ч, рекомендуется использовать трубу с условным проходом 700мм" << 12
        << "";
    QTest::newRow("II-6, 500 mm at 200 l/s: its own band")
        << reinforcedConcrete << 200.0 << litres << 500.0 << 500.0 << none << Failed{}
        << found(0.2, 500, 1.0185916357881302, 0.0025206541091576445, 2.5206541091576447, 24.719172619570813)
        << "" << 2 << "";
    QTest::newRow("II-7, 200 mm at 20 l/s, 100 m")
        << glassFibre << 20.0 << litres << 200.0 << 0.0 << 100.0 << Failed{}
        << withSection(withLambda(found(0.02, 200, 0.6366197723675813, 0.0024025609622300137, 2.4025609622300137,
                                        23.56107446025296),
                                  0.023261792048023328),
                       0.24025609622300137, 2356.107446025296)
        << "-" << -1 << "h = i · L = 0,24 м";
    QTest::newRow("II-8, 93 mm (inner 81) at 3 l/s, 25 m")
        << glass << 3.0 << litres << 81.0 << 0.0 << 25.0 << Failed{}
        << withSection(found(0.003, 81, 0.5821854342639061, 0.00621687949007833, 6.21687949007833, 60.96676125137665),
                       0.15542198725195824, 1524.1690312844164)
        << "-" << -1 << "h = i · L = 0,155 м";

    QTest::newRow("the flow is checked before the diameter")
        << glassFibre << 0.0 << litres << 0.0 << 0.0 << 100.0 << Failed{Check::FlowZero} << Figures{} << "-" << -1
        << "";
    QTest::newRow("negative flow") << polyethylene << -1.0 << litres << 96.8 << 110.0 << none
                                   << Failed{Check::FlowZero} << Figures{} << "-" << -1 << "";
    QTest::newRow("zero diameter: the diameter is read")
        << reinforcedConcrete << 500.0 << litres << 0.0 << 0.0 << none << Failed{Check::DiameterZero}
        << shownBeforeStop(std::nullopt, 0) << "-" << -1 << "";
    QTest::newRow("negative diameter") << glass << 3.0 << litres << -5.0 << 0.0 << none << Failed{Check::DiameterZero}
                                       << shownBeforeStop(std::nullopt, -5) << "-" << -1 << "";
    QTest::newRow("flow beyond a double: no flow tooltip")
        << polyethylene << std::numeric_limits<double>::infinity() << litres << 96.8 << 110.0 << none
        << Failed{Check::NotComputable} << shownBeforeStop(std::nullopt, 96.8) << "-" << -1 << "";
    QTest::newRow("vanishing diameter: the flow is shown")
        << polyethylene << 5.0 << litres << 1e-200 << 0.0 << none << Failed{Check::NotComputable}
        << shownBeforeStop(0.005, 1e-200) << "-" << -1 << "";
    QTest::newRow("enormous flow: a velocity beyond a slope")
        << polyethylene << 1e306 << litres << 96.8 << 110.0 << none << Failed{Check::NotComputable}
        << shownBeforeStop(1e303, 96.8) << "-" << -1 << "";
    QTest::newRow("glass-fibre pipe too wide for a velocity")
        << glassFibre << 20.0 << litres << 1e200 << 0.0 << none << Failed{Check::NotComputable}
        << shownBeforeStop(0.02, 1e200) << "-" << -1 << "";
    QTest::newRow("section beyond a double: the find stands")
        << polyethylene << 5.0 << litres << 96.8 << 110.0 << 1e307 << Failed{Check::NotComputable} << polyethylene110
        << recommend90 << 12 << "";
}

void tst_simplecalculation::calculate()
{
    QFETCH(Material, material);
    QFETCH(double, flow);
    QFETCH(FlowUnit, unit);
    QFETCH(double, diameter);
    QFETCH(double, compared);
    QFETCH(double, length);
    QFETCH(Failed, failed);
    QFETCH(Figures, figures);
    QFETCH(QString, advice);
    QFETCH(int, colour);
    QFETCH(QString, section);

    calc::simple::Input input{.material = material, .flow = {flow, unit}, .diameterMm = diameter, .comparedSize = compared};
    if (!std::isnan(length))
        input.length = length;
    const calc::simple::Result result = calc::simple::calculate(input);
    QCOMPARE(result.failed, failed);
    compareFigures(result.figures, figures);
    QCOMPARE(result.advice.has_value(), advice != "-");
    if (result.advice) {
        QCOMPARE(result.advice->text.value_or("unwritten"), advice);
        QCOMPARE(result.advice->colour.value_or(-1), colour);
    }
    QCOMPARE(result.headLossText, section);
}

void tst_simplecalculation::sectionHeadLoss_data()
{
    QTest::addColumn<double>("length");
    QTest::addColumn<double>("thousandI");
    QTest::addColumn<Failed>("failed");
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tooltip");

    QTest::newRow("10 m at 1000i = 5") << 10.0 << 5.0 << Failed{} << withSection(Figures{}, 0.05, 490.3325)
                                       << "h = i · L = 0,05 м" << "потери давления  490,33 Па";
    QTest::newRow("no find yet") << 100.0 << 0.0 << Failed{} << withSection(Figures{}, 0, 0)
                                 << "h = i · L = 0 м" << "потери давления  0 Па";
    QTest::newRow("a negative length is taken as it is")
        << -10.0 << 5.0 << Failed{} << withSection(Figures{}, -0.05, -490.3325) << "h = i · L = -0,05 м"
        << "потери давления  -490,33 Па";
    QTest::newRow("pressure beyond a double") << 1e307 << 5.0 << Failed{Check::NotComputable} << Figures{} << "" << "";
}

void tst_simplecalculation::sectionHeadLoss()
{
    QFETCH(double, length);
    QFETCH(double, thousandI);
    QFETCH(Failed, failed);
    QFETCH(Figures, figures);
    const calc::simple::Result result = calc::simple::sectionHeadLoss(length, thousandI);
    QCOMPARE(result.failed, failed);
    compareFigures(result.figures, figures);
    QTEST(result.headLossText, "text");
    QTEST(result.headLossTooltip, "tooltip");
    QVERIFY(!result.advice);
}

QTEST_APPLESS_MAIN(tst_simplecalculation)
#include "tst_simplecalculation.moc"
