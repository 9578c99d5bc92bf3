#include "calc/castiron_cement/asbestoscementcalculation.h"
#include "calc/castiron_cement/castironcalculation.h"

#include <QLocale>
#include <QTest>
#include <cmath>
#include <functional>
#include <limits>

using namespace calc;
using calc::nominalsize::Result;

using Run = std::function<Result()>;
Q_DECLARE_METATYPE(Run)

namespace {

constexpr double unset = std::numeric_limits<double>::quiet_NaN();
constexpr int noCheck = -1;
constexpr int notWritten = -1;
constexpr int green = 2;
constexpr int red = 12;

struct Sizing {
    double size;
    double flow;
    bool typed = false;
    FlowUnit unit = FlowUnit::LitresPerSecond;
    std::optional<double> length = std::nullopt;
};

void fill(nominalsize::Input& input, const Sizing& sizing)
{
    input.size = sizing.size;
    input.typedDiameter = sizing.typed;
    input.flow = {sizing.flow, sizing.unit};
    input.sectionLength = sizing.length;
}

Run castIron(castiron::Condition condition, const Sizing& sizing)
{
    return [=] {
        castiron::CalculationInput input;
        fill(input, sizing);
        input.condition = condition;
        return castiron::calculate(input);
    };
}

Run asbestosCement(asbestoscement::PressureClass pressureClass, int type, const Sizing& sizing)
{
    return [=] {
        asbestoscement::CalculationInput input;
        fill(input, sizing);
        input.pressureClass = pressureClass;
        input.type = type;
        return asbestoscement::calculate(input);
    };
}

constexpr auto nonNew = castiron::Condition::NonNew;
constexpr auto newPipes = castiron::Condition::New;
constexpr auto vt6 = asbestoscement::PressureClass::VT6;
constexpr auto vt9 = asbestoscement::PressureClass::VT9;
constexpr auto vt12 = asbestoscement::PressureClass::VT12;
constexpr auto vt15 = asbestoscement::PressureClass::VT15;

void compareFigure(const char* name, std::optional<double> actual, double expected)
{
    if (std::isnan(expected)) {
        QVERIFY2(!actual, qPrintable(QStringLiteral("%1 is set").arg(QLatin1String(name))));
        return;
    }
    QVERIFY2(actual, qPrintable(QStringLiteral("%1 is not set").arg(QLatin1String(name))));
    QVERIFY2(std::abs(*actual - expected) <= 1e-12 * std::max(1.0, std::abs(expected)),
             qPrintable(QStringLiteral("%1 = %2").arg(QLatin1String(name)).arg(*actual, 0, 'g', 17)));
}

void compareText(const char* name, const std::optional<QString>& actual, const QString& expected)
{
    if (expected.isNull()) {
        QVERIFY2(!actual, qPrintable(QStringLiteral("%1 is set: %2").arg(QLatin1String(name), actual.value_or(""))));
        return;
    }
    QVERIFY2(actual, qPrintable(QStringLiteral("%1 is not set").arg(QLatin1String(name))));
    QCOMPARE(*actual, expected);
}

const QString recommend125 =
    QStringLiteral("При расходе 10л/сек =36м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 125мм");
const QString tip100NonNew =
    QStringLiteral("условный проход d=100мм; внутренний диаметр dв=103мм; расчетный внутренний диаметр dр=102мм");
const QString justified300 =
    QStringLiteral("Применение трубы с условным проходом 300мм при расходе 80л/сек =288м куб/ч экономически обосновано.");
const QString justified200 =
    QStringLiteral("Применение трубы с условным проходом 200мм при расходе 30л/сек =108м куб/ч экономически обосновано");
const QString recommend200 =
    QStringLiteral("При расходе 30л/сек =108м куб/ч рекомендуется использовать трубу с условным проходом 200мм");
const QString tip200Vt9 = QStringLiteral("условный проход d=200мм; труба ВТ9 тип1; внутренний диаметр dв=189мм");

}  // namespace

