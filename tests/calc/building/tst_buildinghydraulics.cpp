#include "calc/building/buildinghydraulics.h"
#include "calc/building/buildingtexts.h"
#include "calc/building/coppercatalog.h"
#include "calc/building/pexalpexcatalog.h"
#include "calc/building/pexcatalog.h"
#include "calc/common/flowarithmetic.h"

#include <QLocale>
#include <QTest>
#include <cmath>

using namespace calc::building;

namespace {
// Within a unit of the last decimal of a stated value.
void verifyNear(double actual, double expected, double unit)
{
    if (std::abs(actual - expected) > unit)
        QFAIL(qPrintable(QStringLiteral("%1 is not %2 within %3").arg(actual, 0, 'g', 17).arg(expected).arg(unit)));
}

double velocity(double litresPerSecond, double dMm)
{
    return calc::meanVelocity(litresPerSecond / 1000, dMm / 1000);
}
}  // namespace

class BuildingHydraulicsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::Russian, QLocale::Russia)); }

    void frictionFactor_data()
    {
        QTest::addColumn<double>("dMm");
        QTest::addColumn<double>("nuE6");
        QTest::addColumn<double>("roughness");
        QTest::addColumn<double>("v");
        QTest::addColumn<double>("re");
        QTest::addColumn<double>("b");
        QTest::addColumn<double>("lambda");
        QTest::newRow("PEX 13.15 mm, cold water") << 13.15 << 1.3 << 1e-6 << 1.4726 << 14896.0 << 1.6121 << 0.027617;
        QTest::newRow("copper 13 mm, heating 70 °C") << 13.0 << 0.41 << 1e-5 << 1.5068 << 47776.0 << 1.8050 << 0.024750;
    }
    void frictionFactor()
    {
        QFETCH(double, dMm);
        QFETCH(double, nuE6);
        QFETCH(double, roughness);
        QFETCH(double, v);
        QFETCH(double, re);
        QFETCH(double, b);
        QFETCH(double, lambda);
        const double speed = velocity(0.2, dMm);
        verifyNear(speed, v, 0.0001);
        const FrictionFactor f = calc::building::frictionFactor(dMm / 1000, speed, nuE6 * 1e-6, roughness);
        verifyNear(f.reynolds, re, 1);
        verifyNear(f.b, b, 0.0001);
        verifyNear(f.lambda, lambda, 0.000001);
    }

    void frictionFactorAtTwoIsClamped()
    {
        // 60 m/s on copper with ν = 10^−6 is past 500·ν/Δ = 50 m/s.
        const FrictionFactor f = calc::building::frictionFactor(0.013, 60, 1e-6, 1e-5);
        QCOMPARE(f.b, 2.0);
        // λ = 1/(4·lg²(3,7·d/Δ))
        verifyNear(f.lambda, 0.0184390362150111, 1e-12);
    }

    void undefinedFrictionFactor()
    {
        // Re = 10 exactly puts lg Re − 1 = 0 in a denominator.
        QVERIFY(!std::isfinite(calc::building::frictionFactor(1, 10, 1, 1e-5).lambda));
        // A = 1 puts lg A = 0 in a denominator.
        QVERIFY(!std::isfinite(calc::building::frictionFactor(1, 1000, 1e-6, 3.7).lambda));
        // A negative viscosity gives a negative Re.
        QVERIFY(!std::isfinite(calc::building::frictionFactor(0.013, 1.5, -1e-6, 1e-5).lambda));
        QVERIFY(!std::isfinite(copperSupplySlope(1.5, 1, 54000)));
    }

    void slopes()
    {
        verifyNear(polymerSlope(1.4726129274503466, 0.01315, 0.027616964835562932), 0.23213, 0.00001);
        verifyNear(copperSlope(velocity(0.2, 13), 0.013, 1.3e-6), 0.25379, 0.00001);
        // Supply at 90 °C: ν = 0.36·10^−6, Re ≈ 54412.
        verifyNear(copperSupplySlope(velocity(0.2, 13), 0.013, 54411.946), 0.604454, 0.000001);
        // R takes the carrier's density: 1000 kg/m³, water at 90 °C (970), a glycol (1050).
        verifyNear(heatingSpecificLoss(0.02475040576463412, velocity(0.2, 13), 0.013, 1000), 2161.30, 0.01);
        verifyNear(heatingSpecificLoss(0.02475040576463412, velocity(0.2, 13), 0.013, 970), 2096.46, 0.01);
        verifyNear(heatingSpecificLoss(0.02475040576463412, velocity(0.2, 13), 0.013, 1050), 2269.36, 0.01);
        verifyNear(slopePressure(0.25379), 2488.83, 0.01);
    }

    void sectionLosses()
    {
        const double v = velocity(0.2, 13);
        verifyNear(sectionHeadLoss(0.2537908677559887, 10, 2.5, v), 2.8272, 0.0001);
        verifyNear(2161.303688634793 * 10 + localPressureLoss(2.5, v, 980), 24394.31, 0.01);
    }

    void localResistance_data()
    {
        QTest::addColumn<int>("material");
        QTest::addColumn<QList<double>>("counts");
        QTest::addColumn<double>("other");
        QTest::addColumn<double>("sum");
        const QList<double> none(fittingRows, 0);
        QList<double> elbowsAndBranch = none;
        elbowsAndBranch[0] = 2;
        elbowsAndBranch[2] = 1;
        QList<double> twoRow12 = none;
        twoRow12[11] = 2;
        QList<double> minusOne = none;
        minusOne[4] = -1;
        QList<double> oneEach(fittingRows, 1);
        QTest::newRow("nothing ticked") << int(Material::Copper) << none << 0.0 << 0.0;
        QTest::newRow("two elbows, one branch tee") << int(Material::Pex) << elbowsAndBranch << 0.0 << 2.5;
        QTest::newRow("with other 0.3") << int(Material::Copper) << elbowsAndBranch << 0.3 << 2.8;
        QTest::newRow("two U-bends on PEX") << int(Material::Pex) << twoRow12 << 0.0 << 1.4;
        QTest::newRow("two nut joints on PEX-AL-PEX") << int(Material::PexAlPex) << twoRow12 << 0.0 << 3.0;
        QTest::newRow("count -1 subtracts") << int(Material::Copper) << minusOne << 0.0 << -3.0;
        QTest::newRow("one of each, copper") << int(Material::Copper) << oneEach << 0.0 << 15.7;
        QTest::newRow("one of each, PEX-AL-PEX") << int(Material::PexAlPex) << oneEach << 0.0 << 16.5;
    }
    void localResistance()
    {
        QFETCH(int, material);
        QFETCH(QList<double>, counts);
        QFETCH(double, other);
        QFETCH(double, sum);
        double array[fittingRows];
        std::copy(counts.begin(), counts.end(), array);
        verifyNear(localResistanceSum(Material(material), array, other), sum, 1e-12);
    }

    void tables()
    {
        QCOMPARE(waterViscosityE6(Material::Copper, 90), 0.36);
        QCOMPARE(waterViscosityE6(Material::Pex, 90), 0.32);
        QCOMPARE(waterViscosityE6(Material::PexAlPex, 40), 0.66);
        QCOMPARE(waterViscosityE6(Material::Copper, 40), 0.0);
        QCOMPARE(waterViscosityE6(Material::Copper, 50), 0.55);
        QCOMPARE(waterViscosityE6(Material::Pex, 70), 0.41);
        QCOMPARE(heatingWaterDensity(50), 990.0);
        QCOMPARE(heatingWaterDensity(70), 980.0);
        QCOMPARE(heatingWaterDensity(90), 970.0);
        QCOMPARE(heatingWaterDensity(40), 0.0);
        QCOMPARE(wallRoughness(Material::Copper), 1e-5);
        QCOMPARE(wallRoughness(Material::PexAlPex), 1e-6);
        QCOMPARE(temperatures(Material::Copper, SystemKind::HotWater).join(u' '), QStringLiteral("50 60 70 80 90"));
        QCOMPARE(temperatures(Material::Pex, SystemKind::HotWater).join(u' '), QStringLiteral("40 50 60 70 80 90"));
        QCOMPARE(temperatures(Material::Pex, SystemKind::Heating).join(u' '), QStringLiteral("50 60 70 80 90"));
        QCOMPARE(fittingCaption(Material::Copper, 7), QStringLiteral("крестовина  на ответвление"));
        QCOMPARE(fittingCaption(Material::Pex, 12), QStringLiteral("калач"));
        QCOMPARE(fittingCaption(Material::PexAlPex, 12), QStringLiteral("соединение с обжимной гайкой"));
    }

    void velocityLimit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<double>("v");
        QTest::addColumn<bool>("tooFast");
        QTest::newRow("cold water at 4") << int(SystemKind::ColdWater) << 4.0 << false;
        QTest::newRow("cold water above 4") << int(SystemKind::ColdWater) << 4.001 << true;
        QTest::newRow("hot water at 3") << int(SystemKind::HotWater) << 3.0 << false;
        QTest::newRow("supply above 3") << int(SystemKind::HotWaterSupply) << 3.001 << true;
        QTest::newRow("heating at 2") << int(SystemKind::Heating) << 2.0 << false;
        QTest::newRow("heating above 2") << int(SystemKind::Heating) << 2.001 << true;
    }
    void velocityLimit()
    {
        QFETCH(int, kind);
        QFETCH(double, v);
        QFETCH(bool, tooFast);
        QCOMPARE(calc::building::tooFast(v, SystemKind(kind)), tooFast);
    }

    void resultTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        const auto copper = Material::Copper;
        const auto pex = Material::PexAlPex;
        QTest::newRow("copper velocity") << velocityResult(copper, 1.5067923) << QStringLiteral("Скорость v=1,507 м/с");
        QTest::newRow("polymer velocity") << velocityResult(pex, 1.4726129) << QStringLiteral("v= 1,473 м/сек");
        QTest::newRow("copper cold slope") << slopeResult(copper, SystemKind::ColdWater, 0.25379) << QStringLiteral("i= 0,254");
        QTest::newRow("copper supply slope") << slopeResult(copper, SystemKind::HotWaterSupply, 0.60445) << QStringLiteral("i=0,604");
        QTest::newRow("polymer slope") << slopeResult(pex, SystemKind::HotWater, 0.23213) << QStringLiteral("i=0,232");
        QTest::newRow("slope tooltip") << slopeTooltip(0.2537908677559887)
                                       << QStringLiteral("удельные потери давления R= 2488,838 Па/м");
        QTest::newRow("copper R") << heatingLossResult(copper, 2161.3036886) << QStringLiteral("R=2161,304 Па/м");
        QTest::newRow("polymer R") << heatingLossResult(pex, 2161.3036886) << QStringLiteral("R= 2161,304 Па/м");
        QTest::newRow("copper H") << headLossResult(copper, 2.827208) << QStringLiteral("Потери напора на участке H=2,827 м");
        QTest::newRow("polymer H") << headLossResult(pex, 2.827208) << QStringLiteral("Потери напора на участке 2,827 м");
        QTest::newRow("H tooltip") << headLossTooltip(2.827208272114291)
                                   << QStringLiteral("Потери давления на участке 27725,442 Па");
        QTest::newRow("copper heating drop") << heatingDropResult(copper, 24394.305328)
                                             << QStringLiteral("Падение давления в системе отопления = 24394,305 Па");
        QTest::newRow("polymer heating drop") << heatingDropResult(pex, 24394.305328)
                                              << QStringLiteral("Потери давления на участке 24394,305 Па");
        QTest::newRow("copper hot-water limit") << velocityLimitText(copper, SystemKind::HotWaterSupply)
                                                << QStringLiteral("Для систем горячего водоснабжения рекомендуется v до 3 м/с");
        QTest::newRow("polymer hot-water limit") << velocityLimitText(pex, SystemKind::HotWater)
                                                 << QStringLiteral("Для систем ГВС рекомендуется скорость до 3 м/сек");
        QTest::newRow("polymer cold limit")
            << velocityLimitText(Material::Pex, SystemKind::ColdWater)
            << QStringLiteral("Для систем холодного водоснабжения рекомендуется скорость до 4 м/сек");
    }
    void resultTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    void catalogs_data()
    {
        QTest::addColumn<double>("actual");
        QTest::addColumn<double>("expected");
        QTest::newRow("SDR 13,6 16") << pex::innerDiameter(16, pex::Series::Sdr13_6) << 13.15;
        QTest::newRow("SDR 6 110") << pex::innerDiameter(110, pex::Series::Sdr6) << 71.8;
        QTest::newRow("SDR 9 40") << pex::innerDiameter(40, pex::Series::Sdr9) << 30.5;
        QTest::newRow("SDR 7,4 15") << pex::innerDiameter(15, pex::Series::Sdr7_4) << 10.65;
        QTest::newRow("SDR 13,6 has no 12") << pex::innerDiameter(12, pex::Series::Sdr13_6) << 12.0;
        QTest::newRow("PEX-AL-PEX 40") << pexalpex::innerDiameter(40) << 33.0;
        QTest::newRow("PEX-AL-PEX 26") << pexalpex::innerDiameter(26) << 20.0;
    }
    void catalogs()
    {
        QFETCH(double, actual);
        QFETCH(double, expected);
        verifyNear(actual, expected, 1e-9);
    }

    void catalogLists()
    {
        QCOMPARE(copper::outerDiameters().size(), 20);
        QCOMPARE(copper::outerDiameters().at(12), QStringLiteral("66.7"));
        QCOMPARE(copper::walls(66.7), QStringList{QStringLiteral("1.2")});
        QCOMPARE(copper::walls(10).join(u' '), QStringLiteral("0.6 0.7 0.8 1.0"));
        QCOMPARE(copper::walls(11), QStringList());
        QCOMPARE(pex::outerDiameters(pex::Series::Sdr13_6).join(u' '), QStringLiteral("16 20 25 32 40 50 63 75 90 110"));
        QCOMPARE(pex::outerDiameters(pex::Series::Sdr9).join(u' '),
                 QStringLiteral("12 16 18 20 22 25 32 40 50 63 75 90 110"));
        QCOMPARE(pex::outerDiameters(pex::Series::Sdr6).join(u' '),
                 QStringLiteral("12 15 16 18 20 22 25 32 40 50 63 75 90 110"));
        QCOMPARE(pexalpex::outerDiameters().join(u' '), QStringLiteral("16 20 26 32 40 50"));
    }
};

QTEST_GUILESS_MAIN(BuildingHydraulicsTest)
#include "tst_buildinghydraulics.moc"