class TestNominalSizeCalculation : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }
    void calculation_data();
    void calculation();
};

void TestNominalSizeCalculation::calculation_data()
{
    QTest::addColumn<Run>("run");
    QTest::addColumn<int>("failed");
    QTest::addColumn<QString>("sizeCaption");  // null: not set
    QTest::addColumn<double>("size");          // NaN: not set, as every figure below
    QTest::addColumn<double>("diameter");
    QTest::addColumn<double>("velocity");
    QTest::addColumn<double>("thousandI");
    QTest::addColumn<double>("pressure");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("headLoss");
    QTest::addColumn<double>("headLossPressure");
    QTest::addColumn<QString>("diameterTip");
    QTest::addColumn<QString>("advice");
    QTest::addColumn<int>("colour");

    const int flowZero = int(Check::FlowZero);
    const int diameterZero = int(Check::DiameterZero);
    const int notComputable = int(Check::NotComputable);
    const double infinite = std::numeric_limits<double>::infinity();

    QTest::newRow("II-3 100 non-new, first formula")
        << castIron(nonNew, {100, 10}) << noCheck << "d=" << 100.0 << 102.0 << 1.2237981014371038 << 31.161840807526584
        << 305.59326615513055 << unset << unset << unset << tip100NonNew << recommend125 << red;
    QTest::newRow("II-3 100 new, with its friction factor")
        << castIron(newPipes, {100, 5}) << noCheck << "d=" << 100.0 << 103.0 << 0.600075193107344 << 7.69894837448968
        << 75.50089207668921 << 0.04320721640540005 << unset << unset
        << "условный проход d=100мм; внутренний диаметр dв=103мм; трубы новые"
        << "При расходе 5л/сек =18м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 80мм" << red;
    QTest::newRow("II-3 125 in its band")
        << castIron(nonNew, {125, 10}) << noCheck << "d=" << 125.0 << 127.2 << 0.7869296264580877 << 10.299300386553583
        << 101.00163413579568 << unset << unset << unset
        << "условный проход d=125мм; внутренний диаметр dв=128,2мм; расчетный внутренний диаметр dр=127,2мм"
        << "Применение трубы с условным проходом 125мм при расходе 10л/сек =36м куб/ч экономически обосновано." << green;
    QTest::newRow("II-3 300 non-new")
        << castIron(nonNew, {300, 80}) << noCheck << "d=" << 300.0 << 304.4 << 1.099286284502861 << 6.1588439006501465
        << 60.39762653831075 << unset << unset << unset
        << "условный проход d=300мм; внутренний диаметр равен расчетному dв=dp=304,4мм" << justified300 << green;
    QTest::newRow("II-3 300 new: the same dp")
        << castIron(newPipes, {300, 80}) << noCheck << "d=" << 300.0 << 304.4 << 1.099286284502861 << 5.656383897789465
        << 55.470177151257055 << 0.0279550909513038 << unset << unset
        << "условный проход d=300мм; внутренний диаметр dв=304,4мм; трубы новые" << justified300 << green;
    QTest::newRow("II-3 50 at 1 l/s: the advice is emptied, no colour")
        << castIron(nonNew, {50, 1}) << noCheck << "d=" << 50.0 << 51.6 << 0.47820125921487694 << 13.412959767448035
        << 131.53620190344427 << unset << unset << unset
        << "условный проход d=50мм; внутренний диаметр dв=52,6мм; расчетный внутренний диаметр dр=51,6мм" << ""
        << notWritten;
    QTest::newRow("II-3 typed 100 new: its own bore, no size matches")
        << castIron(newPipes, {100, 7, true}) << noCheck << "dp=" << 100.0 << 100.0 << 0.8912676813146139
        << 16.191998829572757 << 158.78926532202968 << 0.039992923233540846 << unset << unset << QString()
        << "При расходе 7л/сек =25,2м куб/ч рекомендуется использовать трубу класса ЛА, с условным проходом 100мм" << red;
    QTest::newRow("II-3 with a section")
        << castIron(nonNew, {100, 10, false, FlowUnit::LitresPerSecond, 10}) << noCheck << "d=" << 100.0 << 102.0
        << 1.2237981014371038 << 31.161840807526584 << 305.59326615513055 << unset << 0.31161840807526586
        << 3055.9326615513055 << tip100NonNew << recommend125 << red;
    QTest::newRow("II-3 a section too long keeps the find")
        << castIron(nonNew, {100, 10, false, FlowUnit::LitresPerSecond, 1e306}) << notComputable << "d=" << 100.0
        << 102.0 << 1.2237981014371038 << 31.161840807526584 << 305.59326615513055 << unset << unset << unset
        << tip100NonNew << recommend125 << red;
    QTest::newRow("II-3 the flow is checked first")
        << castIron(nonNew, {0, 0}) << flowZero << QString() << unset << unset << unset << unset << unset << unset
        << unset << unset << QString() << QString() << notWritten;
    QTest::newRow("II-3 no size chosen")
        << castIron(nonNew, {0, 10}) << diameterZero << "d=" << unset << unset << unset << unset << unset << unset
        << unset << unset << QString() << QString() << notWritten;
    QTest::newRow("II-3 empty typed diameter")
        << castIron(nonNew, {0, 10, true}) << diameterZero << "dp=" << unset << unset << unset << unset << unset
        << unset << unset << unset << QString() << QString() << notWritten;
    QTest::newRow("II-3 a flow that is no number")
        << castIron(nonNew, {100, infinite}) << notComputable << "d=" << unset << unset << unset << unset << unset
        << unset << unset << unset << QString() << QString() << notWritten;
    QTest::newRow("II-3 typed diameter too large")
        << castIron(nonNew, {1e300, 10, true}) << notComputable << "dp=" << unset << unset << unset << unset << unset
        << unset << unset << unset << QString() << QString() << notWritten;

    QTest::newRow("II-4 ВТ9 type 1 200")
        << asbestosCement(vt9, 1, {200, 30}) << noCheck << "d=" << 200.0 << 189.0 << 1.0693201853826846
        << 6.140596502794124 << 60.21868069412599 << unset << unset << unset << tip200Vt9 << justified200 << green;
    QTest::newRow("II-4 ВТ12 type 2 250")
        << asbestosCement(vt12, 2, {250, 30}) << noCheck << "d=" << 250.0 << 234.0 << 0.6975890558487632
        << 2.163105507510591 << 21.21281862522874 << unset << unset << unset
        << "условный проход d=250мм; труба ВТ12 тип2; внутренний диаметр dв=234мм" << recommend200 << red;
    QTest::newRow("II-4 ВТ15 type 3 has no row: the size is the bore")
        << asbestosCement(vt15, 3, {200, 30}) << noCheck << "d=" << 200.0 << 200.0 << 0.9549296585513719
        << 4.6553265045647185 << 45.653157665989596 << unset << unset << unset << QString() << justified200 << green;
    QTest::newRow("II-4 typed 200 counts as the size 200")
        << asbestosCement(vt9, 1, {200, 30, true}) << noCheck << "dp=" << 200.0 << 200.0 << 0.9549296585513719
        << 4.6553265045647185 << 45.653157665989596 << unset << unset << unset << QString() << justified200 << green;
    QTest::newRow("II-4 below the range")
        << asbestosCement(vt6, 1, {100, 4.99}) << noCheck << "d=" << 100.0 << 104.0 << 0.587413584340649
        << 4.138649655344304 << 40.58628864258222 << unset << unset << unset
        << "условный проход d=100мм; труба ВТ6 тип1; внутренний диаметр dв=104мм"
        << "При расходе 4,99л/сек =17,964м куб/ч рекомендуется использовать трубу с условным проходом менее 100мм" << red;
    QTest::newRow("II-4 100 in its band: a blank, no colour")
        << asbestosCement(vt6, 1, {100, 7.5}) << noCheck << "d=" << 100.0 << 104.0 << 0.8828861488085907
        << 8.768053493574042 << 85.98523179275787 << unset << unset << unset
        << "условный проход d=100мм; труба ВТ6 тип1; внутренний диаметр dв=104мм" << " " << notWritten;
    QTest::newRow("II-4 above the range")
        << asbestosCement(vt6, 1, {500, 700}) << noCheck << "d=" << 500.0 << 473.0 << 3.983693134616494
        << 24.467396697337097 << 239.94319582194083 << unset << unset << unset
        << "условный проход d=500мм; труба ВТ6 тип1; внутренний диаметр dв=473мм"
        << "Большая скорость! При расходе 700л/сек =2520м куб/ч  рекомендуется использовать трубу с диаметром более 500мм"
        << red;
    QTest::newRow("II-4 with a section")
        << asbestosCement(vt9, 1, {200, 30, false, FlowUnit::LitresPerSecond, 10}) << noCheck << "d=" << 200.0 << 189.0
        << 1.0693201853826846 << 6.140596502794124 << 60.21868069412599 << unset << 0.06140596502794124
        << 602.1868069412599 << tip200Vt9 << justified200 << green;
    QTest::newRow("II-4 the flow is checked first")
        << asbestosCement(vt9, 1, {0, -1}) << flowZero << QString() << unset << unset << unset << unset << unset
        << unset << unset << unset << QString() << QString() << notWritten;
    QTest::newRow("II-4 zero typed diameter")
        << asbestosCement(vt9, 1, {0, 30, true}) << diameterZero << "dp=" << unset << unset << unset << unset << unset
        << unset << unset << unset << QString() << QString() << notWritten;
}

void TestNominalSizeCalculation::calculation()
{
    QFETCH(Run, run);
    QFETCH(int, failed);
    QFETCH(QString, sizeCaption);
    QFETCH(double, size);
    QFETCH(double, diameter);
    QFETCH(double, velocity);
    QFETCH(double, thousandI);
    QFETCH(double, pressure);
    QFETCH(double, lambda);
    QFETCH(double, headLoss);
    QFETCH(double, headLossPressure);
    QFETCH(QString, diameterTip);
    QFETCH(QString, advice);
    QFETCH(int, colour);

    const Result result = run();
    QCOMPARE(result.failed ? int(*result.failed) : noCheck, failed);
    compareText("size caption", result.sizeCaption, sizeCaption);
    compareFigure("size", result.size, size);
    const Figures& figures = result.figures;
    compareFigure("diameter", figures.diameterMm, diameter);
    QCOMPARE(figures.flow.has_value(), !std::isnan(velocity));
    compareFigure("velocity", figures.velocity, velocity);
    compareFigure("slope", figures.slope, std::isnan(thousandI) ? unset : thousandI / 1000);
    compareFigure("1000i", figures.thousandI, thousandI);
    compareFigure("pressure per metre", figures.slopePressure, pressure);
    compareFigure("lambda", figures.lambda, lambda);
    compareFigure("head loss", figures.headLoss, headLoss);
    compareFigure("head loss pressure", figures.headLossPressure, headLossPressure);
    compareText("diameter tooltip", result.diameterTooltip, diameterTip);
    compareText("advice", result.advice.text, advice);
    QCOMPARE(result.advice.colour.value_or(notWritten), colour);
    for (auto figure : {figures.viscosity, figures.density, figures.reynolds, figures.specificLoss, figures.localShare,
                        figures.resistanceSum, figures.localPressureLoss, figures.pressureDrop})
        QVERIFY(!figure);
}

QTEST_APPLESS_MAIN(TestNominalSizeCalculation)
#include "tst_nominalsizecalculation.moc"
